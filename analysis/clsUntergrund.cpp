#include "analysis/clsUntergrund.h"

#include "analysis/Normierung.h"
#include "analysis/Untergrund_Aus_IK.h"
#include "analysis/clsIK.h"
#include "core/Guarded.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/UiSeam.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "curves/Ergebnisdatei.h"
#include "curves/LeseHilfen.h"
#include "curves/clsCalc.h"
#include "curves/clsFileHandler.h"
#include "materials/clsFMK.h"
#include "materials/clsMFE.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

constexpr const char* kModul = "clsUntergrund";
// The smoothing bound of the background fit.
constexpr float kGlaettung = 15.0f;
// The fit runs this far beyond the last point of the working curve.
constexpr int32_t kZusatzpunkte = 10;
// The end anchor lies this far (1/nm) beyond the last K of the working curve.
constexpr float kEndeAbstand = 5.0f;
// Every background value counts with 1 % uncertainty.
constexpr float kFehler = 0.01f;
// The fit adds an anchor before the first and after the last support point; the spline takes no more.
constexpr size_t kMaxStuetzstellen = clsSpline::MaxPoints - 2;

void Protokoll(const std::string& text) { gCommon->Record(rt::TimeText() + ": " + text); }

// A number of a file line, or nothing for text that is not one.
bool Zahl(const std::string& text, float& value)
{
    if (text.find_first_not_of(" \t") == std::string::npos) return false;
    value = StrToSingle(text);
    return value != Kein_Wert;
}

}

void clsUntergrund::Add_Ln(float v)
{
    const double faktor = std::exp(static_cast<double>(v));
    for (auto& y : uy_) y = static_cast<float>(y * faktor);
    UG_Fitten();
}

void clsUntergrund::Add_Norm(float v)
{
    for (auto& y : uy_) y += v;
    UG_Fitten();
}

void clsUntergrund::CopyArray(std::span<float> ToArray) const
{
    if (fitOK_) spline_.CopyArray(ToArray);
}

void clsUntergrund::Loesche_Punkt_Index()
{
    if (index_ < 1) return;
    const auto weg = static_cast<size_t>(index_ - 1);
    index_ = -1;
    // The found point itself: the search between neighbours never reaches the first one.
    if (weg < ux_.size() && ux_[weg] == gefundenX_) Loeschen(weg);
}

void clsUntergrund::Loeschen(size_t weg)
{
    xD_ = ux_[weg];
    yD_ = uy_[weg];
    ux_.erase(ux_.begin() + static_cast<std::ptrdiff_t>(weg));
    uy_.erase(uy_.begin() + static_cast<std::ptrdiff_t>(weg));
    UG_Fitten();
}

float clsUntergrund::Glattheit() const
{
    const int32_t n = spline_.Fit_Punkte();
    const double h = gCalc->Schrittweite();
    // Without a fitted background there is nothing to judge: not a number, not a perfect 100.
    if (n < 3 || h == 0.0) return std::numeric_limits<float>::quiet_NaN();
    double m = 0.0;
    for (int32_t i = 2; i <= n - 1; ++i) {
        const double s = (double(Y(i + 1)) - Y(i - 1)) / (2.0 * h);
        // The chord of the neighbours at x(i).
        const double chord = x(i) * s + Y(i - 1) - x(i - 1) * s;
        if (Y(i) != 0.0f) m += (Y(i) - chord) / Y(i);
    }
    return static_cast<float>((m + 1.0) * 100.0);
}

bool clsUntergrund::IstPunkt(float x)
{
    index_ = -1;
    if (Anzahl() < 2) return false;
    for (int32_t i = 1; i <= Anzahl(); ++i) {
        const float u = ux_[static_cast<size_t>(i - 1)];
        if (u != 0.0f && std::fabs(1.0 - double(x) / u) < 0.02) {
            index_ = i;
            gefundenX_ = u;
            return true;
        }
    }
    return false;
}

void clsUntergrund::Clear()
{
    ux_.clear();
    uy_.clear();
    // The next I(K) must not subtract a background that no longer has points.
    spline_.Clear();
    uge_.clear();
    fitOK_ = false;
}

void clsUntergrund::Loesche_Punkt(float x)
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Loesche_Punkt");
    if (Anzahl() == 0 || x <= ux_[0]) return;
    for (size_t i = 0; i + 1 < ux_.size(); ++i) {
        if (!(ux_[i] < x && x <= ux_[i + 1])) continue;
        // The nearer neighbour goes; half-way the upper one.
        Loeschen(ux_[i + 1] - x > x - ux_[i] ? i : i + 1);
        return;
    }
}

