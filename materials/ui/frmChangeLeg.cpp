#include "materials/ui/frmChangeLeg.h"

#include "core/Runtime.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/Titelbreite.h"
#include "core/ui/UiGuard.h"
#include "materials/clsMFE.h"
#include "materials/modElementDatabase.h"
#include "materials/modLegierung.h"
#include "widgets/fxbutton.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QString NumberText(float value) { return QString::fromStdString(rt::SingleText(value)); }

}

void Komponente_Aendern(QWidget* owner, int32_t Index, QAction* menuEntry)
{
    if (!gMFE || Index < 1 || Index > gMFE->Komponenten()) return;
    frmChangeLeg dialog(owner, menuEntry);
    dialog.Komponente_Index(Index);
    dialog.exec();
}

frmChangeLeg::frmChangeLeg(QWidget* owner, QAction* menuEntry)
    : QDialog(owner), Label1(new QLabel(this)), Label2(new QLabel(this)), Label3(new QLabel(this)),
      Text2(new QLineEdit(this)), Label4(new QLabel(this)), Text3(new QLineEdit(this)), Command2(new fxbutton(this)),
      Command1(new fxbutton("OK", this)), menuEntry_(menuEntry)
{
    setModal(true);
    for (QLabel* label : {Label1, Label2, Label3, Label4}) label->setFont(QFont("Verdana", 8));
    for (fxbutton* button : {Command1, Command2}) {
        button->setButtonStyle(gOptions->ButtonStyle());
        button->setFixedSize(81, 33);
    }
    Text2->setFixedWidth(97);
    Text3->setFixedWidth(97);

    auto* values = new QGridLayout();
    values->addWidget(Label1, 0, 0, 1, 2);
    values->addWidget(Label2, 1, 0, 1, 2);
    values->addWidget(Label3, 2, 0);
    values->addWidget(Text2, 2, 1);
    values->addWidget(Label4, 3, 0);
    values->addWidget(Text3, 3, 1);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(values);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Command1, &fxbutton::Click, this,
            GuardedSlot("frmChangeLeg", "Command1_Click", [this] { Command1_Click(); }));
    connect(Command2, &fxbutton::Click, this, &QDialog::reject);
    SpracheUmstellen();
    Titelbreite_Halten(*this);
}

void frmChangeLeg::SpracheUmstellen()
{
    setWindowTitle(Text(93));
    Command2->setCaption(Text(92));
    Label3->setText(Text(95) + " (g/cm³)");
    Label4->setText(Text(96) + " (e/a)");
}

void frmChangeLeg::Komponente_Index(int32_t Index)
{
    index_ = Index;
    const std::string symbol = gMFE->Komponente_Symbol(Index);
    // An element deleted since the alloy was set has no name any more.
    const auto element = colElemente.Item(symbol);
    Label1->setText(QString::fromStdString(element ? symbol + " - " + element->name() : symbol));
    const std::string prozent = rt::SingleText(gMFE->Komponente_Konzentration(Index)) + " at%";
    Label2->setText(QString::fromStdString(Woerter(gLanguage->Caption(94), prozent)));
    Text2->setText(NumberText(gMFE->Komponente_Dichte(Index)));
    Text3->setText(NumberText(gMFE->Komponente_Valenz(Index)));
}

void frmChangeLeg::Command1_Click()
{
    const std::string symbol = gMFE->Komponente_Symbol(index_);
    const float prozent = gMFE->Komponente_Konzentration(index_);
    gMFE->Komponente(index_, symbol, prozent, StrToSingle(Text2->text().toStdString()),
                     StrToSingle(Text3->text().toStdString()));
    gMFE->Berechne(true);
    if (menuEntry_) menuEntry_->setText(QString::fromStdString(Komponente_Menuetext(index_)));
    accept();
}
