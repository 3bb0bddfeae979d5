#include "graphics/DiagrammMaus.h"

#include "analysis/clsGR.h"
#include "analysis/clsGauss.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/UiGuard.h"
#include "core/ui/modUiGlobals.h"
#include "curves/KGitter.h"
#include "curves/clsCalc.h"
#include "graphics/Raster.h"
#include "panels/PanelInterfaces.h"
#include "graphics/clsGrafik.h"
#include "graphics/conDisplay.h"
#include "mainwindow/MainWindowView.h"
#include "mainwindow/clsWerkzeuge.h"

#include <QLabel>
#include <QMouseEvent>

#include <algorithm>
#include <clocale>
#include <cmath>

namespace {

constexpr uint32_t kRot = 255;             // RGB(255, 0, 0)
constexpr uint32_t kBlau = 0xFF0000;       // RGB(0, 0, 255)
constexpr int16_t kLinks = 1;
constexpr int16_t kRechts = 2;
constexpr int16_t kCtrl = 2;
// The read-out marks a Gauss peak within this distance of the cursor, in internal X units.
constexpr float kPeakNaehe = 0.01f;

bool Ctrl(int16_t Shift) { return (Shift & kCtrl) != 0; }

int16_t Knopf(Qt::MouseButtons buttons)
{
    int16_t knopf = 0;
    if (buttons & Qt::LeftButton) knopf |= 1;
    if (buttons & Qt::RightButton) knopf |= 2;
    if (buttons & Qt::MiddleButton) knopf |= 4;
    return knopf;
}

int16_t Tasten(Qt::KeyboardModifiers modifiers)
{
    int16_t tasten = 0;
    if (modifiers & Qt::ShiftModifier) tasten |= 1;
    if (modifiers & Qt::ControlModifier) tasten |= 2;
    if (modifiers & Qt::AltModifier) tasten |= 4;
    return tasten;
}

// The run time's text of a Single with the locale's decimal sign.
std::string Lokaler_Text(float value)
{
    std::string text = rt::SingleText(value);
    const lconv* conv = std::localeconv();
    const std::string zeichen = conv->decimal_point && *conv->decimal_point ? conv->decimal_point : ".";
    if (const auto punkt = text.find('.'); punkt != std::string::npos) text.replace(punkt, 1, zeichen);
    return text;
}

}

DiagrammMaus::DiagrammMaus(conDisplay& display) : QObject(&display), display_(display), pic_(display.pic)
{
    display_.pic->installEventFilter(this);
    display_.pic->setMouseTracking(true);
}

bool DiagrammMaus::eventFilter(QObject* watched, QEvent* event)
{
    // The picture is compared by the pointer kept at construction: while the control is being
    // destroyed its picture still receives events, and the control may no longer be whole.
    if (watched != pic_) return false;
    const auto* maus = dynamic_cast<QMouseEvent*>(event);
    if (!maus) return false;
    const auto X = static_cast<float>(maus->position().x());
    const auto Y = static_cast<float>(maus->position().y());
    const int16_t tasten = Tasten(maus->modifiers());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        UiGuard("conDisplay", "pic_MouseDown", [&] { MouseDown(Knopf(maus->button()), tasten, X, Y); });
        return true;
    case QEvent::MouseMove:
        // A failed move ends without a message; the next move tries again.
        try {
            MouseMove(Knopf(maus->buttons()), tasten, X, Y);
        } catch (...) {
        }
        return true;
    case QEvent::MouseButtonRelease:
        UiGuard("conDisplay", "pic_MouseUp", [&] { MouseUp(Knopf(maus->button()), tasten, X, Y); });
        return true;
    default:
        return false;
    }
}

float DiagrammMaus::x(float X) const { return WertX(display_.Skala(), X); }

float DiagrammMaus::y(float Y) const { return WertY(display_.Skala(), Y); }

void DiagrammMaus::Neu_Zeichnen()
{
    if (!display_.IsPreview() && gGrafik) gGrafik->Zeichne(true);
}

void DiagrammMaus::Info(int32_t k) { display_.RaiseInfoChange(k); }

