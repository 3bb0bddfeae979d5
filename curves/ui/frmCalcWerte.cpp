#include "curves/ui/frmCalcWerte.h"

#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "core/KurvenTyp.h"
#include "core/UiSeam.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/Titelbreite.h"
#include "core/ui/UiGuard.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "graphics/clsGrafik.h"
#include "widgets/fxbutton.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

frmCalcWerte::frmCalcWerte(QWidget* owner)
    : QDialog(owner), Label1(new QLabel("Y = ", this)), Text1(new QLineEdit(this)),
      Option1{new fxbutton(this), new fxbutton(this)}, Command1(new fxbutton("OK", this)),
      Command2(new fxbutton(this))
{
    setModal(true);
    setWindowTitle(Text(89));
    Option1[0]->setCaption(Text(90));
    Option1[1]->setCaption(Text(91));
    Command2->setCaption(Text(92));
    for (fxbutton* option : Option1) {
        option->setMode(fxbutton::ModeOption);
        option->setFixedSize(180, 25);
    }
    Option1[0]->setValue(true);
    for (fxbutton* button : {Command1, Command2}) {
        button->setButtonStyle(gOptions->ButtonStyle());
        button->setFixedSize(90, 25);
    }
    Command1->setDefault(true);
    Command2->setCancel(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0);
    layout->addWidget(Text1, 0, 1, 1, 2);
    layout->addWidget(Option1[0], 1, 1, 1, 2);
    layout->addWidget(Option1[1], 2, 1, 1, 2);
    layout->addWidget(Command1, 3, 1);
    layout->addWidget(Command2, 3, 2);
    connect(Command1, &fxbutton::Click, this, &frmCalcWerte::Command1_Click);
    connect(Command2, &fxbutton::Click, this, &QDialog::reject);
    Titelbreite_Halten(*this);
}

void frmCalcWerte::Zeigen(QWidget* owner)
{
    frmCalcWerte dialog(owner);
    dialog.exec();
    zelo::Ui().Redraw(true);
}

// The formula goes to the object that owns the curve drawn last; other kinds change nothing.
void frmCalcWerte::Command1_Click()
{
    UiGuard("frmCalcWerte", "Command1_Click", [this] {
        switch (gGrafik ? gGrafik->LetzteKurve() : KT_Keine) {
        case KT_JK:
        case KT_JK_Bearbeitet:
        case KT_JK_Gemittelt:
        case KT_Fit: gCalc->WerteUmrechnen(Text1->text().toStdString(), Option1[0]->Value()); break;
        case KT_IK:
        case KT_IK_Wichtung: gIK->WerteUmrechnen(Text1->text().toStdString()); break;
        case KT_GR:
        case KT_RDF: gGR->WerteUmrechnen(Text1->text().toStdString()); break;
        default: break;
        }
    });
    accept();
}
