#include "update/ui/frmUpdate.h"

#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/Titelbreite.h"
#include "core/ui/UiGuard.h"
#include "core/ui/modShell.h"
#include "update/CDownload.h"
#include "update/VersionFile.h"
#include "update/modSocketMaster.h"
#include "update/ui/UpdateIcons.h"
#include "widgets/fxbutton.h"

#include <FreeImage.h>
#include <QGridLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// How often the window lets the sockets' notifications through.
constexpr int kPumpIntervalMs = 20;

std::string ImageLibraryVersion()
{
    const char* version = gLoader && gLoader->FreeImageLib_Available() ? FreeImage_GetVersion() : nullptr;
    return version && *version ? version : "n/a";
}

// A version is one line: the line breaks a server may send would stretch the window past the
// bottom of the screen, OK button and all, so each is shown as a blank.
QString Einzeilig(const std::string& text)
{
    QString zeile = QString::fromStdString(text);
    for (QChar& c : zeile)
        if (c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == QChar(0x85) || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = u' ';
    return zeile;
}

}

frmUpdate::frmUpdate(QWidget* owner)
    : QDialog(owner), lblVersion(new QLabel("KPW ZELO Web-Update", this)), lblModule(new QLabel("Modul", this)),
      Label4(new QLabel("My Version", this)), lblOnlineVersion(new QLabel("Online Version", this)),
      lblWait(new QLabel("Checking...", this)), cmdOK(new fxbutton("OK", this)), pump_(new QTimer(this))
{
    setWindowTitle("ZELO - Updater");
    QFont heading = lblVersion->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    lblVersion->setFont(heading);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    QFont bold = lblModule->font();
    bold.setBold(true);
    for (QLabel* title : {lblModule, Label4, lblOnlineVersion}) title->setFont(bold);
    grid->addWidget(lblModule, 0, 0);
    grid->addWidget(Label4, 0, 1);
    grid->addWidget(lblOnlineVersion, 0, 2);
    const char* modules[kRows] = {"ZELO", "ZELO (Preview Version)", "FreeImage Library", "Deutsch (*.lng)",
                                  "English (*.lng)"};
    for (int row = 0; row < kRows; ++row) {
        lblModul[row] = new QLabel(modules[row], this);
        lblMyVersion[row] = new QLabel("n/a", this);
        lblVersionOnline[row] = new QLabel("n/a", this);
        // A version is a few characters; whatever else a server sends must not widen the window.
        lblVersionOnline[row]->setMaximumWidth(lblVersionOnline[row]->fontMetrics().averageCharWidth() * 24);
        picOK[row] = new QLabel(this);
        picOK[row]->setFixedSize(16, 16);
        cmdDonwload[row] = new fxbutton(row < 2 ? "E-Mail" : "Download", this);
        cmdDonwload[row]->setFixedSize(90, 23);
        cmdDonwload[row]->setEnabled(false);
        grid->addWidget(lblModul[row], row + 1, 0);
        grid->addWidget(lblMyVersion[row], row + 1, 1);
        grid->addWidget(lblVersionOnline[row], row + 1, 2);
        grid->addWidget(picOK[row], row + 1, 3);
        grid->addWidget(cmdDonwload[row], row + 1, 4);
        // No file is fetched: every row's button writes to the maker.
        connect(cmdDonwload[row], &fxbutton::Click, this, [] {
            Datei_Oeffnen_Shell(QString("mailto:") + clsLoader::kMakerMail);
        });
    }
    // The online versions and the failures are texts from the server: shown as they are, never as markup.
    for (QLabel* label : findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
    cmdOK->setFixedSize(90, 25);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblWait, 1);
    bottom->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblVersion);
    layout->addLayout(grid);
    layout->addLayout(bottom);
    connect(cmdOK, &fxbutton::Click, this, GuardedSlot("frmUpdate", "cmdOK_Click", [this] { cmdOK_Click(); }));
    connect(pump_, &QTimer::timeout, this, GuardedSlot("frmUpdate", "Pump", [] { modSocketMaster::Pump(0); }));
    UiGuard("frmUpdate", "Form_Load", [this] { Form_Load(); });
    Titelbreite_Halten(*this);
}

frmUpdate::~frmUpdate() = default;

void frmUpdate::Form_Load()
{
    const int32_t style = gOptions ? gOptions->ButtonStyle() : 3;
    cmdOK->setButtonStyle(style);
    for (int row = 0; row < 3; ++row) cmdDonwload[row]->setButtonStyle(style);
    cDL = std::make_unique<CDownload>();
    cDL->OnError = [this](int32_t number, const std::string& description) {
        UiGuard("frmUpdate", "cDL_Error", [&] { cDL_Error(number, description); });
    };
    cDL->OnCompleted = [this] { UiGuard("frmUpdate", "cDL_Completed", [this] { cDL_Completed(); }); };
    cDL->setAccessType(0);
    cDL->Download(gOptions ? gOptions->Update_URL() : "", std::nullopt, false);
    pump_->start(kPumpIntervalMs);
}

void frmUpdate::cDL_Error(int32_t Number, const std::string& Description)
{
    lblWait->setText("Error");
    const std::string title = gLoader ? gLoader->ApplicationName() : clsLoader::kApplicationName;
    const std::string text =
        Number == 404 ? "URL not found" : "Internet Connection Error\r\n" + std::to_string(Number) + ": " + versionfile::Shown(Description);
    zelo::Ui().MsgBox(text, zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, title);
}

void frmUpdate::cDL_Completed()
{
    std::string failure;
    if (Auswerten(cDL->DownloadData(), failure)) {
        lblWait->clear();
        return;
    }
    lblWait->setText("Error");
    // A broken file on the server is no fault of the program: the user reads what was wrong with it.
    if (!failure.empty())
        zelo::Ui().MsgBox(failure, zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation,
                          gLoader ? gLoader->ApplicationName() : clsLoader::kApplicationName);
}

bool frmUpdate::Auswerten(const std::string& data, std::string& failure)
{
    const std::string library = ImageLibraryVersion();
    const versionfile::Evaluation result = versionfile::Evaluate(
        data, {clsLoader::kMajor, clsLoader::kMinor, clsLoader::kRevision}, library);
    failure = result.failure;
    if (!result.found) return false;
    for (size_t row = 0; row < result.online.size(); ++row)
        lblVersionOnline[static_cast<int>(row)]->setText(Einzeilig(result.online[row]));
    const std::string own = gLoader ? gLoader->Version() : "";
    lblMyVersion[0]->setText(QString::fromStdString(own));
    lblMyVersion[1]->setText(QString::fromStdString(own));
    lblMyVersion[2]->setText(QString::fromStdString(library));
    for (int row = 0; row < 3; ++row) {
        const int32_t icon = result.icons[static_cast<size_t>(row)];
        if (icon == 0) continue;
        cmdDonwload[row]->setEnabled(icon == 110);
        DrawIcon(row, icon);
    }
    return failure.empty();
}

void frmUpdate::DrawIcon(int row, int id)
{
    icons_[static_cast<size_t>(row)] = id;
    picOK[row]->setPixmap(UpdateIcon(id));
}

void frmUpdate::cmdOK_Click()
{
    pump_->stop();
    if (cDL) cDL->Cancel();
    cDL.reset();
    close();
}