void DiagrammMaus::MouseDown(int16_t, int16_t, float X, float Y)
{
    mouseDown_ = true;
    X1_ = X;
    Y1_ = Y;
    if (gModus_Zoom || gModus_Bereich) {
        X2_ = X;
        Y2_ = Y;
        display_.Display_Background();
    }
    if (display_.Kurve() == KT_UG_Stuetzstellen || gSchritt == 4 || gModus_Verschieben) {
        X2_ = X;
        Y2_ = Y;
    }
}

void DiagrammMaus::Ablesung(float X, float Y)
{
    const int32_t kurve = display_.Kurve();
    const bool nm = rt::Object(gOptions).Einheit_NM();
    const std::string text = EinheitText(kurve, nm) + "= " + Lokaler_Text(x(X) * AnzeigeFaktorX(kurve, nm)) + "  " +
                             Kurven_Titel(kurve) + "= " + Lokaler_Text(y(Y));
    display_.lblPos->setText(QString::fromStdString(text));
    display_.lblPos->adjustSize();
    display_.lblPos->move(display_.width() - display_.lblPos->width() - 10, 0);
}

void DiagrammMaus::Zeiger(float X)
{
    bool naheAmPeak = false;
    if (gGauss) {
        const float wert = x(X);
        for (int32_t i = 1; i <= gGauss->Anzahl() && !naheAmPeak; ++i)
            naheAmPeak = std::fabs(wert - gGauss->x(i)) <= kPeakNaehe;
    }
    display_.pic->setCursor(naheAmPeak ? Qt::CrossCursor : Qt::ArrowCursor);
}

void DiagrammMaus::Punkt_Vorschau(float Y)
{
    const clsCalc& calc = rt::Object(gCalc);
    display_.Display_CLS();
    const float xi = calc.x(punkt_);
    const float yi = y(Y);
    if (punkt_ > 1) {
        display_.Zeichne_Punkt(calc.x(punkt_ - 1), calc.Y(punkt_ - 1), kRot);
        display_.Zeichne_LinieZu(xi, yi, kRot);
    } else {
        display_.Zeichne_Punkt(xi, yi, kRot);
    }
    if (punkt_ < calc.Punkte()) display_.Zeichne_LinieZu(calc.x(punkt_ + 1), calc.Y(punkt_ + 1), kRot);
}

void DiagrammMaus::Punkt_Suchen(float X, float Y)
{
    if (mouseDown_ && punkt_ >= 1 && gSchritt != 10) {
        Punkt_Vorschau(Y);
    } else if (gSchritt == 10 && !mouseDown_) {
        punkt_ = -1;
        clsUntergrund& untergrund = rt::Object(gUntergrund);
        if (untergrund.IstPunkt(x(X))) punkt_ = untergrund.Index();
    } else if (gSchritt < 10 || gSchritt > 13) {
        clsCalc& calc = rt::Object(gCalc);
        punkt_ = -1;
        if (calc.IstPunkt(x(X), 1.0f) && calc.Index() >= 1 && calc.Index() <= calc.Punkte()) punkt_ = calc.Index();
    }
}

void DiagrammMaus::Senkrechte(float X, uint32_t farbe)
{
    display_.Display_CLS();
    const auto px = ZuPixel(X);
    if (!px) return;
    ZeichneLinie(display_.pic->Image, *px, 0, *px, display_.pic->height() - kRandUnten, VbFarbe(farbe));
    display_.pic->update();
}

void DiagrammMaus::MouseMove(int16_t, int16_t Shift, float X, float Y)
{
    Ablesung(X, Y);
    Zeiger(X);
    if (clsWerkzeuge::GUI_SET_IS_NICHTS()) Punkt_Suchen(X, Y);
    Bewegung_Ausfuehren(Shift, X, Y);
}

