// The user's guide: the first start puts the guide the program carries into the program folder,
// "? -> Hilfe" hands that file to the desktop, a full disk leaves no part of it, and a later start
// replaces a copy that differs from the program's guide.
#include "core/ui/modHilfe.h"
#include "mainwindow/ui/MainWindowFixture.h"

#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/ui/modUiGlobals.h"
#include "mainwindow/ui/frmMain.h"
#include "support/VollePlatte.h"

#include <QAction>
#include <QDateTime>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <sys/stat.h>

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

TEST_F(HilfeTest, AFullDiskLeavesNoPartOfTheGuideAndTheNextStartWithRoomPutsItAllThere)
{
    const QByteArray guide = Inhalt(kHilfeQuelle);
    QFile::remove(Ziel());
    for (const int32_t sprache : {0, 3}) {
        gLanguage->OpenLanguageEx(sprache);
        const VollePlatte voll(36864);
        Hilfe_Sicherstellen();
    }
    gLanguage->OpenLanguageEx(0);
    EXPECT_FALSE(QFileInfo::exists(Ziel())) << "no part of the guide";
    const std::string ziel = Ziel().toStdString();
    ASSERT_EQ(seam.messages.size(), 2u) << "one message for each start";
    EXPECT_EQ(seam.messages[0].text, "Die Anleitung kann nicht in den Programmordner geschrieben werden; der nächste "
                                     "Start versucht es wieder:\r\n" + ziel + " (die Datei würde größer als erlaubt)");
    EXPECT_EQ(seam.messages[1].text, "The guide cannot be written to the program folder; the next start tries "
                                     "again:\r\n" + ziel + " (the file would grow larger than allowed)");

    // A copy that a full disk cut short, dated like the guide as an earlier program left it, is
    // replaced whole when there is room again; the same guide is left as it is.
    Schreiben(Ziel(), guide.left(36864), QFileInfo(kHilfeQuelle).lastModified());
    Hilfe_Sicherstellen();
    EXPECT_EQ(Inhalt(Ziel()), guide);
    const auto Inode = [this] {
        struct stat info {};
        ::stat(Ziel().toStdString().c_str(), &info);
        return info.st_ino;
    };
    const auto geschrieben = Inode();
    Hilfe_Sicherstellen();
    EXPECT_EQ(Inode(), geschrieben) << "not written again";
    EXPECT_EQ(seam.messages.size(), 2u);
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
