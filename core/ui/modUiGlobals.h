#pragma once
// The user interface's global objects: the drawing engine, the single windows and the preview windows.
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <string>

class clsGrafik;
class frmMain;
class frmRecord;

extern std::unique_ptr<clsGrafik> gGrafik;
extern QPointer<frmMain> gfrmMain;
extern QPointer<frmRecord> gfrmRecord;
// The open preview windows, keyed by a text made from their time of creation.
extern std::map<std::string, QPointer<QWidget>> colSmall;
