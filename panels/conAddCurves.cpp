#include "panels/conAddCurves.h"

#include "core/Dateiart.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/UiGuard.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "curves/clsInput.h"
#include "graphics/Zeichenhilfen.h"
#include "graphics/clsGrafik.h"
#include "graphics/conDisplay.h"
#include "panels/PanelZahlen.h"
#include "widgets/fxbutton.h"

#include <QLabel>
#include <QListWidget>
#include <QScrollBar>

namespace {

constexpr const char* kName = "conAddCurves";
// The files the averaging reads: measured spectra and spectra averaged before.
constexpr const char* kSpektren = "*.dat;*.elb";

QString Position(int32_t wert) { return "Position: " + QString::fromStdString(Lokale_Zahl(wert / 10.0f)); }

// The project's x factor puts a spectrum's own x on the working curve's axis.
bool Faktor_Gesetzt() { return gOptions && gOptions->Faktor_X() != 0.0f; }

}

conAddCurves::conAddCurves(QWidget* parent) : QWidget(parent)
{
    // The panel may lie over another one in the same frame.
    setAutoFillBackground(true);
    cmdPlusMinus[0] = new fxbutton("+", this);
    cmdPlusMinus[0]->setGeometry(0, 0, 30, 24);
    cmdPlusMinus[1] = new fxbutton("-", this);
    cmdPlusMinus[1]->setGeometry(34, 0, 30, 24);
    cmdPlusMinus[1]->setEnabled(false);
    cmdMitteln = new fxbutton(this);
    cmdMitteln->setGeometry(0, 86, 130, 28);
    List1 = new QListWidget(this);
    List1->setGeometry(140, 0, 420, 114);
    Label1 = new QLabel(Position(0), this);
    Label1->setGeometry(570, 0, 200, 20);
    scrXStart = new QScrollBar(Qt::Horizontal, this);
    scrXStart->setGeometry(570, 24, 300, 18);
    lblHinweis = new QLabel(this);
    lblHinweis->setGeometry(570, 50, 300, 60);
    lblHinweis->setWordWrap(true);
    lblHinweis->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(cmdPlusMinus[0], &fxbutton::Click, this, GuardedSlot(kName, "cmdPlusMinus_Click", [this] { cmdPlus_Click(); }));
    connect(cmdPlusMinus[1], &fxbutton::Click, this, GuardedSlot(kName, "cmdPlusMinus_Click", [this] { cmdMinus_Click(); }));
    connect(cmdMitteln, &fxbutton::Click, this, GuardedSlot(kName, "cmdMitteln_Click", [this] { cmdMitteln_Click(); }));
    connect(List1, &QListWidget::itemSelectionChanged, this, GuardedSlot(kName, "List1_Click", [this] { List1_Click(); }));
    connect(scrXStart, &QScrollBar::valueChanged, this,
            [this](int wert) { UiGuard(kName, "scrXStart_Change", [&] { scrXStart_Change(wert); }); });
}

void conAddCurves::StyleUmstellen()
{
    for (fxbutton* knopf : {cmdPlusMinus[0], cmdPlusMinus[1], cmdMitteln}) knopf->setButtonStyle(gOptions->ButtonStyle());
}

void conAddCurves::SpracheUmstellen()
{
    cmdMitteln->setCaption(QString::fromStdString(gLanguage->Caption(366)));
    // The text table has no entry for this.
    const bool deutsch = gLanguage->Offset() == 0;
    lblHinweis->setText(Faktor_Gesetzt() ? QString()
                        : deutsch       ? "Ohne x-Faktor der Projekteinstellungen lassen sich keine Spektren "
                                          "hinzufügen."
                                        : "Spectra cannot be added without the x factor of the project settings.");
}

void conAddCurves::Init()
{
    StyleUmstellen();
    SpracheUmstellen();
    spektren_.Leeren();
    List1->clear();
    Auswahl_Aufheben();
    const clsCalc& calc = rt::Object(gCalc);
    const QSignalBlocker still(scrXStart);
    scrXStart->setRange(rt::CLng(calc.Minimum_X() * 20.0), rt::CLng(calc.Maximum_X() * 20.0));
    scrXStart->setValue(0);
    Label1->setText(Position(scrXStart->value()));
    cmdPlusMinus[0]->setEnabled(Faktor_Gesetzt());
}