void DiagrammMaus::Bewegung_Ausfuehren(int16_t Shift, float X, float Y)
{
    if ((gModus_Zoom || gModus_Bereich) && mouseDown_) {
        display_.Display_CLS();
        X2_ = X;
        Y2_ = Y;
        const auto x1 = ZuPixel(X1_), y1 = ZuPixel(Y1_), x2 = ZuPixel(X2_), y2 = ZuPixel(Y2_);
        if (!x1 || !y1 || !x2 || !y2) return;
        QImage& bild = display_.pic->Image;
        const QRgb rot = VbFarbe(kRot);
        ZeichneLinie(bild, *x1, *y1, *x2, *y1, rot);
        ZeichneLinie(bild, *x2, *y1, *x2, *y2, rot);
        ZeichneLinie(bild, *x2, *y2, *x1, *y2, rot);
        ZeichneLinie(bild, *x1, *y2, *x1, *y1, rot);
        display_.pic->update();
    } else if (gModus_Verschieben && mouseDown_ && gSchritt != 4) {
        clsCalc& calc = rt::Object(gCalc);
        calc.Verschieben_X(rt::CLng(rt::Divide(double(x(X)) - x(X1_), calc.Schrittweite())));
        calc.Verschieben_Y(y(Y) - y(Y1_));
        X1_ = X;
        Y1_ = Y;
        display_.Zeichne_Spiegelung();
    } else if (gModus_Hoehe) {
        display_.Display_CLS();
        const auto py = ZuPixel(Y);
        if (!py) return;
        ZeichneLinie(display_.pic->Image, kRandLinks, *py, display_.pic->width(), *py, VbFarbe(kRot));
        display_.pic->update();
    } else if (gModus_Breite) {
        Senkrechte(X, kBlau);
    } else if (gSchritt == 9 && !rt::Object(gCalc).Trennstelle_OK()) {
        Senkrechte(X, kRot);
    } else if (gSchritt == 4 && mouseDown_ && X != X1_) {
        // The fold moves against the drag: the shift is the start minus the present X.
        rt::Object(gCalc).Verschieben_X_Falten(x(X1_) - x(X));
        Neu_Zeichnen();
        X1_ = X;
    } else if (Ctrl(Shift) && gSchritt == 13) {
        rt::Object(gGR).setKZ_r2(x(X));
        gGR->KZ_Berechnen();
        Koordinationsschraffur();
        Info(7);
    } else if (gSchritt == 14) {
        StrukturwertePanel& extras = PanelPlatz<StrukturwertePanel>::Get();
        const int32_t kurve = display_.Kurve();
        if (Ctrl(Shift) && extras.Analyse_Peak_Position() && extras.StrukturWerteAnzeigen()) {
            if (kurve == KT_IK || kurve == KT_IK_Wichtung) extras.setStrukturWerteK(x(X));
            if (kurve == KT_GR) extras.setStrukturWerteR(x(X));
        }
        const auto waehlen = [&](bool flag, auto setzen) {
            if (!flag) return;
            setzen(x(X));
            extras.Berechnen();
        };
        waehlen(SetKpe, [](float v) { rt::Object(gIK).setK_pe(v); });
        waehlen(SetKpp, [](float v) { rt::Object(gIK).setK_pp(v); });
        waehlen(Set_r0, [](float v) { rt::Object(gGR).setr0(v); });
        waehlen(Set_r1, [](float v) { rt::Object(gGR).setr1(v); });
    }
}

void DiagrammMaus::MouseUp(int16_t Button, int16_t Shift, float X, float Y)
{
    clsCalc& calc = rt::Object(gCalc);
    if (clsWerkzeuge::GUI_SET_IS_NICHTS() && mouseDown_ && gSchritt < 10 && punkt_ >= 1 && punkt_ <= calc.Punkte()) {
        calc.setY(punkt_, y(Y));
        Neu_Zeichnen();
    }
    mouseDown_ = false;
    if (Modus_Ausfuehren(Shift, X, Y)) return;
    if (gSchritt == 9) {
        calc.setTrennstelle(rt::CLng(rt::Divide(x(X), calc.Schrittweite())));
        if (calc.Trennstelle_OK()) {
            PanelPlatz<SeitenfitPanel>::Get().NeueTrennstelle();
            Info(0);
        }
        return;
    }
    if (Untergrund_Ausfuehren(Button, Shift, X, Y) || IK_Ausfuehren(Button, Shift, X) || GR_Ausfuehren(Button, Shift, X))
        return;
    if (gSchritt == 14) Extras_Ausfuehren(Button, X);
}