void clsUntergrund::Plus_Punkt(float x, float Y)
{
    ux_.push_back(x);
    uy_.push_back(Y);
    UG_Fitten();
}

int32_t clsUntergrund::Anzahl_Fit() const { return Anzahl() > 3 ? spline_.Fit_Punkte() : 0; }

float clsUntergrund::UX(int32_t Index) const
{
    return Guarded(kModul, "UX (Get)", [&] {
        if (Index < 1 || Index > Anzahl()) rt::Raise(rt::errSubscript);
        return ux_[static_cast<size_t>(Index - 1)];
    });
}

float clsUntergrund::UY(int32_t Index) const
{
    return Guarded(kModul, "UY (Get)", [&] {
        if (Index < 1 || Index > Anzahl()) rt::Raise(rt::errSubscript);
        return uy_[static_cast<size_t>(Index - 1)];
    });
}

float clsUntergrund::UGE(int32_t Index) const
{
    return Guarded(kModul, "UGE (Get)", [&] {
        if (Index < 1 || static_cast<size_t>(Index) > uge_.size()) rt::Raise(rt::errSubscript);
        return uge_[static_cast<size_t>(Index - 1)];
    });
}

bool clsUntergrund::UG_Fitten()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "UG_Fitten");
    // New support points: the background is not the one written.
    gGespeichert = false;
    spline_.Clear();
    if (Anzahl() <= 3) {
        fitOK_ = true;
        return true;
    }
    // Sorted by K, the values carried along; points at the same K keep their order.
    std::vector<size_t> ordnung(ux_.size());
    std::iota(ordnung.begin(), ordnung.end(), size_t{0});
    std::stable_sort(ordnung.begin(), ordnung.end(), [&](size_t a, size_t b) { return ux_[a] < ux_[b]; });
    std::vector<float> ux, uy;
    for (const size_t i : ordnung) {
        ux.push_back(ux_[i]);
        uy.push_back(uy_[i]);
    }
    ux_ = std::move(ux);
    uy_ = std::move(uy);

    // Anchors at K = 0 on the spectrum and beyond its end on the last support value hold the
    // ends of the fit.
    const float j1 = gCalc->Y(1);
    spline_.AddPoint(0.0f, j1, kFehler * j1);
    minimum_ = maximum_ = uy_[0];
    for (size_t i = 0; i < ux_.size(); ++i) {
        spline_.AddPoint(ux_[i], uy_[i], kFehler * uy_[i]);
        minimum_ = std::min(minimum_, uy_[i]);
        maximum_ = std::max(maximum_, uy_[i]);
    }
    spline_.AddPoint(gCalc->x(gCalc->Punkte()) + kEndeAbstand, uy_.back(), kFehler * uy_.back());
    fitOK_ = spline_.Fitten(gOptions->Delta_k(), kGlaettung, gCalc->Punkte() + kZusatzpunkte);
    return fitOK_;
}

std::string clsUntergrund::Schreibe(const std::string& extension, const std::vector<float>& x,
                                   const std::vector<float>& y, std::string (*text)(float))
{
    std::vector<std::string> zeilen;
    for (size_t i = 0; i < x.size(); ++i) zeilen.push_back(text(x[i]) + "\t" + text(y[i]));
    return Ergebnisdatei::Schreiben(extension, zeilen);
}

void clsUntergrund::Speichern() const
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Speichern");
    if (Anzahl() == 0) return;

    // Up to three support points give no fitted background to write.
    std::string untergrund;
    if (gOptions->KurveSpeichern(KT_UG) && spline_.Fit_Punkte() > 0) {
        std::vector<float> fitX, fitY;
        for (int32_t i = 1; i <= spline_.Fit_Punkte(); ++i) {
            fitX.push_back(x(i));
            fitY.push_back(Y(i));
        }
        untergrund = Schreibe(".ug", fitX, fitY, SingleToStr);
    }
    // The support points are read back as points ("öffnen"): every digit of them is written.
    const std::string stuetzstellen =
        gOptions->KurveSpeichern(KT_UG_Stuetzstellen) ? Schreibe(".ugs", ux_, uy_, SingleToStr_Exakt) : "";
    std::string fehler;
    if (gOptions->KurveSpeichern(KT_UG_Fehler)) {
        std::vector<float> dy;
        for (const float y : uy_) dy.push_back(kFehler * y);
        fehler = Schreibe(".ugf", ux_, dy, SingleToStr_Exakt);
    }
    // The count goes with the files it was saved with; a save that wrote none of them logs nothing.
    if (untergrund.empty() && stuetzstellen.empty() && fehler.empty()) return;
    Protokoll(gLanguage->Caption(278) + ": " + std::to_string(Anzahl()));
    if (!untergrund.empty()) Protokoll(gLanguage->Caption(279) + ": " + untergrund);
    if (!stuetzstellen.empty()) Protokoll(gLanguage->Caption(280) + ": " + stuetzstellen);
    if (!fehler.empty()) Protokoll(gLanguage->Caption(281) + ": " + fehler);
}

