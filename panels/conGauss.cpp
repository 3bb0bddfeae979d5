#include "panels/conGauss.h"

#include "analysis/Peakabstaende.h"
#include "analysis/clsGauss.h"
#include "analysis/clsMath.h"
#include "core/KurvenTyp.h"
#include "core/NumberFormat.h"
#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/UiGuard.h"
#include "core/ui/modUiGlobals.h"
#include "graphics/Zeichenhilfen.h"
#include "graphics/clsGrafik.h"
#include "graphics/conDisplay.h"
#include "panels/Formelzeichen.h"
#include "panels/Peakbeschriftung.h"
#include "widgets/fxbutton.h"

#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>

#include <vector>

namespace {

constexpr const char* kName = "conGauss";
constexpr float kChiIK = 1E+7f;
constexpr float kChiGR = 1E+11f;
constexpr int32_t kStartBreite = 5;
constexpr int32_t kStartHoehe = 99;
constexpr uint32_t kCyan = 0xFFFF00;
constexpr uint32_t kGrau = 0x808080;

QScrollBar* Schieber(QWidget* eltern, int32_t x, int32_t y, int32_t breite, int32_t von, int32_t bis, int32_t wert)
{
    auto* schieber = new QScrollBar(Qt::Horizontal, eltern);
    schieber->setGeometry(x, y, breite, 16);
    schieber->setRange(von, bis);
    schieber->setValue(wert);
    return schieber;
}

QCheckBox* Kasten(QWidget* eltern, int32_t x, int32_t y, int32_t breite, bool an)
{
    auto* kasten = new QCheckBox(eltern);
    kasten->setGeometry(x, y, breite, 20);
    kasten->setChecked(an);
    return kasten;
}

QLabel* Beschriftung(QWidget* eltern, int32_t x, int32_t y, int32_t breite, const QString& text = {})
{
    auto* label = new QLabel(text, eltern);
    label->setGeometry(x, y, breite, 20);
    return label;
}

conDisplay* Diagramm() { return gGrafik ? gGrafik->Display(0) : nullptr; }

}

conGauss::conGauss(QWidget* parent) : QWidget(parent)
{
    Label2 = Beschriftung(this, 0, 0, 90, "Peakhöhe (%):");
    scrPeakhoehe = Schieber(this, 92, 2, 108, 1, 100, kStartHoehe);
    Label1 = Beschriftung(this, 0, 22, 90, "Peakbreite:");
    scrPeakbreite = Schieber(this, 92, 24, 108, 1, 20, kStartBreite);
    chkExtSearch = Kasten(this, 0, 44, 200, false);
    Label3 = Beschriftung(this, 0, 68, 200);
    Label3->setVisible(false);
    for (int32_t i = 0; i < 2; ++i) {
        cmdChi[i] = new fxbutton(i == 0 ? "+" : "-", this);
        cmdChi[i]->setGeometry(i * 32, 90, 28, 24);
        cmdChi[i]->setVisible(false);
    }
    for (int32_t i = 0; i < 4; ++i) chkZeige[i] = Kasten(this, 202, 4 + 24 * i, 226, true);
    chkZeige[3]->setText("Peaks");
    for (int32_t i = 0; i < 2; ++i) {
        chkAbleitung[i] = Kasten(this, 430, 2 + 40 * i, 222, false);
        scrScale[i] = Schieber(this, 450, 23 + 40 * i, 160, 0, 100, 10);
    }
    lblGaussInfo = Beschriftung(this, 430, 82, 226);
    lblGaussInfo->resize(226, 37);
    lblGaussInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblGaussInfo->setWordWrap(true);
    pic = new Formelzeichen(this);
    pic->setGeometry(660, 0, 36, 84);
    for (int32_t i = 0; i < 3; ++i) lblInfo[i] = Beschriftung(this, 698, 2 + 26 * i, 178);

    connect(chkExtSearch, &QCheckBox::clicked, this, GuardedSlot(kName, "chkExtSearch_Click", [this] { chkExtSearch_Click(); }));
    for (int32_t i = 0; i < 2; ++i)
        connect(cmdChi[i], &fxbutton::Click, this, GuardedSlot(kName, "cmdChi_Click", [this, i] { cmdChi_Click(i); }));
    const auto neu_zeichnen = GuardedSlot(kName, "Zeichne_Gausskurve", [this] { Zeichne_Gausskurve(); });
    for (QCheckBox* kasten : chkZeige) connect(kasten, &QCheckBox::clicked, this, neu_zeichnen);
    for (QCheckBox* kasten : chkAbleitung) connect(kasten, &QCheckBox::clicked, this, neu_zeichnen);
    for (QScrollBar* schieber : scrScale) connect(schieber, &QScrollBar::valueChanged, this, neu_zeichnen);
    connect(scrPeakbreite, &QScrollBar::valueChanged, this, [this](int wert) {
        peakbreite_ = wert;
        UiGuard(kName, "scrPeakbreite_Change", [this] { Suchen_Und_Zeigen(); });
    });
    connect(scrPeakhoehe, &QScrollBar::valueChanged, this, [this](int wert) {
        peakhoehe_ = static_cast<float>(wert) / 100.0f;
        UiGuard(kName, "scrPeakhoehe_Change", [this] { Suchen_Und_Zeigen(); });
    });
    StyleUmstellen();
    SpracheUmstellen();
    PanelPlatz<GaussPanel>::Set(this);
}

