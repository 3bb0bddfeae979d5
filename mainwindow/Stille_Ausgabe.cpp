#include "mainwindow/Stille_Ausgabe.h"

#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/modCommon.h"

Stille_Ausgabe::Stille_Ausgabe(zelo::UiSeam* stellvertreter)
    : fenster_(zelo::Ui()), protokoll_(rt::Object(gCommon).Enable_Record())
{
    gCommon->setEnable_Record(false);
    zelo::SetUi(stellvertreter);
}

Stille_Ausgabe::~Stille_Ausgabe()
{
    zelo::SetUi(&fenster_);
    gCommon->setEnable_Record(protokoll_);
}
