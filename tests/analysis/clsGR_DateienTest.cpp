// G(r) from curve files with the g(r) and n(r) recognition at its bounds, the result files, their
// guard against a density of 0 and the structure values their save logs.
#include "QuellenFixture.h"
#include "SynthetischeStruktur.h"

#include "core/KurvenTyp.h"
#include "core/RegionalFormat.h"
#include "core/modString.h"

#include <algorithm>
#include <filesystem>

namespace {
constexpr double kVierPi = 4.0 * std::numbers::pi;
}

class GRDateienTest : public QuellenFixture {
protected:
    // Reads a G(r) file of the given values (200 of one value), answering the conversion question.
    bool Read(const std::vector<double>& values, zelo::MsgResult answer = zelo::MsgResult::No)
    {
        Projektdatei("probe.gr", static_cast<int32_t>(values.size()), 0.004,
                     [&values](double r) { return values[static_cast<size_t>(std::lround(r / 0.004))]; });
        seam.messages.clear();
        seam.answers = {answer};
        return gGR->Einlesen();
    }
    bool Read(double value, zelo::MsgResult answer = zelo::MsgResult::No)
    {
        return Read(std::vector<double>(200, value), answer);
    }
};

TEST_F(GRDateienTest, ConversionIsOfferedStrictlyInsideItsBounds)
{
    // Four values whose sums are exact in single precision give the means at the bounds.
    const std::vector<std::pair<float, std::vector<double>>> grenzen = {
        {0.7f, {0.5, 0.75, 0.75, double(2.8f - 2.0f)}},
        {1.7f, {1.5, 1.75, 1.75, double(6.8f - 5.0f)}},
        {10.0f, {9.0, 11.0, 10.0, 10.0}}};
    for (const auto& [mittel, werte] : grenzen) {
        ASSERT_TRUE(Read(werte));
        ASSERT_EQ(gInput->Mittelwert(), mittel);
        EXPECT_TRUE(seam.messages.empty()) << mittel;
    }
    for (const double mittel : {0.7001, 1.6999, 10.001}) {
        ASSERT_TRUE(Read(mittel));
        EXPECT_EQ(seam.messages.size(), 1u) << mittel;
    }
    EXPECT_EQ(seam.messages[0].text.substr(0, 48), "Das ist vermutlich eine radiale Dichteverteilung");
    EXPECT_FLOAT_EQ(gGR->Y(7), 10.001f);
}

TEST_F(GRDateienTest, LoadedCurveReplacesTheProjectsGridsOrNothing)
{
    gIK->Rechteck();
    ASSERT_TRUE(Read(-2.0));
    EXPECT_EQ(gIK->Punkte(), 0);
    gCommon->Set_Dateiname((env.Root() / "fehlt.gr").string());
    EXPECT_FALSE(gGR->Einlesen());
    EXPECT_EQ(gGR->Y(50), -2.0f);

    // A pair correlation without sum is kept.
    ASSERT_TRUE(Read(1.0, zelo::MsgResult::Yes));
    ASSERT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(seam.messages[1].text, "Die Summe von g(r) - 1 ist 0: g(r) kann nicht in G(r) umgerechnet werden.");
    EXPECT_EQ(gGR->Y(100), 1.0f);
}

TEST_F(GRDateienTest, PairCorrelationBecomesTheModelsGr)
{
    // g(r) of a liquid with S(0) = 0 at 60 atoms per nm³: the density of its own sum rule scales it.
    using synthetisch::G_Modell;
    const auto g = [](double r) {
        r = std::max(r, 1e-6);
        return 1.0 + G_Modell(r) / (kVierPi * synthetisch::kRho0 * r);
    };
    Projektdatei("probe.gr", 1000, 0.004, g);
    seam.answers = {zelo::MsgResult::Yes};
    ASSERT_TRUE(gGR->Einlesen());
    double groesste = 0.0;
    for (int32_t i = 1; i <= gGR->Punkte(); ++i) groesste = std::max(groesste, std::fabs(G_Modell(gGR->R(i))));
    for (int32_t i = 1; i <= gGR->Punkte(); ++i)
        ASSERT_NEAR(gGR->Y(i), G_Modell(gGR->R(i)), 0.01 * groesste) << "r = " << gGR->R(i);
}

// A G(r) read from a file, on the program's r grid: its density line ends at the tenth point, where
// the model liquid's G(r) still follows −4πρ0·r; its first peak is the model's first shell, and
// Il'inskii's radius and the packing fraction follow from this G(r), not from an earlier one.
TEST_F(GRDateienTest, AGrReadFromAFileHasItsOwnFirstPeakAndIlinskiisDensity)
{
    using synthetisch::G_Modell;
    Projektdatei("probe.gr", 1000, gOptions->Delta_r(), G_Modell);
    ASSERT_TRUE(gGR->Einlesen());
    EXPECT_EQ(gGR->Dichte_Exp_Index(), 10);
    EXPECT_NEAR(gMFE->Dichte_Experimentell(), synthetisch::kRho0, 0.01 * synthetisch::kRho0);

    const double dr = gOptions->Delta_r();
    const double erstePeak = gGR->R(gGR->First_Peak_Index());
    EXPECT_NEAR(erstePeak, 0.2838, dr) << "the model's highest point";
    EXPECT_NEAR(gGR->Raumerfuellung(), std::pow(erstePeak, 3.0) * gMFE->Dichte_Experimentell() * std::numbers::pi / 6.0 * 100.0, 0.01);
    // Where ∫₀^R r·G(r) dr of the model first falls to −1.
    double integral = 0.0;
    double R = 0.0;
    for (const double h = 1e-5; integral > -1.0; R += h) integral += h * (R + h / 2.0) * G_Modell(R + h / 2.0);
    EXPECT_NEAR(gGR->KZ_r1(), R, dr);
    EXPECT_NEAR(gGR->Dichte_Exp_Hoyer(), 3.0 / (kVierPi * R * R * R), 3.0 * dr / R * 3.0 / (kVierPi * R * R * R));
}