bool DiagrammMaus::Modus_Ausfuehren(int16_t Shift, float X, float Y)
{
    clsCalc& calc = rt::Object(gCalc);
    const bool vorschau = display_.IsPreview();
    if (gModus_Zoom) {
        if (X1_ == X2_ || Y1_ == Y2_) return true;
        if (!vorschau && gGrafik) gGrafik->Zoomen(x(X1_), x(X2_), y(Y1_), y(Y2_), true, true);
        if (gModus_Verschieben && gSchritt != 10) display_.Zeichne_Spiegelung();
        gModus_Zoom = false;
        MainView().GUI_SET_TOOLS();
        Info(2);
        return true;
    }
    if (gModus_Bereich && X1_ != X2_) {
        calc.Punkte_Kopieren(x(X1_), x(X2_));
        display_.Zeichne_Spiegelung();
        return true;
    }
    if (!gModus_Hoehe && !gModus_Breite) return false;
    if (gModus_Hoehe) {
        const int32_t hoehe = rt::CLng(y(Y));
        calc.Hoehe_Reduzieren(Ctrl(Shift) ? 3 * hoehe : hoehe);
        gModus_Hoehe = false;
    } else {
        calc.Reduzieren(x(X));
        gModus_Breite = false;
    }
    MainView().GUI_SET_TOOLS();
    if (!vorschau && gGrafik) gGrafik->Zeichne_Kurve(1);
    return true;
}

bool DiagrammMaus::Untergrund_Ausfuehren(int16_t Button, int16_t Shift, float X, float Y)
{
    if (gSchritt != 10) return false;
    clsUntergrund& untergrund = rt::Object(gUntergrund);
    if (Button == kLinks) {
        if (display_.Kurve() == KT_UG_Stuetzstellen && punkt_ >= 1) {
            // The support point under the cursor at the press moves to the release position.
            untergrund.Loesche_Punkt_Index();
            untergrund.Plus_Punkt(x(X), y(Y));
        } else if (Ctrl(Shift)) {
            const clsCalc& calc = rt::Object(gCalc);
            const int32_t i = std::clamp(calc.Index(x(X)), 1, std::max(calc.Punkte(), 1));
            untergrund.Plus_Punkt(x(X), calc.Y(i));
        } else {
            untergrund.Plus_Punkt(x(X), y(Y));
        }
    } else if (Button == kRechts) {
        untergrund.Loesche_Punkt(x(X));
        display_.Zeichne_Kreis(untergrund.X_D(), untergrund.Y_D(), kBlau, 2);
    } else {
        return true;
    }
    Info(5);
    return true;
}

bool DiagrammMaus::IK_Ausfuehren(int16_t Button, int16_t Shift, float X)
{
    if (gSchritt != 11) return false;
    if (rt::Object(gCommon).ProjektTyp_Spezial() == 4) {
        TestkurvenPanel& test = PanelPlatz<TestkurvenPanel>::Get();
        if (Ctrl(Shift))
            test.AddNewSinus(x(X), 0.02f, 0.01f);
        else
            test.AddNewPoint(x(X), 0.5f, 30.0f);
        return true;
    }
    if (Button != kLinks && Button != kRechts) return false;
    PanelPlatz<GlaettenPanel>::Get().Verbergen();
    clsIK& ik = rt::Object(gIK);
    const int32_t index = Gitter_Index(x(X), rt::Object(gOptions).Delta_k());
    if (Button == kLinks) {
        CTRL = Shift;
        // The keys held choose the low-K model (the options' rows LM, LM + Ctrl, LM + Shift).
        ik.setMausTaste(Shift);
        ik.setParabel_Index(index);
    } else if (Ctrl(Shift)) {
        ik.setFTR_Start_Index(index);
    } else {
        ik.setFTR_Index(index);
    }
    if (!display_.IsPreview() && gGrafik) {
        // The damping follows the cut-off: its curves are drawn anew, not only the marks.
        if (Button == kRechts)
            gGrafik->Zeichne(true);
        else
            gGrafik->Update_Grafik();
    }
    Info(6);
    return true;
}

