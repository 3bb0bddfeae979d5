#pragma once
// The curve kinds, one numbering from 0 to 27 shared by drawing, titles, file extensions, save
// options, the stage store and the preview windows, and the properties that hang on each kind.
#include <cstdint>
#include <string>

enum KurvenTyp : int32_t {
    KT_Keine = 0,
    KT_JK = 1,
    KT_JK_Bearbeitet = 2,
    KT_JK_Gemittelt = 3,
    KT_Fit = 4,
    KT_UG_Stuetzstellen = 5,
    KT_IK = 6,
    KT_GR = 7,
    KT_Unbekannt = 8,
    // 9 carries no curve.
    KT_IK_Wichtung = 10,
    KT_g_r = 11,
    KT_RDF = 12,
    KT_Rho = 13,
    KT_F_r = 14,
    KT_IK_Auto = 15,
    KT_UG = 16,
    KT_UGE = 17,
    KT_UG_Fehler = 18,
    KT_f2m = 19,
    KT_fm2 = 20,
    KT_fmk = 21,
    KT_GR_Erste = 22,
    KT_KIK = 23,
    KT_v_r = 24,
    KT_v_K = 25,
    KT_IK_Peaks = 26,
    KT_GR_Peaks = 27,
};

// The title of a kind, with "K" or "Q" as the unit letter by gOptions->Einheit_NM() ("J(K)",
// "G(r)", text 197 for the unknown kind); "" for kinds without a title and outside the numbering.
std::string Kurven_Titel(int32_t kind);
// The extension of a kind's curve file, with its dot and in this letter case; ".dat" for kinds
// without one of their own.
std::string KurvenTypExtension(int32_t kind);
// Whether a kind's save option is kept in the settings store (and read at start-up); the others
// start False and are never read back.
bool SaveOptionStored(int32_t kind);
// The save option of a stored kind when the settings store holds none.
bool SaveOptionDefault(int32_t kind);
// The lower end of the x axis for a kind: 0.1 for G(r) and the RDF, 0 for the unknown kind, else 1.
float KurvenTypRand(int32_t kind);