TEST_F(GRDateienTest, ResultFilesStartAsSpecified)
{
    ASSERT_TRUE(Read(-2.0));
    gMFE->setDichte_Experimentell(50.0f);
    for (const int32_t kind : {KT_g_r, KT_RDF, KT_Rho}) gOptions->setKurveSpeichern(kind, true);
    gGR->Speichern();

    // The first two lines of each file.
    const float r2 = gGR->R(2);
    const auto beginnt = [r2](const std::string& extension, float y2) {
        const std::string zeilen = "0\t0\r\n" + SingleToStr(r2) + "\t" + SingleToStr(y2) + "\r\n";
        return Lesen(Ergebnisdatei(extension)).starts_with(zeilen);
    };
    EXPECT_TRUE(beginnt(".rdf", gGR->RDF(2)));
    EXPECT_TRUE(beginnt(".g_r", static_cast<float>(-2.0 / (kVierPi * 50.0) / r2 + 1.0)));
    EXPECT_TRUE(beginnt(".rho", static_cast<float>(-2.0 / kVierPi / r2 + 50.0)));

}

TEST_F(GRDateienTest, DensityOfZeroWritesNoRelativeCurve)
{
    ASSERT_TRUE(Read(-2.0));
    gMFE->setDichte_Experimentell(0.0f);
    for (const int32_t kind : {KT_g_r, KT_RDF, KT_Rho}) gOptions->setKurveSpeichern(kind, true);
    ASSERT_EQ(gCommon->Ordner_Beanspruchen(), 0);
    std::ofstream(Ergebnisdatei(".g_r"), std::ios::binary) << "alt";
    gGR->Speichern();

    EXPECT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(Lesen(Ergebnisdatei(".g_r")), "alt");
    EXPECT_FALSE(std::filesystem::exists(Ergebnisdatei(".rho")));
    // The RDF is made with the density too (4πr²ρ + r·G(r)): without one it is not written either.
    EXPECT_FALSE(std::filesystem::exists(Ergebnisdatei(".rdf")));

    // The RDF alone asked for: the same message, no file.
    seam.messages.clear();
    for (const int32_t kind : {KT_g_r, KT_Rho}) gOptions->setKurveSpeichern(kind, false);
    EXPECT_FALSE(gGR->Speichern());
    EXPECT_EQ(seam.messages.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(Ergebnisdatei(".rdf")));
}

TEST_F(GRDateienTest, TheLogTellsTheCoordinationNumberOnlyWhileItHolds)
{
    ASSERT_TRUE(Read(-2.0));
    gMFE->setDichte_Experimentell(50.0f);
    for (const int32_t kind : {KT_g_r, KT_RDF, KT_Rho}) gOptions->setKurveSpeichern(kind, true);
    const auto geloggt = [this](const std::string& teil) {
        return std::count_if(seam.logLines.begin(), seam.logLines.end(),
                             [&](const std::string& z) { return z.find(teil) != std::string::npos; });
    };

    // Before any integration the save tells the density and its files, and no coordination number.
    seam.logLines.clear();
    EXPECT_TRUE(gGR->Speichern());
    EXPECT_EQ(geloggt("experimentell bestimmte Teilchenzahldichte: n = 50.000 1/nm³"), 1);
    EXPECT_EQ(geloggt("RDF gespeichert"), 1);
    EXPECT_EQ(geloggt("Koordinationszahl"), 0);
    EXPECT_EQ(geloggt("Integration von"), 0);

    // The same save again has nothing new to tell or to write.
    seam.logLines.clear();
    EXPECT_FALSE(gGR->Speichern());
    EXPECT_TRUE(seam.logLines.empty());

    // An integration is told by the next save, with its limits and value, though no file changes.
    gGR->setKZ_r1(0.1f);
    gGR->setKZ_r2(0.3f);
    gGR->KZ_Berechnen();
    seam.logLines.clear();
    EXPECT_FALSE(gGR->Speichern());
    const std::vector<std::string> erwartet = {"Integration von 0.100 nm bis 0.300 nm",
                                               "berechnete Koordinationszahl: " + zelo::FormatNumber(gGR->KZ_Wert(), 2)};
    ASSERT_EQ(seam.logLines.size(), 4u);
    EXPECT_TRUE(seam.logLines[1].ends_with(" Koordinationszahl bestimmt:"));
    EXPECT_EQ(std::vector(seam.logLines.begin() + 2, seam.logLines.end()), erwartet);

    // A moved limit or another G(r) leave the number without its integration: it is not told.
    gGR->setKZ_r1(0.2f);
    seam.logLines.clear();
    gGR->Speichern();
    EXPECT_EQ(geloggt("Koordinationszahl"), 0);
    gGR->setKZ_r1(0.1f);
    gGR->KZ_Berechnen();
    ASSERT_TRUE(Read(-3.0));
    seam.logLines.clear();
    EXPECT_TRUE(gGR->Speichern());
    EXPECT_EQ(geloggt("RDF gespeichert"), 1);
    EXPECT_EQ(geloggt("Koordinationszahl"), 0);
}
