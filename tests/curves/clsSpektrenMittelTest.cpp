// Averaging further raw spectra into the working spectrum: measuring times, duplicates, the
// project's names, and the offset as drawn.
#include "curves/clsSpektrenMittel.h"

#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "curves/clsInput.h"
#include "support/Pipenwache.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

namespace {

class SpektrenMittel : public testing::Test, protected TestWorld {
protected:
    void SetUp() override
    {
        // Working spectrum: y = x on 0..20 in steps of 0.1; raw x is twice the curve's x.
        for (int32_t i = 1; i <= 201; ++i) gCalc->Punkte_Plus((i - 1) * 0.1f, (i - 1) * 0.1f);
        gOptions->setFaktor_X(2.0f);
        gCommon->setEnable_Record(true);
    }
    // A raw spectrum at raw x 0, 0.2, ... 40 with the measuring time given, of y = wert(x) on the
    // working curve's axis.
    std::string Spektrum(const std::string& name, int32_t zeit, double (*wert)(double))
    {
        const auto pfad = env.Root() / name;
        std::ofstream datei(pfad, std::ios::binary);
        for (int32_t i = 0; i <= 200; ++i)
            datei << i * 0.2 << " " << zeit << " " << wert(i * 0.2 / gOptions->Faktor_X()) * zeit / 100.0 << "\r\n";
        return pfad.string();
    }
    std::string Letzte_Zeile() const { return seam.logLines.empty() ? "" : seam.logLines.back(); }

    clsSpektrenMittel mittel;
};

double Zehn(double) { return 10.0; }
// The working spectrum's y = x, to be slid right by 3.
double Versetzt(double x) { return x + 3.0; }

}

TEST_F(SpektrenMittel, WithoutAddedSpectraNothingChanges)
{
    gCommon->Set_Dateiname((env.Root() / "projekt.dat").string());
    mittel.Mitteln();
    for (int32_t i = 1; i <= gCalc->Punkte(); ++i) ASSERT_FLOAT_EQ(gCalc->Y(i), (i - 1) * 0.1f);
    EXPECT_EQ(Letzte_Zeile(), "mittlere Messzeit nach Mittelung: 0 ms");
    EXPECT_FALSE(std::filesystem::exists(gCommon->Ordner())) << "no averaged spectrum to write";
}

TEST_F(SpektrenMittel, RemovingDropsOnlyThatFile)
{
    const std::string a = Spektrum("a.dat", 100, Zehn);
    mittel.Hinzufuegen(a);
    mittel.Hinzufuegen(Spektrum("b.dat", 100, Zehn));
    EXPECT_FALSE(mittel.Entfernen("c.dat"));
    EXPECT_TRUE(mittel.Entfernen(a));
    ASSERT_EQ(mittel.Anzahl(), 1);
    EXPECT_NE(mittel.Spektrum(1).Dateiname(), a);
}

