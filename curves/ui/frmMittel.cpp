#include "curves/ui/frmMittel.h"

#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/Titelbreite.h"
#include "core/ui/UiGuard.h"
#include "curves/clsCalc.h"
#include "widgets/fxbutton.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

frmMittel::frmMittel(QWidget* owner)
    : QDialog(owner),
      optKurve{new fxbutton(this), new fxbutton(this), new fxbutton(this)},
      cmdOK(new fxbutton("OK", this))
{
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    for (int16_t k = 0; k < 3; ++k) {
        fxbutton* option = optKurve[k];
        option->setMode(fxbutton::ModeOption);
        option->setFixedSize(220, 25);
        layout->addWidget(option);
        connect(option, &fxbutton::Click, this, [this, k] { seite_ = k; });
    }
    optKurve[2]->setValue(true);
    cmdOK->setFixedSize(90, 25);
    cmdOK->setDefault(true);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(cmdOK, &fxbutton::Click, this, &frmMittel::cmdOK_Click);

    // Without the settings or the texts the window still works, in its default look and unlabelled.
    if (gOptions) cmdOK->setButtonStyle(gOptions->ButtonStyle());
    if (gLanguage) {
        setWindowTitle(QString::fromStdString(gLanguage->Caption(144)));
        for (int32_t k = 0; k < 3; ++k) optKurve[k]->setCaption(QString::fromStdString(gLanguage->Caption(145 + k)));
    }
    Titelbreite_Halten(*this);
}

void frmMittel::cmdOK_Click()
{
    const bool ersetzt = UiGuard("frmMittel", "cmdOK_Click", [this] { return gCalc && gCalc->Mitteln(seite_); });
    done(ersetzt ? Accepted : Rejected);
}
