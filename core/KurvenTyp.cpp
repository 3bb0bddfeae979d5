#include "core/KurvenTyp.h"

#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"

#include <array>

namespace {

struct KindInfo {
    const char* title;  // "%" stands for the unit letter
    const char* extension;
    bool stored;
    bool saveDefault;
    float rand;
};

constexpr std::array<KindInfo, 28> kKinds = {{
    {"", ".dat", false, false, 1.0f},          // 0 none
    {"J(%)", ".dat", false, false, 1.0f},      // 1 J(K) as loaded
    {"J'(%)", ".elb", true, true, 1.0f},       // 2 edited
    {"J''(%)", ".mitt", true, true, 1.0f},     // 3 halves averaged
    {"Fit", ".fit", true, true, 1.0f},         // 4 fitted
    {"U(%)", ".ugs", true, true, 1.0f},        // 5 background support points
    {"I(%)", ".ik", true, true, 1.0f},         // 6 I(K)
    {"G(r)", ".Gr", true, true, 0.1f},         // 7 G(r)
    {"", ".dat", false, false, 0.0f},          // 8 unknown (title from the UI texts)
    {"", ".dat", false, false, 1.0f},          // 9 no curve
    {"I(%)", ".dat", false, false, 1.0f},      // 10 I(K) of the Fourier step
    {"g(r)", ".g_r", true, true, 1.0f},        // 11 g(r)
    {"RDF", ".rdf", true, true, 0.1f},         // 12 RDF
    {"", ".rho", true, true, 1.0f},            // 13 local density
    {"", ".f_r", true, true, 1.0f},            // 14 running integral
    {"", ".ik1", true, false, 1.0f},           // 15 I(K) saved at computation
    {"U(%)", ".ug", true, true, 1.0f},         // 16 background U(K)
    {"", ".uge", true, false, 1.0f},           // 17 background implied by I(K)
    {"", ".ugf", true, false, 1.0f},           // 18 background error
    {"", ".f2m", true, false, 1.0f},           // 19 mean square form factor
    {"", ".fm2", true, false, 1.0f},           // 20 squared mean form factor
    {"", ".fmk", true, false, 1.0f},           // 21 mean form factor
    {"", ".Gr1", true, false, 1.0f},           // 22 G(r) of the first transform
    {"", ".ikk", true, false, 1.0f},           // 23 K*I(K)
    {"v(r)", ".dat", false, false, 1.0f},      // 24 v(r)
    {"v(%)", ".dat", false, false, 1.0f},      // 25 v(K)
    {"", ".dat", false, false, 1.0f},          // 26 I(K) of the peak view
    {"", ".dat", false, false, 1.0f},          // 27 G(r) of the peak view
}};

const KindInfo* Info(int32_t kind)
{
    return kind >= 0 && kind < static_cast<int32_t>(kKinds.size()) ? &kKinds[static_cast<size_t>(kind)] : nullptr;
}

}

std::string Kurven_Titel(int32_t kind)
{
    if (kind == KT_Unbekannt) return gLanguage->Caption(197);
    const KindInfo* info = Info(kind);
    if (!info) return "";
    const std::string title = info->title;
    const auto unit = title.find('%');
    if (unit == std::string::npos) return title;
    return title.substr(0, unit) + (gOptions->Einheit_NM() ? "K" : "Q") + title.substr(unit + 1);
}

std::string KurvenTypExtension(int32_t kind)
{
    const KindInfo* info = Info(kind);
    return info ? info->extension : ".dat";
}

bool SaveOptionStored(int32_t kind)
{
    const KindInfo* info = Info(kind);
    return info && info->stored;
}

bool SaveOptionDefault(int32_t kind)
{
    const KindInfo* info = Info(kind);
    return info && info->saveDefault;
}

float KurvenTypRand(int32_t kind)
{
    const KindInfo* info = Info(kind);
    return info ? info->rand : 1.0f;
}
