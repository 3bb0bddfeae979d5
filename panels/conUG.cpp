#include "panels/conUG.h"

#include "analysis/clsMath.h"
#include "analysis/clsUntergrund.h"
#include "core/NumberFormat.h"
#include "core/Prozent.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/UiGuard.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "graphics/Vorschau.h"
#include "graphics/clsGrafik.h"
#include "materials/clsFMK.h"
#include "materials/clsMFE.h"
#include "widgets/fxbutton.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kName = "conUG";
constexpr uint32_t RGB(uint32_t r, uint32_t g, uint32_t b) { return r + 256 * g + 65536 * b; }

// A curve as a point at its first value and lines to the others.
template <class X, class Y>
void Kurve(conDisplay& d, int32_t bis, X x, Y y, uint32_t farbe)
{
    for (int32_t i = 1; i <= bis; ++i) {
        if (i == 1)
            d.Zeichne_Punkt(x(i), y(i), farbe);
        else
            d.Zeichne_LinieZu(x(i), y(i), farbe);
    }
}

}

conUG::conUG(QWidget* parent) : QWidget(parent)
{
    List1 = new QListWidget(this);
    List1->setGeometry(4, 4, 100, 100);
    for (int32_t i = 0; i < 4; ++i) {
        cmdUG[i] = new fxbutton(this);
        cmdUG[i]->setGeometry(110, 4 + 26 * i, 100, 24);
    }
    static const std::array<const char*, 4> kMove{"+ 0,05 LN", "- 0,05 LN", "+ 5", "- 5"};
    for (int32_t i = 0; i < 4; ++i) {
        cmdMove[i] = new fxbutton(kMove[i], this);
        cmdMove[i]->setGeometry(216, 4 + 26 * i, 80, 24);
    }
    chkNf = new QCheckBox(this);
    for (auto& chk : chkFMK) chk = new QCheckBox(this);
    chkOhneUG = new QCheckBox(this);
    chkDiff = new QCheckBox(this);
    chkDiff2 = new QCheckBox(this);
    const std::array<QCheckBox*, 7> kaesten{chkNf, chkFMK[0], chkFMK[1], chkFMK[2], chkOhneUG, chkDiff, chkDiff2};
    for (size_t i = 0; i < kaesten.size(); ++i) {
        kaesten[i]->setGeometry(304 + 180 * static_cast<int32_t>(i / 4), 2 + 20 * static_cast<int32_t>(i % 4), 176, 20);
        connect(kaesten[i], &QCheckBox::toggled, this, GuardedSlot(kName, "chk_Click", [this] {
                    nfGemeldet_ = false;
                    fmkGemeldet_ = {};
                    Aktualisieren();
                }));
    }
    cmdUG[4] = new fxbutton(this);
    cmdUG[4]->setGeometry(304, 84, 356, 24);
    Label1 = new QLabel(this);
    Label1->resize(150, 36);
    for (int32_t i = 0; i < static_cast<int32_t>(cmdUG.size()); ++i)
        connect(cmdUG[i], &fxbutton::Click, this, GuardedSlot(kName, "cmdUG_Click", [this, i] { cmdUG_Click(i); }));
    for (int32_t i = 0; i < static_cast<int32_t>(cmdMove.size()); ++i)
        connect(cmdMove[i], &fxbutton::Click, this,
                GuardedSlot(kName, "cmdMove_Click", [this, i] { cmdMove_Click(i); }));
    // Replacing needs a chosen set.
    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) { cmdUG[0]->setEnabled(row >= 0); });
    cmdUG[0]->setEnabled(false);
    SpracheUmstellen();
    StyleUmstellen();
    PanelPlatz<UntergrundPanel>::Set(this);
}

conUG::~conUG()
{
    if (&PanelPlatz<UntergrundPanel>::Get() == this) PanelPlatz<UntergrundPanel>::Set(nullptr);
}

void conUG::resizeEvent(QResizeEvent* /*event*/)
{
    const int32_t hoehe = height() - 2 * List1->y();
    if (hoehe >= 0) List1->resize(List1->width(), hoehe);
    const int32_t links = width() - Label1->width() - Label1->y();
    if (links >= 0) Label1->move(links, Label1->y());
}

bool conUG::Diff_Anzeigen() const { return chkDiff->isChecked(); }
bool conUG::Diff2_Anzeigen() const { return chkDiff2->isChecked(); }
bool conUG::OhneUG_Anzeigen() const { return chkOhneUG->isChecked(); }

