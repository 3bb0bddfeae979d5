#include "curves/ui/frmInsert.h"

#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/Titelbreite.h"
#include "core/ui/UiGuard.h"
#include "curves/clsCalc.h"
#include "widgets/fxbutton.h"

#include <QGridLayout>

frmInsert::frmInsert(QWidget* owner)
    : QDialog(owner), optKurve{new fxbutton(this), new fxbutton(this)}, cmdOK(new fxbutton("OK", this)),
      cmdCancel(new fxbutton(this))
{
    setModal(true);
    setWindowTitle(Text(141));
    optKurve[0]->setCaption(Text(142));
    optKurve[1]->setCaption(Text(143));
    cmdCancel->setCaption(Text(92));
    for (fxbutton* option : optKurve) {
        option->setMode(fxbutton::ModeOption);
        option->setFixedSize(220, 25);
    }
    optKurve[0]->setValue(true);
    for (fxbutton* button : {cmdOK, cmdCancel}) {
        button->setButtonStyle(gOptions->ButtonStyle());
        button->setFixedSize(90, 25);
    }
    cmdOK->setDefault(true);
    cmdCancel->setCancel(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(optKurve[0], 0, 0, 1, 2);
    layout->addWidget(optKurve[1], 1, 0, 1, 2);
    layout->addWidget(cmdOK, 2, 0);
    layout->addWidget(cmdCancel, 2, 1);
    connect(cmdOK, &fxbutton::Click, this, &frmInsert::cmdOK_Click);
    connect(cmdCancel, &fxbutton::Click, this, &QDialog::reject);
    Titelbreite_Halten(*this);
}

void frmInsert::cmdOK_Click()
{
    UiGuard("frmInsert", "cmdOK_Click", [this] { gCalc->Punkte_Einfuegen(optKurve[0]->Value()); });
    accept();
}
