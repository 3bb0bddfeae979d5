// The compiled-in UI text table: its numbering, and a sample of texts read back in both languages
// exactly as the windows quote them (blanks at the edges included: callers glue texts together).
#include "core/StringTable.h"
#include "core/clsLanguage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

constexpr int32_t kEnglishOffset = 30000;

// The text numbers a language holds (the same in German and English).
std::set<int32_t> KnownNumbers()
{
    std::set<int32_t> numbers;
    for (const auto& [first, last] : {std::pair{0, 16}, {19, 71}, {73, 73}, {75, 78}, {81, 83}, {85, 100}, {103, 103},
                                      {106, 139}, {141, 150}, {156, 198}, {200, 237}, {239, 276}, {278, 297},
                                      {299, 323}, {325, 383}, {385, 439}})
        for (int32_t n = first; n <= last; ++n) numbers.insert(n);
    return numbers;
}

void ExpectCaptions(int32_t languageOffset, const std::vector<std::pair<int32_t, const char*>>& texts)
{
    clsLanguage language;
    language.OpenLanguageEx(languageOffset);
    for (const auto& [number, text] : texts) EXPECT_EQ(language.Caption(number), text) << "text number " << number;
}

}

TEST(StringTableTest, EveryTextIsAKnownNumberWithItsCounterpart)
{
    const std::set<int32_t> known = KnownNumbers();
    ASSERT_EQ(known.size(), 417u);
    std::set<int32_t> german, english;
    for (const auto& [key, text] : zelo::stringTable()) {
        EXPECT_FALSE(text.empty()) << "text " << key << " is empty";
        (key >= kEnglishOffset ? english : german).insert(key % kEnglishOffset);
    }
    EXPECT_EQ(english, german);
    EXPECT_TRUE(std::includes(known.begin(), known.end(), german.begin(), german.end())) << "unknown text numbers";
}

TEST(StringTableTest, GermanTexts)
{
    ExpectCaptions(0, {
        {22, "Elementtabelle"}, {44, "I(K) berechnen / anzeigen ('I' oder 'T')"},
        {52, "Die Kurve muß erst gemittelt werden! (cmdFit_Click"}, {53, "Abbruchstelle: "},
        {58, "Dichte exp (Il´inski): "},
        {65, "Die bisher gemachten Auswertungen gehen verloren wenn Sie zum Untergrund wechseln!"},
        {97, " Elemente"}, {103, " Formfaktoren"}, {120, "Es muß ein Symbol angegeben werden"}, {192, "Jetzt speichern?"},
        {197, "<unbekannt>"}, {204, ": Sicherheitskopie reaktiviert, Kurve: "},
        {233, "Ist das ein ELMI-Bild?"}, {254, "Beta=0 bei Berechnung der Interferenzfunktion."},
        {267, "Sind die K-Werte vielleicht doch in 1/Angström?"}, {292, "'Null' UG"},
        {335, "bei iFTR Werte < I(K=0) gleich I(K=0) setzen"},
        {357, "Wichtungsfaktor FTR <-> iFTR: "}, {397, "Fit übernehmen"},
        {407, "(Nein = digitalisieren)"}, {425, "J(K)-U(K) (grün)"}, {429, " shifted"}, {432, "(skaliert!)"},
    });
}

TEST(StringTableTest, EnglishTexts)
{
    ExpectCaptions(3, {
        {22, "Table of Elements"}, {92, "Cancel"}, {97, " Elements"},
        {103, "form factors"}, {128, "parameters"}, {192, "Save Now?"}, {197, "<unknown>"},
        {204, "backup reactivated curve:"}, {209, "(Datapoint)"}, {233, "Is this a ELMI-picture? (No = digitize)"},
        {240, "Density (Il'inskii):"}, {254, "beta = 0 when calculating the interference function."},
        {267, "Are the K values perhaps in 1/Angström?"}, {269, " at "}, {270, "compiled "}, {271, " o'Clock"},
        {292, "'Zero' UG"}, {365, "Deviation"}, {407, "(No = digitize)"}, {432, "(scaled!)"},
        {422, "This is probably a Paircorrelation g(r) and not a reduced Paircorrelation G(r)"},
    });
}
