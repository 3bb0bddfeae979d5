#include "core/ui/frmAbout.h"

#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOperatingSystem.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/ProgramPicture.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/Titelbreite.h"
#include "core/ui/modShell.h"
#include "core/ui/modUiGlobals.h"
#include "graphics/clsGrafik.h"
#include "images/MFreeImage.h"
#include "mainwindow/ui/frmMain.h"
#include "update/ui/frmUpdate.h"
#include "widgets/fxbutton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

namespace {

QString FromModel(const std::string& text) { return QString::fromStdString(text); }

// A link that hands its address to the desktop when clicked.
QLabel* Link(const QString& caption, const QString& address, QWidget* owner)
{
    auto* link = new QLabel("<a href=\"" + address.toHtmlEscaped() + "\">" + caption.toHtmlEscaped() + "</a>", owner);
    link->setTextFormat(Qt::RichText);
    QObject::connect(link, &QLabel::linkActivated, owner, [](const QString& target) { Datei_Oeffnen_Shell(target); });
    return link;
}

}

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner), Picture1(new QLabel(this)), Label1(new QLabel(this)), Label5(new QLabel(this)),
      Label7(new QLabel(this)), Label3(new QLabel(this)), Label2(new QLabel(this)), Label6(new QLabel(this)),
      lblRam(new QLabel(this)), Label4(new QLabel(this)),
      lblNet{Link(clsLoader::kMakerMail, QString("mailto:") + clsLoader::kMakerMail, this),
             Link(clsLoader::kImageLibraryWebPage, clsLoader::kImageLibraryWebPage, this)},
      Command1(new fxbutton("OK", this)), cmdUpdate(new fxbutton(Text(426), this))
{
    Command1->setButtonStyle(gOptions->ButtonStyle());
    cmdUpdate->setButtonStyle(gOptions->ButtonStyle());
    Command1->setFixedSize(90, 25);
    cmdUpdate->setFixedSize(cmdUpdate->sizeHint().expandedTo(QSize(90, 25)));
    setModal(true);
    setWindowTitle("Info über ZELO...");
    Picture1->setPixmap(ProgramPicture());
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label1->setText(clsLoader::kFullTitle);
    QFont titleFont = Label1->font();
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    Label5->setText(clsLoader::kMakerName);
    Label3->setText(FromModel(gLoader->Creation_Info()) + "\r\n" + QString::number(gLoader->Code_Lines()) +
                    " Codezeilen" + "\r\n\r\n" + FromModel(gOS->FullName()));
    Label4->setText(clsLoader::kLegalNotice);
    Label4->setWordWrap(true);
    lblRam->setText(FromModel(gLoader->MemoryInfoEx()));
    Label7->setText("Version " + FromModel(gLoader->Version()) + " (DEMO)");
    Label2->setText(FromModel(gGrafik->Version()) + "\r\n" + "KI: Pirel 2.5");
    if (gLoader->FreeImageLib_Available())
        Label6->setText("FreeImage " + Text(75) + "\r\n" + "DLL Version " + FromModel(FI_GetVersionString()));
    else
        Label6->setText("FreeImage " + Text(76));

    auto* links = new QHBoxLayout();
    links->addWidget(lblNet[0]);
    links->addWidget(lblNet[1]);
    links->addStretch();
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(cmdUpdate);
    buttons->addWidget(Command1);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Picture1, 0, 0, 1, 2);
    layout->addWidget(Label1, 1, 0, 1, 2);
    layout->addWidget(Label7, 2, 0);
    layout->addWidget(Label5, 2, 1, Qt::AlignRight);
    layout->addWidget(Label3, 3, 0, 1, 2);
    layout->addWidget(Label2, 4, 0);
    layout->addWidget(Label6, 4, 1);
    layout->addWidget(lblRam, 5, 0, 1, 2);
    layout->addWidget(Label4, 6, 0, 1, 2);
    layout->addLayout(links, 7, 0, 1, 2);
    layout->addLayout(buttons, 8, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Command1, &fxbutton::Click, this, &QDialog::accept);
    connect(cmdUpdate, &fxbutton::Click, this, &frmAbout::cmdUpdate_Click);
    Titelbreite_Halten(*this);
}

void frmAbout::keyPressEvent(QKeyEvent* event)
{
    // The window closes when Esc is let go, not when it goes down.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        reject();
        return;
    }
    QDialog::keyReleaseEvent(event);
}

void frmAbout::cmdUpdate_Click()
{
    frmUpdate window(gfrmMain.data());
    window.exec();
}
