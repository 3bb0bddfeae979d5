// The curve kinds as the user meets them: the title of each kind, and the file a curve of each kind
// leaves in the project folder under its extension when its save option is on, which for a new
// user is the option's default.
#include "core/SettingsFixture.h"
#include "core/KurvenTyp.h"
#include "core/clsCommon.h"
#include "core/clsOptions.h"
#include "curves/clsInput.h"

#include <filesystem>
#include <set>

using CurveKindTest = SettingsFixture;

namespace {

// The extensions of the files in the folder, in the letter case they were written.
std::set<std::string> Endungen(const std::filesystem::path& ordner)
{
    std::set<std::string> endungen;
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner))
        endungen.insert(eintrag.path().extension().string());
    return endungen;
}

// Offers a curve of every kind from 0 to 28 to the curve writer of a project "probe" in ordner.
void Alle_Kinds_Schreiben(const std::filesystem::path& ordner)
{
    std::filesystem::create_directories(ordner);
    gCommon->Set_Dateiname((ordner / "probe.dat").string());
    gCommon->setOrdner(ordner.string());
    const std::vector<float> y = {1.0f, 2.0f, 3.0f};
    for (int32_t kind = 0; kind <= 28; ++kind) gInput->SpeichereKurve(kind, clsInput::kQuelleIK, y);
}

}

TEST_F(CurveKindTest, TitlesTakeTheUnitLetterOfTheSetting)
{
    for (const auto& [kind, title] :
         {std::pair{1, "J(K)"}, {25, "v(K)"}, {0, ""}, {9, ""}, {28, ""}, {KT_Unbekannt, "<unbekannt>"}})
        EXPECT_EQ(Kurven_Titel(kind), title) << kind;
    gOptions->setEinheit_NM(false);
    EXPECT_EQ(Kurven_Titel(25) + Kurven_Titel(7), "v(Q)G(r)");
}

TEST_F(CurveKindTest, EachKindIsWrittenUnderItsExtensionWhenItsSaveOptionIsOn)
{
    // A new user's options write the edited and averaged spectra, the fit, the background and its
    // support points, I(K), G(r) and the structure curves; the others only when asked for.
    Alle_Kinds_Schreiben(env.Root() / "neu");
    EXPECT_EQ(Endungen(env.Root() / "neu"),
              (std::set<std::string>{".elb", ".mitt", ".fit", ".ugs", ".ik", ".Gr", ".g_r", ".rdf", ".rho", ".f_r", ".ug"}));

    // Every option on: each kind under its own extension; the kinds without one write ".dat".
    const std::set<std::string> eigene = {".elb", ".mitt", ".fit", ".ugs", ".ik", ".Gr", ".g_r", ".rdf", ".rho", ".f_r",
                                          ".ik1", ".ug", ".uge", ".ugf", ".f2m", ".fm2", ".fmk", ".Gr1", ".ikk"};
    for (int32_t kind = 1; kind <= 28; ++kind) gOptions->setKurveSpeichern(kind, true);
    Alle_Kinds_Schreiben(env.Root() / "alle");
    std::set<std::string> mitDat = eigene;
    mitDat.insert(".dat");
    EXPECT_EQ(Endungen(env.Root() / "alle"), mitDat);

    // After a restart the options of the kinds with ".dat" are off again; the others stay as set.
    Restart();
    Alle_Kinds_Schreiben(env.Root() / "danach");
    EXPECT_EQ(Endungen(env.Root() / "danach"), eigene);
}