bool DiagrammMaus::GR_Ausfuehren(int16_t Button, int16_t Shift, float X)
{
    if (display_.Kurve() == KT_GR && gSchritt != 14 && Button == kLinks) {
        if (rt::Object(gCommon).ProjektTyp_Spezial() == 5) {
            TestkurvenPanel& test = PanelPlatz<TestkurvenPanel>::Get();
            if (Ctrl(Shift))
                test.AddNewSinus(x(X), 0.02f, 3.0f);
            else
                test.AddNewPoint(x(X), 0.02f, 0.01f);
            return true;
        }
        clsGR& gr = rt::Object(gGR);
        const int32_t index = Gitter_Index(x(X), rt::Object(gOptions).Delta_r());
        if (!gr.setDichte_Exp_Index(std::clamp(index, 2, std::max(gr.Punkte(), 2)))) {
            zelo::Ui().MsgBox(rt::Object(gLanguage).Caption(542), zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation,
                              clsLoader::kApplicationName);
            return true;
        }
        if (!display_.IsPreview() && gGrafik) gGrafik->Update_Grafik();
        Info(7);
        return true;
    }
    if (gSchritt != 13) return false;
    clsGR& gr = rt::Object(gGR);
    if (Button == kLinks) {
        gr.setKZ_r1(x(X));
        // The number shown was counted up to the old limit.
        Info(7);
    } else if (Button == kRechts) {
        gr.setKZ_r2(x(X));
        gr.KZ_Berechnen();
        Koordinationsschraffur();
        Info(7);
    }
    return true;
}

void DiagrammMaus::Extras_Ausfuehren(int16_t Button, float X)
{
    if (PanelPlatz<StrukturwertePanel>::Get().Analyse_Peak_Range() && display_.Kurve() == KT_GR &&
        (Button == kLinks || Button == kRechts)) {
        (Button == kLinks ? Analyse_Start : Analyse_Ende) = x(X);
        rt::Object(gIK).RTR_Berechnen_Extra(Analyse_Start, Analyse_Ende);
        Bereich_Zeigen();
    }
    SetKpe = SetKpp = Set_r0 = Set_r1 = false;
}

void DiagrammMaus::Bereich_Zeigen()
{
    if (display_.IsPreview() || !gGrafik) return;
    gGrafik->Zeichne_RTR_Extra();
    if (conDisplay* gr = gGrafik->Display(1)) {
        gr->Display_CLS();
        gr->Zeichne_Linie_X3(Analyse_Start, kRot);
        gr->Zeichne_Linie_X3(Analyse_Ende, kRot);
    }
}

void DiagrammMaus::Koordinationsschraffur()
{
    display_.Display_CLS();
    const clsGR& gr = rt::Object(gGR);
    const float dr = rt::Object(gOptions).Delta_r();
    // The limits as the coordination number takes them: ordered and within the curve.
    const float von = std::min(gr.KZ_r1(), gr.KZ_r2());
    const float bis = std::max(gr.KZ_r1(), gr.KZ_r2());
    if (!(dr > 0.0f) || gr.Punkte() < 2) return;
    const int32_t i1 = std::max(Gitter_Index(von, dr) - 1, 1);
    const int32_t i2 = std::min(Gitter_Index(bis, dr), gr.Punkte() - 1);
    for (int32_t i = i1; i <= i2; ++i) {
        float t = 0.0f;
        for (int32_t schritt = 0; schritt < 10; ++schritt, t += 0.1f) {
            const float r = gr.R(i) + t * dr;
            if (r > bis) break;
            if (r < von) continue;
            display_.Zeichne_Punkt(r, 0.0f, kRot);
            display_.Zeichne_LinieZu(r, gr.RDF(i) + t * (gr.RDF(i + 1) - gr.RDF(i)), kRot);
        }
    }
}