TEST_F(SpektrenMittel, AddsEachFileOnceLeavesTheProjectAloneAndAveragesWhereDrawn)
{
    gCommon->Set_Dateiname((env.Root() / "projekt.dat").string());
    const std::string ordner = gCommon->Ordner(), name = gCommon->Dateiname(), datei = gCommon->Dateiname_Rohdaten();
    const std::string a = Spektrum("a.dat", 600, Zehn);
    using E = clsSpektrenMittel::Hinzufuegen_Ergebnis;
    EXPECT_EQ(mittel.Hinzufuegen(a), E::Hinzugefuegt);
    EXPECT_EQ(mittel.Hinzufuegen((env.Root() / "." / "a.dat").string()), E::Schon_Vorhanden);
    EXPECT_EQ(mittel.Hinzufuegen(Spektrum("b.dat", 650, Zehn)), E::Hinzugefuegt);
    EXPECT_EQ(mittel.Hinzufuegen((env.Root() / "fehlt.dat").string()), E::Nicht_Lesbar);
    EXPECT_EQ(mittel.Anzahl(), 2);
    EXPECT_EQ(gCommon->Ordner(), ordner);
    EXPECT_EQ(gCommon->Dateiname(), name);
    EXPECT_EQ(gCommon->Dateiname_Rohdaten(), datei);

    mittel.Mitteln();
    EXPECT_EQ(Letzte_Zeile(), "mittlere Messzeit nach Mittelung: 1250 ms");
    EXPECT_EQ(mittel.Anzahl(), 0);
    EXPECT_NEAR(gCalc->Y(101), (10.0f + 10.0f + 10.0f) / 3.0f, 1e-3f);
    // The averaged spectrum is the project's edited raw data, on the working curve's x.
    std::ifstream elb(ordner + "projekt.elb");
    std::vector<std::pair<float, float>> paare;
    for (float x, y; elb >> x >> y;) paare.emplace_back(x, y);
    ASSERT_EQ(paare.size(), size_t(gCalc->Punkte()));
    for (const int32_t i : {1, 101, 201}) {
        EXPECT_FLOAT_EQ(paare[size_t(i - 1)].first, gCalc->x(i)) << "point " << i;
        EXPECT_NEAR(paare[size_t(i - 1)].second, gCalc->Y(i), 1e-6f * gCalc->Y(i)) << "seven digits, point " << i;
    }

    gCalc->Punkte_Loeschen();
    SetUp();
    // A step of 0.05 on the curve's axis, half the K step: averaged at the K step, the spectrum
    // would be read twice as far along as it is drawn.
    gOptions->setFaktor_X(4.0f);
    ASSERT_EQ(mittel.Hinzufuegen(Spektrum("versetzt.dat", 100, Versetzt)), clsSpektrenMittel::Hinzufuegen_Ergebnis::Hinzugefuegt);
    clsInput& s = mittel.Spektrum(1);
    // Slid by 3, as the scroll bar sets it: point k is drawn at x = (k - 1) * 0.05 + 3 with y = x.
    s.setX_Start(3.0f);
    EXPECT_NEAR(clsSpektrenMittel::X(s, 101), 8.0f, 1e-5f);
    mittel.Mitteln();
    for (const int32_t i : {1, 30, 31, 120, 201}) {
        const float x = (i - 1) * 0.1f;
        EXPECT_NEAR(gCalc->Y(i), x, 2e-3f) << "point " << i << ": left of the offset alone, beyond it with its equal";
    }
}

TEST_F(SpektrenMittel, AnAddedSpectrumLiesOnTheWorkingSpectrumsPointsOfTheSameX)
{
    // A raw spectrum read as a project reads it, its middle point at x = 0: the working curve starts
    // at x = -10, not at the added spectrum's own 0. Its y is its own raw x / 2 + 3.
    gCalc->Punkte_Loeschen();
    const std::string datei = Spektrum("roh.dat", 100, Versetzt);
    // As a project opens it: the averaged spectrum goes to its results folder.
    gCommon->Set_Dateiname(datei);
    StartStageStore();
    ASSERT_TRUE(gCalc->Beugung_oeffnen());
    ASSERT_NEAR(gCalc->x(1), -10.0f, 1e-4f);
    std::vector<float> vorher;
    for (int32_t i = 1; i <= gCalc->Punkte(); ++i) vorher.push_back(gCalc->Y(i));

    // The same spectrum lies point on point and averages to itself.
    ASSERT_EQ(mittel.Hinzufuegen(datei), clsSpektrenMittel::Hinzufuegen_Ergebnis::Hinzugefuegt);
    const clsInput& s = mittel.Spektrum(1);
    for (const int32_t i : {1, 100, 201}) EXPECT_NEAR(clsSpektrenMittel::X(s, i), gCalc->x(i), 1e-4f) << "point " << i;
    mittel.Mitteln();
    for (int32_t i = 1; i <= gCalc->Punkte(); ++i)
        ASSERT_EQ(gCalc->Y(i), vorher[static_cast<size_t>(i - 1)]) << "point " << i << " of a spectrum averaged with itself";

    // The same sample measured over half the range (-5..5 about the beam): its middle at x = 0, where
    // its values equal the working spectrum's, which therefore stay.
    const auto kurz = env.Root() / "kurz.dat";
    {
        std::ofstream f(kurz, std::ios::binary);
        for (int32_t j = 0; j <= 100; ++j) f << j * 0.2 << " 100 " << (j - 50) * 0.1 + 13.0 << "\r\n";
    }
    ASSERT_EQ(mittel.Hinzufuegen(kurz.string()), clsSpektrenMittel::Hinzufuegen_Ergebnis::Hinzugefuegt);
    EXPECT_NEAR(mittel.Spektrum(1).X_Start(), -5.0f, 1e-4f);
    mittel.Mitteln();
    for (int32_t i = 1; i <= gCalc->Punkte(); ++i)
        ASSERT_NEAR(gCalc->Y(i), vorher[static_cast<size_t>(i - 1)], 1e-3f) << "point " << i << " at x = " << gCalc->x(i);
}