void conUG::Init()
{
    UiGuard(kName, "Init", [&] {
        speicher_.Leeren();
        List1_Fuellen();
        if (conDisplay* d = gGrafik ? gGrafik->Display(0) : nullptr) d->Display_Background();
        gMath = std::make_unique<clsMath>();
        SpracheUmstellen();
        StyleUmstellen();
    });
}

void conUG::SpracheUmstellen()
{
    // The project's own support points come first, beside it in its folder.
    ugDatei_ = gCommon ? Erste_UG_Datei(gCommon->Dateiname_NurOrdner(), gCommon->Dateiname()) : "";
    cmdUG[4]->setCaption(ugDatei_.empty() ? QString()
                                          : Text(290) + " [..." + QDir::separator() + QString::fromStdString(ugDatei_) + "]");
    cmdUG[4]->setEnabled(!ugDatei_.empty());
    for (int32_t i = 0; i < 4; ++i) cmdUG[i]->setCaption(Text(289 + i));
    chkDiff->setText(Text(293) + " (magenta)");
    chkDiff2->setText(Text(294) + " (cyan)");
    chkOhneUG->setText(Text(425));
    chkFMK[0]->setText("< f ² > " + Text(432));
    chkFMK[1]->setText("< f >²  " + Text(432));
    chkFMK[2]->setText("< fmk > " + Text(432));
    chkNf->setText("N(theo) * f ² " + Text(432));
}

void conUG::StyleUmstellen()
{
    for (int32_t i = 0; i < 4; ++i) cmdUG[i]->setButtonStyle(gOptions->ButtonStyle());
}

void conUG::UG_SS_Speichern()
{
    UiGuard(kName, "UG_SS_Speichern", [&] {
        speicher_.Speichern(*gUntergrund);
        List1_Fuellen();
    });
}

void conUG::List1_Fuellen()
{
    List1->clear();
    for (const std::string& zeile : speicher_.Zeilen()) List1->addItem(QString::fromStdString(zeile));
    cmdUG[0]->setEnabled(List1->currentRow() >= 0);
}

void conUG::cmdUG_Click(int32_t index)
{
    clsCalc& calc = *gCalc;
    switch (index) {
    case 0: Ersetzen(); return;
    case 1: {
        const std::string pfad = gCommon->ShowOpenUntergrund();
        if (pfad.empty()) return;
        gUntergrund->Untergrund_Einlesen(pfad);
        break;
    }
    case 2: {
        std::vector<float> x(static_cast<size_t>(calc.Punkte()));
        std::vector<float> y(x.size());
        for (int32_t i = 1; i <= calc.Punkte(); ++i) {
            x[static_cast<size_t>(i - 1)] = calc.x(i);
            y[static_cast<size_t>(i - 1)] = calc.Y(i);
        }
        Punkte_Setzen(Stuetzstellen_Vorschlagen(x, y, calc.Schrittweite()));
        break;
    }
    case 3: Punkte_Setzen(Null_Untergrund(calc.Punkte() >= 1 ? calc.x(calc.Punkte()) : 0.0f)); break;
    case 4:
        if (ugDatei_.empty()) return;
        gUntergrund->Untergrund_Einlesen(gCommon->Dateiname_NurOrdner() + ugDatei_);
        break;
    default: return;
    }
    Aktualisieren();
}

void conUG::Punkte_Setzen(const std::vector<Stuetzstelle>& punkte)
{
    gUntergrund->Clear();
    for (const Stuetzstelle& p : punkte) gUntergrund->Plus_Punkt(p.x, p.y);
}

void conUG::Ersetzen()
{
    // Without a chosen set there is nothing to put back; the points stay.
    const int32_t k = List1->currentRow() + 1;
    if (k < 1 || k > speicher_.Anzahl()) return;
    const std::string frage = "Aktuellen Untergrund mit Untergrund Nr. " + std::to_string(k) + " ersetzen?";
    if (zelo::Ui().MsgBox(frage, zelo::MsgButtons::YesNo, zelo::MsgIcon::Question, "ZELO - Untergrund") !=
        zelo::MsgResult::Yes)
        return;
    speicher_.Zurueckholen(k, *gUntergrund);
    Aktualisieren();
}

void conUG::cmdMove_Click(int32_t index)
{
    switch (index) {
    case 0: gUntergrund->Add_Ln(0.05f); break;
    case 1: gUntergrund->Add_Ln(-0.05f); break;
    case 2: gUntergrund->Add_Norm(5.0f); break;
    case 3: gUntergrund->Add_Norm(-5.0f); break;
    default: return;
    }
    Aktualisieren();
}