void clsUntergrund::Untergrund_Einlesen(const std::string& Filename)
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Untergrund_Einlesen");
    if (!gFileHandler->OpenFile(Filename, clsFileHandler::kInput)) return;
    // Read aside: the points in use go only when the file gave others.
    std::vector<float> x;
    std::vector<float> y;
    const bool gelesen = Punkte_Lesen(Filename, x, y);
    gFileHandler->CloseFile();
    // A refused file has shown why; one that gave no point is told here.
    if (!gelesen) return;
    if (x.empty()) {
        zelo::Ui().MsgBox(Filename + ":\r\n" + gLanguage->Caption(630), zelo::MsgButtons::OK,
                          zelo::MsgIcon::Exclamation, clsLoader::kApplicationName);
        return;
    }
    Protokoll(gLanguage->Caption(409) + ": " + Filename);
    ux_ = std::move(x);
    uy_ = std::move(y);
    UG_Fitten();
}

bool clsUntergrund::Punkte_Lesen(const std::string& Filename, std::vector<float>& ux, std::vector<float>& uy)
{
    // A file or a line far too large for support points is refused before it is read.
    if (!lese::Groesse_Pruefen(*gFileHandler, "Untergrund_Einlesen", Filename, kModul)) return false;
    const float ende = gCalc->Maximum_X();
    std::string zeile;
    while (!gFileHandler->FileEnd()) {
        if (!lese::Zeile_Lesen(*gFileHandler, zeile, "Untergrund_Einlesen", Filename, kModul)) return false;
        const auto tab = zeile.find('\t');
        float x = 0.0f;
        float y = 0.0f;
        // A line that is not two numbers carries no point.
        if (tab == std::string::npos || !Zahl(zeile.substr(0, tab), x) || !Zahl(zeile.substr(tab + 1), y)) continue;
        if (x > ende) break;
        if (ux.size() == kMaxStuetzstellen) {
            zelo::Ui().MsgBox(Filename + ":\r\n" + gLanguage->Caption(546) + " " + std::to_string(kMaxStuetzstellen) + ".",
                              zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, clsLoader::kApplicationName);
            break;
        }
        ux.push_back(x);
        uy.push_back(y);
    }
    return true;
}

void clsUntergrund::Untergrund_Endberechnen()
{
    const int32_t typ = gCommon->ProjektTyp();
    if (typ == PT_IK || typ == PT_GR || gIK->Punkte() < 2) return;
    Protokoll(gLanguage->Caption(410));
    Untergrund_Endberechnen_Still();
}

void clsUntergrund::Untergrund_Endberechnen_Still()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Untergrund_Endberechnen");
    try {
        const int32_t typ = gCommon->ProjektTyp();
        if (typ == PT_IK || typ == PT_GR || gIK->Punkte() < 2) return;
        uge_.assign(static_cast<size_t>(spline_.Fit_Punkte()), 0.0f);
        // On the scale of the normalisation, with the experimental density in place of the
        // theoretical one.
        const auto n = static_cast<size_t>(gIK->Punkte());
        std::vector<float> J(n), I(n), D(n), fm2(n), f2m(n);
        for (size_t i = 0; i < n; ++i) {
            const auto punkt = static_cast<int32_t>(i + 1);
            J[i] = gCalc->Y(punkt);
            I[i] = gIK->Y(punkt);
            D[i] = J[i] - Y(punkt);
            fm2[i] = gFMK->fm2_Y(punkt);
            f2m[i] = gFMK->f2m_Y(punkt);
            if (fm2[i] == 0.0f) rt::Raise(rt::errDivisionByZero);
        }
        const Normierungsintegrale integrale = Normierung(D, f2m, fm2, gOptions->Delta_k(), gMFE->Dichte_Experimentell());
        const std::vector<float> u = Untergrundrechnung::Untergrund_Aus_IK_Ungeschuetzt(J, I, fm2, f2m, integrale.messung, integrale.formfaktoren);
        std::copy_n(u.begin(), std::min(u.size(), uge_.size()), uge_.begin());
        if (u.size() > uge_.size()) rt::Raise(rt::errSubscript);
    } catch (const rt::RuntimeError& error) {
        gError->Report(kModul, "Untergrund_Endberechnen", error);
    }
}
