#include "update/ui/frmUpdate.h"

#include "core/clsLanguage.h"
#include "core/modCommon.h"

frmUpdate::frmUpdate(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(QString::fromStdString(gLanguage->Caption(426)));
    resize(400, 200);
}
