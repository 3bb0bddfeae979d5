// Tests of the compiled-in UI text table: its numbering and a sample of texts
// read back through clsLanguage in both languages.

#include "core/clsLanguage.h"
#include "core/StringTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int32_t kEnglishOffset = 30000;

// The text numbers a language may hold (the same in German and English).
std::set<int32_t> knownNumbers()
{
    const std::vector<std::pair<int32_t, int32_t>> ranges = {
        {0, 16},    {19, 71},   {73, 73},   {75, 78},   {81, 83},   {85, 100},
        {103, 103}, {106, 139}, {141, 150}, {156, 198}, {200, 237}, {239, 276},
        {278, 297}, {299, 323}, {325, 383}, {385, 439}};
    std::set<int32_t> numbers;
    for (const auto& [first, last] : ranges) {
        for (int32_t n = first; n <= last; ++n) {
            numbers.insert(n);
        }
    }
    return numbers;
}

struct Text {
    int32_t number;
    const char* text;
};

void expectCaptions(int32_t languageOffset, const std::vector<Text>& texts)
{
    clsLanguage language;
    language.OpenLanguageEx(languageOffset);
    for (const Text& t : texts) {
        EXPECT_EQ(language.Caption(t.number), t.text) << "text number " << t.number;
    }
}

} // namespace

TEST(StringTableTest, NumbersAreKnownAndPairedAcrossLanguages)
{
    const std::set<int32_t> known = knownNumbers();
    ASSERT_EQ(known.size(), 417u);

    const auto& table = zelo::stringTable();
    ASSERT_FALSE(table.empty());

    size_t german = 0;
    size_t english = 0;
    for (const auto& [key, text] : table) {
        const bool isEnglish = key >= kEnglishOffset;
        const int32_t number = isEnglish ? key - kEnglishOffset : key;
        EXPECT_TRUE(known.count(number)) << "unexpected text number " << key;
        const int32_t counterpart = isEnglish ? number : number + kEnglishOffset;
        EXPECT_TRUE(table.count(counterpart)) << "text " << key << " has no counterpart " << counterpart;
        EXPECT_FALSE(text.empty()) << "text " << key << " is empty";
        (isEnglish ? english : german) += 1;
    }
    EXPECT_EQ(german, english);
}

TEST(StringTableTest, GermanTexts)
{
    expectCaptions(0, {
        {22, "Elementtabelle"},
        {30, "Neues Projekt beginnen ('N')"},
        {44, "I(K) berechnen / anzeigen ('I' oder 'T')"},
        {52, "Die Kurve muß erst gemittelt werden! (cmdFit_Click"},
        {65, "Die bisher gemachten Auswertungen gehen verloren wenn Sie zum Untergrund wechseln!"},
        {92, "Abbrechen"},
        {120, "Es muß ein Symbol angegeben werden"},
        {128, "Paramter"},
        {191, "Ergebnisse wurden noch nicht gespeichert"},
        {192, "Jetzt speichern?"},
        {197, "<unbekannt>"},
        {201, "Röntgenbeugung"},
        {221, "Fit rechts angepaßt"},
        {233, "Ist das ein ELMI-Bild?"},
        {253, "Ist das ein Strukturfaktor S(K) und soll in I(K) umgerechnet werden?"},
        {254, "Beta=0 bei Berechnung der Interferenzfunktion."},
        {267, "Sind die K-Werte vielleicht doch in 1/Angström?"},
        {292, "'Null' UG"},
        {335, "bei iFTR Werte < I(K=0) gleich I(K=0) setzen"},
        {397, "Fit übernehmen"},
        {407, "(Nein = digitalisieren)"},
        {422, "Das ist vermutlich eine Paarkorrelation g(r) und keine reduzierte Paarkorrelation G(r)."},
        {425, "J(K)-U(K) (grün)"},
        {432, "(skaliert!)"},
    });
}

TEST(StringTableTest, EnglishTexts)
{
    expectCaptions(3, {
        {1, "File"},
        {22, "Table of Elements"},
        {27, "combine sites"},
        {128, "parameters"},
        {191, "results have not been saved"},
        {192, "Save Now?"},
        {197, "<unknown>"},
        {209, "(Datapoint)"},
        {240, "Density (Il'inskii):"},
        {254, "beta = 0 when calculating the interference function."},
        {267, "Are the K values perhaps in 1/Angström?"},
        {287, "g(r)"},
        {292, "'Zero' UG"},
        {233, "Is this a ELMI-picture? (No = digitize)"},
        {366, "curves means"},
        {407, "(No = digitize)"},
        {417, "Please Wait!"},
        {425, "J(K)-U(K) (green)"},
        {432, "(scaled!)"},
    });
}

// Callers glue these texts to numbers and other texts, so blanks at either end
// and the exact punctuation are part of the text.
TEST(StringTableTest, BlanksAtTheEdgesAreKept)
{
    expectCaptions(0, {
        {53, "Abbruchstelle: "},
        {58, "Dichte exp (Il´inski): "},
        {81, "Anlegestelle Parabel "},
        {97, " Elemente"},
        {103, " Formfaktoren"},
        {204, ": Sicherheitskopie reaktiviert, Kurve: "},
        {240, "Dichte nach Il´inskii: "},
        {357, "Wichtungsfaktor FTR <-> iFTR: "},
        {365, "Abweichung "},
        {392, " Punkte digitalisiert"},
        {429, " shifted"},
    });
    expectCaptions(3, {
        {97, " Elements"},
        {103, "form factors"},
        {204, "backup reactivated curve:"},
        {269, " at "},
        {270, "compiled "},
        {271, " o'Clock"},
        {365, "Deviation"},
        {422, "This is probably a Paircorrelation g(r) and not a reduced Paircorrelation G(r)"},
    });
}

// The same number selects different wording per language; switching back and
// forth on one object must follow the selected language.
TEST(StringTableTest, SwitchingLanguageOnOneObject)
{
    clsLanguage language;
    language.OpenLanguageEx(3);
    EXPECT_EQ(language.Caption(92), "Cancel");
    language.OpenLanguageEx(0);
    EXPECT_EQ(language.Caption(92), "Abbrechen");
    language.OpenLanguageEx(3);
    EXPECT_EQ(language.Caption(365), "Deviation");
}
