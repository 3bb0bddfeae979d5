#include "core/ui/modUiGlobals.h"

#include "core/ui/frmRecord.h"
#include "graphics/clsGrafik.h"
#include "mainwindow/ui/frmMain.h"

std::unique_ptr<clsGrafik> gGrafik;
QPointer<frmMain> gfrmMain;
QPointer<frmRecord> gfrmRecord;
std::map<std::string, QPointer<QWidget>> colSmall;
