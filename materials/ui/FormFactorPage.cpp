#include "materials/ui/FormFactorPage.h"

#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/UiGuard.h"
#include "materials/clsFMK.h"
#include "materials/modElementDatabase.h"
#include "widgets/fxbutton.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <vector>

FormFactorPage::FormFactorPage(QWidget* parent)
    : QWidget(parent), Label3(new QLabel(this)), lstFMK(new QListWidget(this)), cmdNeuIntern(new fxbutton(this)),
      cmdExport(new fxbutton(this)), cmdFMKDelete(new fxbutton(this))
{
    for (fxbutton* button : {cmdNeuIntern, cmdExport, cmdFMKDelete}) {
        button->setButtonStyle(gOptions->ButtonStyle());
        button->setFixedSize(97, 33);
    }
    cmdExport->setEnabled(false);
    cmdFMKDelete->setEnabled(false);
    lstFMK->setFixedHeight(82);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 8, 4, 0);
    layout->addWidget(Label3, 0, 0, 1, 4);
    layout->addWidget(lstFMK, 1, 0, 1, 4);
    layout->addWidget(cmdNeuIntern, 2, 0);
    layout->addWidget(cmdExport, 2, 1);
    layout->addWidget(cmdFMKDelete, 2, 3);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(3, 1);

    connect(lstFMK, &QListWidget::currentRowChanged, this,
            GuardedSlot("frmDaten", "lstFMK_Click", [this] { lstFMK_Click(); }));
    connect(cmdExport, &fxbutton::Click, this,
            GuardedSlot("frmDaten", "cmdExport_Click", [this] { cmdExport_Click(); }));
    connect(cmdFMKDelete, &fxbutton::Click, this,
            GuardedSlot("frmDaten", "cmdFMKDelete_Click", [this] { cmdFMKDelete_Click(); }));
    SpracheUmstellen();
}

void FormFactorPage::SpracheUmstellen()
{
    cmdNeuIntern->setCaption(Text(328) + " (Intern)");
    cmdExport->setCaption(Text(9));
    cmdFMKDelete->setCaption(Text(327));
    if (!symbol_.empty()) Anzeigen(symbol_);
}

void FormFactorPage::Anzeigen(const std::string& symbol)
{
    symbol_ = symbol;
    lstFMK->clear();
    std::vector<int32_t> tabellen;
    gFMK->Formfaktor_Tabellen(symbol, tabellen);
    for (int32_t index : tabellen) {
        auto* entry = new QListWidgetItem(QString::fromStdString(gFMK->Formfaktor_Information(index)), lstFMK);
        entry->setData(Qt::UserRole, index);
    }
    Label3->setText(Text(103) + " (" + QString::number(lstFMK->count()) + ")");
    lstFMK_Click();
}

int32_t FormFactorPage::GewaehlteTabelle() const
{
    const QListWidgetItem* entry = lstFMK->currentItem();
    return entry ? entry->data(Qt::UserRole).toInt() : 0;
}

void FormFactorPage::lstFMK_Click()
{
    // Tables read from "*.fmk" files are the user's own files: neither exported nor removed here;
    // a table the alloy uses stays while it is in use.
    const int32_t index = GewaehlteTabelle();
    const bool fit = index > 0 && gFMK->Formfaktor_Typ_Daten(index) == DT_Fit;
    cmdExport->setEnabled(fit);
    cmdFMKDelete->setEnabled(fit && !gFMK->FMK_In_Verwendung(index));
}

void FormFactorPage::cmdExport_Click()
{
    const int32_t index = GewaehlteTabelle();
    if (index == 0) return;
    try {
        gFMK->Formfaktor_Export(index);
    } catch (const rt::RuntimeError& e) {
        clsError::ReportByMessage(ModuleKind::Form, "frmDaten", "cmdExport_Click", e);
    }
}

void FormFactorPage::cmdFMKDelete_Click()
{
    const int32_t index = GewaehlteTabelle();
    if (index == 0) return;
    const auto answer = zelo::Ui().MsgBox(gFMK->Formfaktor_Information(index) + "\r\n" + gLanguage->Caption(327) + "?",
                                          zelo::MsgButtons::YesNo, zelo::MsgIcon::Question, clsLoader::kApplicationName);
    if (answer != zelo::MsgResult::Yes) return;
    try {
        gFMK->FMK_Intern_Loeschen(index);
    } catch (const rt::RuntimeError& e) {
        clsError::ReportByMessage(ModuleKind::Form, "frmDaten", "cmdFMKDelete_Click", e);
        return;
    }
    Zelo_Speichern();
    Anzeigen(symbol_);
    emit TabelleGeloescht();
}
