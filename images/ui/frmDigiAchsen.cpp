#include "images/ui/frmDigiAchsen.h"

#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "core/ui/Titelbreite.h"
#include "core/ui/UiGuard.h"
#include "images/ui/conBeugung.h"
#include "widgets/fxbutton.h"

#include <QLabel>
#include <QLineEdit>

frmDigiAchsen::frmDigiAchsen(conBeugung* panel, QWidget* owner) : QDialog(owner), panel_(panel)
{
    setWindowTitle(QString::fromStdString(gLanguage->Caption(122)));
    setFixedSize(240, 130);
    Label1 = new QLabel(QString::fromStdString(gLanguage->Caption(123)), this);
    Label1->setGeometry(8, 8, 224, 18);
    auto* label2 = new QLabel("X = ", this);
    label2->setGeometry(8, 34, 30, 22);
    Text1 = new QLineEdit(this);
    Text1->setGeometry(40, 34, 190, 22);
    auto* label3 = new QLabel("Y = ", this);
    label3->setGeometry(8, 62, 30, 22);
    Text2 = new QLineEdit(this);
    Text2->setGeometry(40, 62, 190, 22);
    Command1 = new fxbutton(QString::fromStdString(gLanguage->Caption(92)), this);
    Command1->setGeometry(8, 94, 108, 28);
    Command2 = new fxbutton("OK", this);
    Command2->setGeometry(124, 94, 108, 28);
    for (fxbutton* knopf : {Command1, Command2}) knopf->setButtonStyle(gOptions->ButtonStyle());
    connect(Command1, &fxbutton::Click, this, &QDialog::reject);
    connect(Command2, &fxbutton::Click, this,
            GuardedSlot("frmDigiAchsen", "Command2_Click", [this] { Command2_Click(); }));
    Titelbreite_Halten(*this);
}

void frmDigiAchsen::Command2_Click()
{
    panel_->Achsen_Punkte(StrToSingle(Text1->text().toStdString()), StrToSingle(Text2->text().toStdString()));
    accept();
}