conGauss::~conGauss()
{
    if (&PanelPlatz<GaussPanel>::Get() == this) PanelPlatz<GaussPanel>::Set(nullptr);
}

void conGauss::StyleUmstellen()
{
    for (fxbutton* knopf : cmdChi) knopf->setButtonStyle(gOptions->ButtonStyle());
}

void conGauss::SpracheUmstellen()
{
    chkExtSearch->setText(Text(139));
    for (int32_t i = 0; i < 3; ++i) chkZeige[i]->setText(Text(133 + i));
    chkAbleitung[0]->setText(Text(293) + " (magenta)");
    chkAbleitung[1]->setText(Text(294) + " (cyan)");
    Label3->setText(Text(418));
    // The count of the peaks shown, once there is one.
    if (!lblGaussInfo->text().isEmpty() && gGauss) Info_Zeigen();
}

void conGauss::Init()
{
    gMath = std::make_unique<clsMath>();
    peakbreite_ = kStartBreite;
    peakhoehe_ = static_cast<float>(kStartHoehe) / 100.0f;
    {
        // The bars show the starting values without a search of their own.
        const QSignalBlocker breite(scrPeakbreite), hoehe(scrPeakhoehe);
        scrPeakbreite->setValue(kStartBreite);
        scrPeakhoehe->setValue(kStartHoehe);
    }
    conDisplay* d = Diagramm();
    if (d) d->Display_Loeschen();
    clsGrafik& grafik = rt::Object(gGrafik);
    clsGauss& gauss = rt::Object(gGauss);
    const bool gr = grafik.LetzteKurve() == KT_GR || grafik.LetzteKurve() == KT_GR_Erste;
    const bool kopiert = gMath->CopyArrayFromCurve(gr ? KT_GR : KT_IK);
    // The range covers the curve less its baseline, which the view draws.
    if (kopiert) gMath->Baseline_Berechnen();
    gauss.setKurve(gr ? KT_GR : KT_IK);
    chi_ = gr ? kChiGR : kChiIK;
    grafik.setLetzteKurve(gr ? KT_GR_Peaks : KT_IK_Peaks);
    if (kopiert && d) {
        d->Skalieren(gMath->x(gMath->Punkte()), 0, gMath->Maximum_Y(), gMath->Minimum_Y(), gMath->Kurve());
        d->Zeichne_Achsen();
        d->Display_Background();
    }
    chiChanged_ = true;
    Neu_Berechnen();
}

void conGauss::cmdChi_Click(int32_t index)
{
    chi_ = index == 0 ? chi_ * 2.0f : chi_ / 2.0f;
    chiChanged_ = true;
    Label3->setText("Fitqualität: Chi = " + QString::fromStdString(rt::SingleText(chi_)));
    Neu_Berechnen();
}

void conGauss::chkExtSearch_Click()
{
    const bool erweitert = chkExtSearch->isChecked();
    Label3->setVisible(erweitert);
    for (fxbutton* knopf : cmdChi) knopf->setVisible(erweitert);
    scrPeakbreite->setVisible(true);
    Neu_Berechnen();
}

void conGauss::Neu_Berechnen()
{
    clsMath& math = rt::Object(gMath);
    math.Glaetten(chi_);
    math.Baseline_Berechnen();
    math.Ableitungen_Berechnen(false, chiChanged_);
    Suchen_Und_Zeigen();
}

void conGauss::Suchen_Und_Zeigen()
{
    if (!gMath) return;
    Peaks_Suchen();
    Zeichne_Gausskurve();
    Zeige_Abstaende();
    Info_Zeigen();
}

void conGauss::Peaks_Suchen()
{
    lblGaussInfo->setText(Text(417));
    lblGaussInfo->repaint();
    // The search alone leaves every width 0 and so every Gauss curve flat: the estimate measures
    // the peaks it found.
    rt::Object(gMath).Peaks_Schaetzen(peakbreite_, peakhoehe_, chkExtSearch->isChecked());
}

void conGauss::Info_Zeigen()
{
    const clsGauss& gauss = rt::Object(gGauss);
    lblGaussInfo->setText(QString::number(gauss.Anzahl()) + " " + Text(137) + " (" + QString::number(gauss.Schultern()) +
                          " " + Text(138) + ")");
    lblGaussInfo->repaint();
}

