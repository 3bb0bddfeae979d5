// Folding of a two-sided spectrum into its halves, their averaging into a one-sided curve from
// K = 0, and the small operations on the whole curve that belong to the folding.
#include "curves/clsCalc.h"

#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"
#include "curves/clsInput.h"
#include "curves/clsSpline.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The averaged points are meant to be followed exactly: a tiny deviation and bound.
constexpr float Mittel_Dy = 0.0001f;
constexpr float Mittel_Chi = 0.000001f;

float Wert(const std::vector<float>& werte, int32_t Index)
{
    if (Index < 1 || Index > static_cast<int32_t>(werte.size())) return 0.0f;
    return werte[static_cast<size_t>(Index - 1)];
}

int32_t Long(int64_t value)
{
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        rt::Raise(rt::errOverflow);
    return static_cast<int32_t>(value);
}

}

void clsCalc::Falten()
{
    Guarded("clsCalc", "Falten", [this] {
        if (punkte_ < 0) rt::Raise(rt::errSubscript);
        minimumX_ = 0.0f;
        xStartIndex_ = Long(int64_t(punkte_) - mitteIndex_);
        xStartIndexRechts_ = mitteIndex_;
        std::vector<float> links(static_cast<size_t>(punkte_));
        std::vector<float> rechts(static_cast<size_t>(punkte_));
        for (int32_t i = 1; i <= punkte_; ++i) {
            links[static_cast<size_t>(i - 1)] = Y(punkte_ - i + 1);
            rechts[static_cast<size_t>(i - 1)] = Y(i);
        }
        yl_ = std::move(links);
        yr_ = std::move(rechts);
    });
}

float clsCalc::yl(int32_t Index) const { return Wert(yl_, Index); }

float clsCalc::YR(int32_t Index) const { return Wert(yr_, Index); }

void clsCalc::Verschieben_X_Falten(float Value) { faltungVerschiebung_ += Value; }

bool clsCalc::Mitteln(int16_t Seite)
{
    std::vector<float> werte;
    int32_t startLinks = xStartIndex_;
    int32_t startRechts = xStartIndexRechts_;
    const bool gebildet = Guarded("clsCalc", "Mitteln", [&] {
        if (Seite < 0 || Seite > 2) rt::Raise(rt::errInvalidCall);
        if (yl_.empty()) rt::Raise(rt::errSubscript);
        // "left side chosen", "right side chosen", "both sides averaged"
        Protokoll(gLanguage->Caption(215 + Seite));
        if (Seite != 1) startLinks = X_Unshifted(0.0f, true);
        if (Seite != 0) startRechts = X_Unshifted(0.0f, false);
        if (Seite == 0) werte = Halbe_Uebernehmen(true, startLinks);
        else if (Seite == 1) werte = Halbe_Uebernehmen(false, startRechts);
        else werte = Beide_Seiten_Mitteln(startLinks, startRechts);
        return true;
    });
    if (!gebildet || werte.empty()) return false;

    y_ = std::move(werte);
    punkte_ = static_cast<int32_t>(y_.size());
    xStartIndex_ = startLinks;
    xStartIndexRechts_ = startRechts;
    minimumX_ = 0.0f;
    maximumX_ = x(punkte_);
    // A folded spectrum falls towards its last point, but its main peak may stand above the
    // first point when the primary beam was cut off: the scale must show it.
    maximumY_ = *std::max_element(y_.begin(), y_.end());
    tiefsterWert_ = Y(punkte_);
    yl_.clear();
    yr_.clear();
    istGefaltet_ = true;
    Guarded("clsCalc", "Mitteln", [this] {
        rt::Object(gInput).SpeichereKurve(3, 0, y_);
        Protokoll(gLanguage->Caption(218) + " " + std::to_string(punkte_));
    });
    return true;
}

