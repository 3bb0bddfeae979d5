#include "core/ui/frmError.h"

#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/Meldungstext.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/Titelbreite.h"
#include "widgets/fxbutton.h"

#include <QGridLayout>
#include <QLabel>
#include <QStyle>

namespace {
QString FromModel(const std::string& text) { return QString::fromStdString(text); }
}

frmError::frmError(QWidget* owner)
    : QDialog(owner), Label1(new QLabel(this)), Label2(new QLabel(this)), Label3(new QLabel(this)),
      Label4(new QLabel(this)), Label5{new QLabel(this), new QLabel(this)}, Image1(new QLabel(this)),
      cmdOK(new fxbutton("OK", this))
{
    cmdOK->setButtonStyle(gOptions->ButtonStyle());
    cmdOK->setFixedSize(90, 25);
    cmdOK->setDefault(true);
    setModal(true);
    setWindowTitle(Text(126));
    Label1->setText(Text(126) + ": " + QString::number(gError->ErrorNumber()) + "\r\n" +
                    FromModel(gError->ErrorDescription()));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    Image1->setVisible(true);
    Label2->setText(Text(124));
    Label5[0]->setText(FromModel(gError->ErrorModul()));
    Label3->setText(Text(125));
    Label5[1]->setText(FromModel(gError->ErrorFunction()));
    Label4->setText("Callstack:\r\n" + FromModel(gError->GetCallStack(4)));
    Label4->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Descriptions carry file names and texts from outside: never read as markup.
    for (QLabel* label : {Label1, Label2, Label3, Label4, Label5[0], Label5[1]}) label->setTextFormat(Qt::PlainText);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(Label1, 0, 1, 1, 2);
    layout->addWidget(Label2, 1, 1);
    layout->addWidget(Label5[0], 1, 2);
    layout->addWidget(Label3, 2, 1);
    layout->addWidget(Label5[1], 2, 2);
    layout->addWidget(Label4, 3, 0, 1, 3);
    layout->addWidget(cmdOK, 4, 2, Qt::AlignRight);
    // A description that carries a long text from outside scrolls within the screen.
    Meldungstext_Begrenzen(*Label1, *layout);
    connect(cmdOK, &fxbutton::Click, this, &QDialog::accept);
    Titelbreite_Halten(*this);
}