void conGauss::Zeichne_Gausskurve()
{
    conDisplay* d = Diagramm();
    if (!d || !gMath) return;
    d->Display_CLS();
    const clsMath& math = *gMath;
    const clsGauss& gauss = rt::Object(gGauss);
    const int32_t n = math.Punkte();
    if (n < 1) {
        gError->ErrorMsg(kName, "Zeichne_Gausskurve", false, 90000, "Punkte = 0");
        return;
    }
    std::vector<float> summe(static_cast<size_t>(n) + 1, 0.0f);
    if (chkZeige[1]->isChecked()) {
        for (int32_t j = 1; j <= gauss.Anzahl(); ++j) {
            for (int32_t i = 1; i <= n; ++i) {
                const float y = gauss.Y_Gauss(math.x(i), j);
                summe[static_cast<size_t>(i)] += y;
                d->Zeichne_Kreis(math.x(i), y, farbe::Gruen, 1);
            }
        }
    }
    // Without the single curves the sum is never formed and lies on the zero line.
    if (chkZeige[2]->isChecked())
        for (int32_t i = 1; i <= n; ++i) d->Zeichne_Kreis(math.x(i), summe[static_cast<size_t>(i)], farbe::Rot, 1);
    if (chkZeige[0]->isChecked())
        Linienzug(*d, farbe::Schwarz, 1, n, [&](int32_t i) { return math.x(i); }, [&](int32_t i) { return math.Y_ohne_Baseline(i); });
    if (chkZeige[3]->isChecked()) Zeichne_Peakmarken();
    Zeichne_Ableitungen();
}

void conGauss::Zeichne_Peakmarken()
{
    conDisplay& d = *Diagramm();
    const clsMath& math = *gMath;
    const clsGauss& gauss = rt::Object(gGauss);
    const float faktor = AnzeigeFaktorX(gauss.Kurve(), rt::Object(gOptions).Einheit_NM());
    const QFontMetrics schrift = d.fontMetrics();
    std::vector<std::string> texte;
    std::vector<Etikettkanten> kanten;
    for (int32_t j = 1; j <= gauss.Anzahl(); ++j) {
        d.Zeichne_Linie_X3(gauss.x(j), gauss.IsSchulter(j) ? kGrau : farbe::Schwarz);
        texte.push_back(Peak_Text(gauss.x(j), faktor));
        const int32_t links = PixelX(d.Skala(), gauss.x(j) + 2.0f * math.Delta_X()).value_or(0);
        kanten.push_back({links, links + schrift.horizontalAdvance(QString::fromStdString(texte.back()))});
    }
    const std::vector<bool> hoch = Hochgesetzt(kanten);
    // The labels stand at the curve's maximum and one line above it, both inside the picture: a
    // zoomed view has the maximum at its top row.
    const int32_t zeile = schrift.height();
    const int32_t unten = std::max(PixelY(d.Skala(), math.Maximum_Y(), false).value_or(0), zeile);
    const float yUnten = WertY(d.Skala(), float(unten));
    const float yOben = WertY(d.Skala(), float(unten - zeile));
    for (int32_t j = 1; j <= gauss.Anzahl(); ++j) {
        const size_t k = static_cast<size_t>(j - 1);
        d.TextOut(gauss.x(j) + 2.0f * math.Delta_X(), hoch[k] ? yOben : yUnten, texte[k], farbe::Schwarz, 0);
    }
}

void conGauss::Zeichne_Ableitungen()
{
    conDisplay& d = *Diagramm();
    const clsMath& math = *gMath;
    const int32_t n = math.Punkte();
    for (int32_t k = 0; k < 2; ++k) {
        if (!chkAbleitung[k]->isChecked()) continue;
        const uint32_t f = k == 0 ? farbe::Magenta : kCyan;
        const float skala = static_cast<float>(scrScale[k]->value()) / 10.0f;
        d.Zeichne_Punkt(math.x(1), 0.0f, f);
        for (int32_t i = 2; i <= n - 1; ++i)
            d.Zeichne_LinieZu(math.x(i), skala * (k == 0 ? math.Y_Ableitung_1(i) : math.Y_Ableitung_2(i)), f);
    }
}

void conGauss::Zeige_Abstaende()
{
    const clsGauss& gauss = rt::Object(gGauss);
    const Peakabstaende abstaende = Peakabstaende_Berechnen(gauss);
    for (int32_t i = 0; i < 3; ++i) lblInfo[i]->setText(QString::fromStdString(abstaende.Texte[static_cast<size_t>(i)]));
    if (gauss.Kurve() == KT_IK)
        pic->setZeilen({{0, "Δ", "K"}, {26, "r", "0"}, {52, "a", "K"}});
    else if (gauss.Kurve() == KT_GR)
        pic->setZeilen({{0, "Δ", "r"}, {26, "K", "0"}, {52, "a", "r"}});
    else
        pic->setZeilen({});
}
