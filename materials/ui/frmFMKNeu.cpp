#include "materials/ui/frmFMKNeu.h"

#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/Titelbreite.h"
#include "core/ui/UiGuard.h"
#include "materials/clsElement.h"
#include "materials/clsFMK.h"
#include "materials/modElementDatabase.h"
#include "widgets/fxbutton.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

constexpr int kC = 10;

}

frmFMKNeu::frmFMKNeu(QWidget* owner, std::shared_ptr<clsElement> element)
    : QDialog(owner), Frame3(new QGroupBox(this)), Image1(new QLabel(Frame3)), Frame1(new QGroupBox(this)),
      lblSymbol(new QLabel(Frame1)), Command2(new fxbutton("Clear", Frame1)), Command1(new fxbutton(this)),
      Command3(new fxbutton("OK", this)), element_(std::move(element))
{
    setAttribute(Qt::WA_DeleteOnClose);
    for (fxbutton* button : {Command1, Command2, Command3}) button->setButtonStyle(gOptions->ButtonStyle());
    Command2->setFixedSize(49, 25);
    Command1->setFixedSize(85, 33);
    Command3->setFixedSize(85, 33);

    Image1->setTextFormat(Qt::RichText);
    Image1->setText("<span style=\"font-size:16pt\"><i>f</i>(<i>s</i>) = &sum;<sub><i>i</i>=1..5</sub> "
                    "<i>a<sub>i</sub></i> &middot; exp(&minus;<i>b<sub>i</sub></i> <i>s</i><sup>2</sup>) + "
                    "<i>c</i></span><br><i>s</i> = sin &theta; / &lambda; [1/&Aring;]");
    Image1->setAlignment(Qt::AlignCenter);
    (new QHBoxLayout(Frame3))->addWidget(Image1);

    auto* parameters = new QGridLayout(Frame1);
    for (int i = 0; i < 5; ++i) {
        for (int column = 0; column < 2; ++column) {
            const int index = 2 * i + column;
            txtParam[index] = new QLineEdit(Frame1);
            parameters->addWidget(new QLabel(QString(column == 0 ? "a" : "b") + QString::number(i + 1), Frame1), i, 2 * column);
            parameters->addWidget(txtParam[index], i, 2 * column + 1);
        }
    }
    txtParam[kC] = new QLineEdit(Frame1);
    parameters->addWidget(new QLabel("c", Frame1), 5, 0);
    parameters->addWidget(txtParam[kC], 5, 1);
    parameters->addWidget(Command2, 5, 3, Qt::AlignLeft);
    optTyp[0] = new QRadioButton(Frame1);
    optTyp[1] = new QRadioButton("X-Ray", Frame1);
    optTyp[0]->setChecked(true);
    parameters->addWidget(optTyp[0], 0, 4);
    parameters->addWidget(optTyp[1], 1, 4);
    lblSymbol->setWordWrap(true);
    parameters->addWidget(lblSymbol, 2, 4, 2, 1);
    if (element_)
        lblSymbol->setText(QString::fromStdString(element_->Symbol() + " - " + element_->name()));

    auto* buttons = new QVBoxLayout();
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command3);
    auto* frames = new QVBoxLayout();
    frames->addWidget(Frame3);
    frames->addWidget(Frame1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(buttons);

    connect(Command1, &fxbutton::Click, this, &QWidget::close);
    connect(Command2, &fxbutton::Click, this, &frmFMKNeu::Command2_Click);
    connect(Command3, &fxbutton::Click, this, GuardedSlot("frmFMKNeu", "Command3_Click", [this] { Command3_Click(); }));
    SpracheUmstellen();
    Titelbreite_Halten(*this);
}

void frmFMKNeu::SpracheUmstellen()
{
    setWindowTitle(Text(127));
    Command1->setCaption(Text(92));
    Frame1->setTitle(Text(128));
    optTyp[0]->setText(Text(129));
}

void frmFMKNeu::Command2_Click()
{
    for (QLineEdit* box : txtParam) box->clear();
}

void frmFMKNeu::Command3_Click()
{
    if (!istNeuerFMK_ || !element_) {
        close();
        return;
    }
    const int32_t kind = optTyp[1]->isChecked() ? FT_Roentgen : FT_Elektronen;
    // An empty box counts as 0; text that is not a number stops with an error of number 0.
    std::array<float, 11> values{};
    for (size_t i = 0; i < values.size(); ++i) {
        values[i] = StrToSingle(txtParam[i]->text().toStdString());
        if (values[i] == Kein_Wert) {
            ShowErrorMessage(0, "", "Command3_Click", ModuleKind::Form, "frmFMKNeu");
            close();
            return;
        }
    }
    std::array<float, 5> a{}, b{};
    for (size_t i = 0; i < 5; ++i) {
        a[i] = values[2 * i];
        b[i] = values[2 * i + 1];
    }
    try {
        gFMK->FMK_Intern_Neu(element_->Symbol(), kind, a, b, values[kC]);
    } catch (const rt::RuntimeError& e) {
        clsError::ReportByMessage(ModuleKind::Form, "frmFMKNeu", "Command3_Click", e);
        close();
        return;
    }
    // Saved at once: a table kept only in memory would be lost when the program ends first.
    Zelo_Speichern();
    emit Angelegt(QString::fromStdString(element_->Symbol()));
    close();
}
