// The user's guide: the first start puts the guide the program carries into the program folder,
// "? -> Hilfe" hands that file to the desktop, and a later start replaces an older copy but keeps a
// copy the user saved there after the program's guide was made.
#include "core/ui/modHilfe.h"
#include "mainwindow/ui/MainWindowFixture.h"

#include "core/clsLoader.h"
#include "core/ui/modUiGlobals.h"
#include "mainwindow/ui/frmMain.h"

#include <QAction>
#include <QDateTime>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

// Takes the addresses the program hands to the desktop instead of opening them.
class DesktopFaenger : public QObject {
    Q_OBJECT
public:
    DesktopFaenger() { QDesktopServices::setUrlHandler("file", this, "Oeffnen"); }
    ~DesktopFaenger() override { QDesktopServices::unsetUrlHandler("file"); }
    QList<QUrl> urls;
public slots:
    void Oeffnen(const QUrl& url) { urls.push_back(url); }
};

QByteArray Inhalt(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

void Schreiben(const QString& pfad, const QByteArray& inhalt, const QDateTime& stand)
{
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
    // Written out first: the close would otherwise give the file the time of the close.
    datei.flush();
    datei.setFileTime(stand, QFileDevice::FileModificationTime);
}

class HilfeTest : public MainWindowFixture {
protected:
    QString Ordner() const { return QString::fromStdString(gLoader->ApplicationPath()); }
    QString Ziel() const { return Ordner() + "hilfe.pdf"; }
};

}

TEST_F(HilfeTest, FirstStartInstallsTheGuideThatHelpOpens)
{
    ASSERT_TRUE(QFileInfo::exists(kHilfeQuelle)) << "the program carries its guide";
    ASSERT_TRUE(QFileInfo::exists(Ziel()));
    const QByteArray guide = Inhalt(Ziel());
    EXPECT_EQ(guide, Inhalt(kHilfeQuelle));
    EXPECT_TRUE(guide.startsWith("%PDF")) << "a PDF, not some other file";

    DesktopFaenger faenger;
    gfrmMain->mnuHilfe->trigger();
    ASSERT_EQ(faenger.urls.size(), 1);
    EXPECT_EQ(faenger.urls[0].toLocalFile(), Ziel());
}

TEST_F(HilfeTest, AnOlderCopyIsReplacedAndANewerOneKept)
{
    const QString quelle = QString::fromStdString((env.Root() / "guide.pdf").string());
    const QDateTime gemacht = QDateTime::currentDateTimeUtc().addDays(-10);
    Schreiben(quelle, "%PDF carried", gemacht);

    // A copy from an older program gives way and takes the carried guide's date.
    Schreiben(Ziel(), "%PDF old", gemacht.addDays(-30));
    Hilfe_Sicherstellen(quelle);
    EXPECT_EQ(Inhalt(Ziel()), "%PDF carried");
    EXPECT_EQ(QFileInfo(Ziel()).lastModified().toSecsSinceEpoch(), gemacht.toSecsSinceEpoch());

    // The same guide again: nothing to do. A copy the user saved later stays as it is.
    Hilfe_Sicherstellen(quelle);
    EXPECT_EQ(Inhalt(Ziel()), "%PDF carried");
    Schreiben(Ziel(), "%PDF the user's own", gemacht.addDays(2));
    Hilfe_Sicherstellen(quelle);
    EXPECT_EQ(Inhalt(Ziel()), "%PDF the user's own");
}

TEST_F(HilfeTest, WithoutACarriedGuideTheFolderIsLeftAlone)
{
    QFile::remove(Ziel());
    Hilfe_Sicherstellen(QString::fromStdString((env.Root() / "none.pdf").string()));
    EXPECT_FALSE(QFileInfo::exists(Ziel()));

    // Help stays silent then.
    DesktopFaenger faenger;
    gfrmMain->mnuHilfe->trigger();
    EXPECT_TRUE(faenger.urls.empty());
}

#include "HilfeTest.moc"