void conUG::Aktualisieren()
{
    UiGuard(kName, "Aktualisieren", [&] {
        const clsUntergrund& ug = *gUntergrund;
        const float glattheit = ug.Glattheit();
        const std::string text = Prozent_Sinnvoll(glattheit, 0.0) ? FixedText(glattheit, 1) + " %" : "n/a";
        Label1->setText(QString::fromStdString(std::to_string(ug.Anzahl()) + " Stützstellen\r\nGlattheit: " + text));
        if (conDisplay* d = gGrafik ? gGrafik->Display(0) : nullptr) Zeichnen(*d);
    });
}

template <class F>
void conUG::Formfaktor_Zeichnen(conDisplay& d, F f, float teiler, uint32_t farbe, bool& gemeldet)
{
    const clsCalc& calc = *gCalc;
    const double a = static_cast<double>(calc.Maximum_Y()) / f(1);
    if (f(1) == 0.0f || teiler == 0.0f || !std::isfinite(a)) {
        if (!gemeldet)
            gError->ErrorMsg(kName, "Aktualisieren", false, rt::errDivisionByZero,
                             rt::ErrorDescription(rt::errDivisionByZero));
        gemeldet = true;
        return;
    }
    Kurve(
        d, calc.Punkte(), [&](int32_t i) { return calc.x(i); },
        [&](int32_t i) { return static_cast<float>(f(i) * a / teiler); }, farbe);
}

void conUG::Zeichnen(conDisplay& d)
{
    const clsUntergrund& ug = *gUntergrund;
    const clsCalc& calc = *gCalc;
    const clsFMK& fmk = *gFMK;
    d.Display_CLS();
    // The density divides only the first curve; the others are merely scaled.
    if (chkNf->isChecked())
        Formfaktor_Zeichnen(d, [&](int32_t i) { return fmk.fm2_Y(i); }, gMFE->Dichte_Theoretisch(), RGB(0, 0, 255),
                            nfGemeldet_);
    if (chkFMK[0]->isChecked())
        Formfaktor_Zeichnen(d, [&](int32_t i) { return fmk.f2m_Y(i); }, 1.0f, RGB(180, 120, 0), fmkGemeldet_[0]);
    if (chkFMK[1]->isChecked())
        Formfaktor_Zeichnen(d, [&](int32_t i) { return fmk.fm2_Y(i); }, 1.0f, RGB(107, 120, 170), fmkGemeldet_[1]);
    if (chkFMK[2]->isChecked())
        Formfaktor_Zeichnen(d, [&](int32_t i) { return fmk.fmk_Y(i); }, 1.0f, RGB(50, 120, 250), fmkGemeldet_[2]);
    if (ug.Anzahl_Fit() >= 1 && ug.Fit_OK()) {
        ShowWindowPreview();
        auto ugX = [&](int32_t i) { return ug.x(i); };
        Kurve(d, ug.Anzahl_Fit(), ugX, [&](int32_t i) { return ug.Y(i); }, RGB(255, 0, 0));
        // The fit runs a few points past the spectrum; J(K) has no value there.
        if (chkOhneUG->isChecked())
            Kurve(d, std::min(ug.Anzahl_Fit(), calc.Punkte()), ugX, [&](int32_t i) { return calc.Y(i) - ug.Y(i); },
                  RGB(0, 255, 0));
        if (chkDiff->isChecked() || chkDiff2->isChecked()) {
            if (!gMath) gMath = std::make_unique<clsMath>();
            clsMath& math = *gMath;
            math.CopyArrayFromCurve(16);
            math.Ableitungen_Berechnen(false, false);
            auto mx = [&](int32_t i) { return math.x(i); };
            if (chkDiff->isChecked())
                Kurve(d, math.Punkte(), mx, [&](int32_t i) { return math.Y_Ableitung_1(i); }, RGB(255, 0, 255));
            if (chkDiff2->isChecked())
                Kurve(d, math.Punkte(), mx, [&](int32_t i) { return math.Y_Ableitung_2(i); }, RGB(0, 255, 255));
        }
    }
    for (int32_t i = 1; i <= ug.Anzahl(); ++i) d.Zeichne_Kreis(ug.UX(i), ug.UY(i), RGB(255, 0, 0), 4);
}