void conAddCurves::cmdPlus_Click()
{
    const clsCommon& common = rt::Object(gCommon);
    // A plain file dialog: the chosen spectrum must not become the project's file. It offers the
    // spectra the averaging reads; a measured spectrum may also carry another extension.
    const std::string pfad = zelo::Ui().OpenFileDialog(
        gLanguage->Caption(222),
        {{gLanguage->Caption(225) + " PHDS (" + kSpektren + ")", kSpektren},
         {gLanguage->Caption(232) + " (*.*)", "*.*"}},
        common.Dateiname_NurOrdner());
    if (pfad.empty()) return;
    const auto ergebnis = spektren_.Hinzufuegen(pfad);
    if (ergebnis == clsSpektrenMittel::Hinzufuegen_Ergebnis::Nicht_Lesbar) {
        // The message names the file first; the file handler's refusal of a folder, device or pipe
        // would name it again inside the reason.
        const std::string grund = Dateiart_Von(pfad) == Dateiart::Andere ? gLanguage->Caption(676) : gError->ErrorDescription();
        zelo::Ui().MsgBox(pfad + ":\r\n" + gLanguage->Caption(640) + " (" + grund + ").\r\n" +
                              gLanguage->Caption(641),
                          zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, gLanguage->Caption(366));
        return;
    }
    if (ergebnis != clsSpektrenMittel::Hinzufuegen_Ergebnis::Hinzugefuegt) return;
    // The only spectrum needs no choosing: the scroll bar moves it from where it lies.
    if (spektren_.Anzahl() == 1) Zeigen_Ohne_Verschieben(1);
    Zeichnen();
}

void conAddCurves::Zeigen_Ohne_Verschieben(int32_t kurve)
{
    kurveIndex_ = kurve;
    cmdPlusMinus[1]->setEnabled(true);
    const QSignalBlocker still(scrXStart);
    scrXStart->setValue(rt::CLng(10.0 * spektren_.Spektrum(kurve).X_Start()));
    Label1->setText(Position(scrXStart->value()));
}

void conAddCurves::cmdMinus_Click()
{
    if (const QListWidgetItem* zeile = List1->currentItem(); zeile && zeile->isSelected())
        spektren_.Entfernen(zeile->text().toStdString());
    Auswahl_Aufheben();
    Zeichnen();
}

void conAddCurves::Auswahl_Aufheben()
{
    kurveIndex_ = 0;
    const QSignalBlocker still(List1);
    List1->clearSelection();
    List1->setCurrentRow(-1);
    cmdPlusMinus[1]->setEnabled(false);
}

void conAddCurves::List1_Click()
{
    const int32_t zeile = List1->selectedItems().isEmpty() ? -1 : List1->currentRow();
    cmdPlusMinus[1]->setEnabled(zeile >= 0);
    if (zeile < 0) return;
    kurveIndex_ = zeile + 1;
    scrXStart->setValue(rt::CLng(10.0 * spektren_.Spektrum(kurveIndex_).X_Start()));
    Label1->setText(Position(scrXStart->value()));
}

void conAddCurves::scrXStart_Change(int32_t wert)
{
    Label1->setText(Position(wert));
    if (kurveIndex_ == 0) return;
    spektren_.Spektrum(kurveIndex_).setX_Start(static_cast<float>(wert / 10.0));
    Zeichnen();
}

void conAddCurves::Zeichnen()
{
    try {
        {
            const QSignalBlocker still(List1);
            List1->clear();
            for (int32_t s = 1; s <= spektren_.Anzahl(); ++s)
                List1->addItem(QString::fromStdString(spektren_.Spektrum(s).Dateiname()));
            // The spectrum the scroll bar moves stays marked.
            if (kurveIndex_ > 0) List1->setCurrentRow(kurveIndex_ - 1);
        }
        conDisplay* display = gGrafik ? gGrafik->Display(0) : nullptr;
        if (!display) return;
        display->Display_Loeschen();
        gGrafik->Zeichne_Kurve(KT_JK);
        const int32_t punkte = rt::Object(gCalc).Punkte();
        for (int32_t s = 1; s <= spektren_.Anzahl(); ++s) {
            const clsInput& spektrum = spektren_.Spektrum(s);
            display->Zeichne_Punkt(spektrum.X_Start(), spektrum.Y(1), farbe::Rot);
            for (int32_t i = 2; i <= spektrum.Punkte() && i <= punkte; ++i)
                display->Zeichne_LinieZu(clsSpektrenMittel::X(spektrum, i), spektrum.Y(i), farbe::Rot);
        }
    } catch (const rt::RuntimeError& e) {
        ShowErrorMessage(e.Number(), e.Description(), "Zeichnen", ModuleKind::UserControl, kName);
    }
}

void conAddCurves::cmdMitteln_Click()
{
    spektren_.Mitteln();
    if (gGrafik) gGrafik->Zeichne_Kurve(KT_JK);
    List1->clear();
    Auswahl_Aufheben();
    hide();
}
