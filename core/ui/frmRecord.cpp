#include "core/ui/frmRecord.h"

#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsFileHandler.h"
#include "widgets/fxbutton.h"

#include <QListWidget>

namespace {
constexpr int kListTop = 8;
}

frmRecord::frmRecord(QWidget* owner) : QDialog(owner), List1(new QListWidget(this)), cmdOK(new fxbutton("OK", this))
{
    cmdOK->setButtonStyle(gOptions->ButtonStyle());
    SpracheUmstellen();
    List1->move(0, kListTop);
    cmdOK->resize(90, 25);
    connect(cmdOK, &fxbutton::Click, this, &QWidget::hide);
    resize(480, 360);
}

frmRecord::~frmRecord() = default;

void frmRecord::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    // The list fills the width; the button sits in the bottom right corner with a gap above it
    // as high as the list's top margin. Placements that do not fit a tiny window are skipped.
    const int innerWidth = width();
    const int innerHeight = height();
    List1->resize(innerWidth, List1->height());
    const int buttonTop = innerHeight - cmdOK->height();
    const int buttonLeft = innerWidth - cmdOK->width();
    if (buttonTop >= 0 && buttonLeft >= 0) cmdOK->move(buttonLeft, buttonTop);
    const int listHeight = cmdOK->y() - 2 * List1->y();
    if (listHeight >= 0) List1->resize(List1->width(), listHeight);
}

void frmRecord::SpracheUmstellen() { setWindowTitle(QString::fromStdString(gLanguage->Caption(156))); }

void frmRecord::Speichern()
{
    const std::string path = gCommon->Ordner() + gCommon->Dateiname() + ".rex";
    if (!fileHandler_) fileHandler_ = std::make_unique<clsFileHandler>();
    if (!fileHandler_->OpenFile(path, clsFileHandler::kOutput)) {
        gError->ErrorMsg("clsCommon", "RecordFile_Open", false, gError->ErrorNumber(), gError->ErrorDescription());
        fileHandler_->CloseFile();
        return;
    }
    // Logging goes on as it was: writing the file is no reason to stop recording.
    for (int i = 0; i < List1->count(); ++i) fileHandler_->WriteLine(List1->item(i)->text().toStdString());
    fileHandler_->CloseFile();
}