std::vector<float> clsCalc::Halbe_Uebernehmen(bool Links, int32_t start) const
{
    // The half's last point is left out.
    const int32_t anzahl = punkte_ - start;
    if (start < 1 || anzahl < 1) rt::Raise(rt::errSubscript);
    std::vector<float> werte(static_cast<size_t>(anzahl));
    for (int32_t i = 1; i <= anzahl; ++i)
        werte[static_cast<size_t>(i - 1)] = Links ? yl(start + i - 1) : YR(start + i - 1);
    return werte;
}

// Empty when the spline cannot follow the points (after telling the user).
std::vector<float> clsCalc::Beide_Seiten_Mitteln(int32_t startLinks, int32_t startRechts) const
{
    if (startLinks < 1 || startRechts < 1) rt::Raise(rt::errSubscript);
    clsSpline spline;
    const int32_t gemeinsam = std::min(startLinks, startRechts);
    float letzterMittelwert = 0.0f;
    for (int32_t k = 0; k < gemeinsam; ++k) {
        const int32_t iL = startLinks + k;
        const int32_t iR = startRechts + k;
        letzterMittelwert = static_cast<float>((double(yl(iL)) + YR(iR)) / 2.0);
        // Between the two halves' positions, within half a step of the common grid.
        const auto xm = static_cast<float>((double(X_Shifted(iR, false)) + X_Shifted(iL, true)) / 2.0);
        spline.AddPoint(xm, letzterMittelwert, Mittel_Dy);
    }

    // The longer half goes on alone, scaled so that it joins the mean.
    const bool linksLaenger = startRechts > startLinks;
    const int32_t rest = std::abs(startRechts - startLinks);
    const int32_t erster = gemeinsam + gemeinsam;
    auto halbe = [&](int32_t i) { return linksLaenger ? yl(i) : YR(i); };
    if (rest > 0) {
        const float ersterWert = halbe(erster);
        // A zero cannot be scaled to the mean; the rest then joins as it is.
        const double faktor = ersterWert != 0.0f ? letzterMittelwert / double(ersterWert) : 1.0;
        for (int32_t k = 0; k < rest; ++k)
            spline.AddPoint(X_Shifted(erster + k, linksLaenger), static_cast<float>(faktor * halbe(erster + k)),
                            Mittel_Dy);
    }

    const int32_t anzahl = gemeinsam + rest;
    if (!spline.Fitten(schrittweite_, Mittel_Chi, anzahl)) {
        zelo::Ui().MsgBox("no fit!", zelo::MsgButtons::OK, zelo::MsgIcon::None, rt::Object(gLoader).ApplicationName());
        return {};
    }
    std::vector<float> werte(static_cast<size_t>(anzahl));
    spline.CopyArray(werte);
    return werte;
}

void clsCalc::NullWerte()
{
    for (int32_t i = 2; i <= punkte_; ++i) {
        const float hoeher = std::max(Y(i - 1), Y(i));
        const float tiefer = std::min(Y(i - 1), Y(i));
        if (hoeher > 100.0f && (double(hoeher) - tiefer) / hoeher < 0.1) {
            std::vector<float> behalten;
            behalten.reserve(static_cast<size_t>(punkte_ - i + 1));
            for (int32_t j = i; j <= punkte_; ++j) behalten.push_back(Y(j));
            minimumX_ = x(i);
            y_ = std::move(behalten);
            punkte_ = static_cast<int32_t>(y_.size());
            return;
        }
    }
}

void clsCalc::Faltung_Spiegeln()
{
    Guarded("clsCalc", "Faltung_Spiegeln", [this] {
        const int32_t doppelt = Long(2 * int64_t(punkte_));
        if (punkte_ < 0) rt::Raise(rt::errSubscript);
        std::vector<float> werte(static_cast<size_t>(doppelt));
        for (int32_t i = 1; i <= punkte_; ++i) {
            werte[static_cast<size_t>(i - 1)] = Y(punkte_ - i + 1);
            werte[static_cast<size_t>(punkte_ + i - 1)] = Y(i);
        }
        y_ = std::move(werte);
        punkte_ = doppelt;
        yl_.clear();
        yr_.clear();
    });
}