TEST_F(SpektrenMittel, AnAveragedSpectrumAddedAgainLiesWhereItWasWrittenAndUnusableFilesShowNoWindow)
{
    gCommon->Set_Dateiname((env.Root() / "projekt.dat").string());
    ASSERT_EQ(mittel.Hinzufuegen(Spektrum("a.dat", 100, Versetzt)), clsSpektrenMittel::Hinzufuegen_Ergebnis::Hinzugefuegt);
    mittel.Mitteln();
    std::vector<float> vorher;
    for (int32_t i = 1; i <= gCalc->Punkte(); ++i) vorher.push_back(gCalc->Y(i));

    // Its x are the working curve's already: the x factor of 2 does not apply again.
    ASSERT_EQ(mittel.Hinzufuegen(gCommon->Ordner() + "projekt.elb"), clsSpektrenMittel::Hinzufuegen_Ergebnis::Hinzugefuegt);
    const clsInput& s = mittel.Spektrum(1);
    for (const int32_t i : {1, 100, 201}) EXPECT_NEAR(clsSpektrenMittel::X(s, i), gCalc->x(i), 1e-4f) << "point " << i;
    EXPECT_EQ(mittel.Messzeit(), 0.0f);
    mittel.Mitteln();
    for (int32_t i = 1; i <= gCalc->Punkte(); ++i)
        ASSERT_NEAR(gCalc->Y(i), vorher[size_t(i - 1)], 1e-5f * vorher[size_t(i - 1)]) << "point " << i;

    // A side fit, a spectrum of two points, a missing file, a named pipe, a folder and a device are
    // refused without a window; the description says which file and why.
    const auto pfad = [this](const char* name, const char* inhalt) {
        std::ofstream(env.Root() / name, std::ios::binary) << inhalt;
        return (env.Root() / name).string();
    };
    const Pipenwache pipe(env.Root() / "pipe.dat");
    std::filesystem::create_directories(env.Root() / "ordner.dat");
    for (const std::string& datei : {pfad("seiten.fi1", "0\t5\r\n0.1\t6\r\n0.2\t7\r\n0.3\t8\r\n"),
                                     pfad("kurz.dat", "0 100 5\r\n1 100 6\r\n"), (env.Root() / "fehlt.dat").string(),
                                     pipe.Pfad(), (env.Root() / "ordner.dat").string(), std::string("/dev/zero")}) {
        EXPECT_EQ(mittel.Hinzufuegen(datei), clsSpektrenMittel::Hinzufuegen_Ergebnis::Nicht_Lesbar) << datei;
        EXPECT_NE(gError->ErrorDescription().find(datei), std::string::npos) << gError->ErrorDescription();
    }
    EXPECT_FALSE(pipe.Freigegeben()) << "the pipe was opened and waited for a writer";
    EXPECT_EQ(seam.errorWindows, 0);
    EXPECT_EQ(mittel.Anzahl(), 0);
}
