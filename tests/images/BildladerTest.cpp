// Pictures decoded on a worker thread: the newest request's picture arrives, an overtaken or
// dropped one never does, and a failure waits to be reported on the caller's thread.
#include "images/Bildlader.h"

#include "core/clsError.h"
#include "core/modCommon.h"
#include "support/TestBilder.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

class BildladerTest : public ::testing::Test {
protected:
    std::string Datei(const std::string& name) const { return (world.env.Root() / name).string(); }
    // Waits (at most a minute) until the worker has told of a result and fetches it.
    std::optional<Bildlader::Ergebnis> Abwarten()
    {
        const auto ende = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        while (fertig == 0 && std::chrono::steady_clock::now() < ende)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        return lader.Abholen();
    }
    TestWorld world;
    std::atomic<int> fertig{0};
    Bildlader lader{[this] { ++fertig; }};
};

}

TEST_F(BildladerTest, ARequestGivesItsPictureAndAFailureWaitsToBeReportedHere)
{
    Bild_Schreiben(Datei("a.png"), 30, 20, [](int32_t x, int32_t) { return Grau(static_cast<uint32_t>(x)); });
    const uint64_t nummer = lader.Laden(Datei("a.png"), true, nullptr);
    std::optional<Bildlader::Ergebnis> ergebnis = Abwarten();
    ASSERT_TRUE(ergebnis);
    EXPECT_EQ(ergebnis->nummer, nummer);
    EXPECT_EQ(ergebnis->lader, Lader_FreeImage);
    EXPECT_EQ(ergebnis->bild->Image_Width(), 30);
    EXPECT_EQ(ergebnis->bild->Image_GetPixelColor(7, 3), 65793 * 7);
    EXPECT_FALSE(ergebnis->bild->Fehler_Melden());

    fertig = 0;
    const size_t meldungen = world.seam.messages.size();
    lader.Laden(Datei("fehlt.png"), true, nullptr);
    ergebnis = Abwarten();
    ASSERT_TRUE(ergebnis);
    EXPECT_EQ(ergebnis->lader, 0);
    EXPECT_EQ(world.seam.messages.size(), meldungen) << "nothing is shown from the worker";
    EXPECT_TRUE(ergebnis->bild->Fehler_Melden());
    EXPECT_EQ(world.seam.messages.size(), meldungen + 1);
    EXPECT_EQ(world.seam.errorWindows, 0);
    EXPECT_EQ(gError->ErrorNumber(), 99991);
}

TEST_F(BildladerTest, OnlyTheNewestRequestArrivesAndADroppedOneNever)
{
    // The first picture takes a while to decode; the second is asked for at once.
    Bild_Schreiben(Datei("gross.png"), 3000, 3000, [](int32_t x, int32_t y) { return static_cast<uint32_t>(x * 131 + y * 17); });
    Bild_Schreiben(Datei("klein.png"), 12, 9, [](int32_t, int32_t) { return Grau(90); });
    lader.Laden(Datei("gross.png"), true, nullptr);
    const uint64_t zweite = lader.Laden(Datei("klein.png"), true, nullptr);
    std::optional<Bildlader::Ergebnis> ergebnis = Abwarten();
    ASSERT_TRUE(ergebnis);
    EXPECT_EQ(ergebnis->nummer, zweite);
    EXPECT_EQ(ergebnis->bild->Image_Width(), 12);
    EXPECT_EQ(fertig, 1) << "the first picture was never handed over";

    // Dropped while it decodes: the worker finishes it and lets it go.
    fertig = 0;
    lader.Laden(Datei("gross.png"), true, nullptr);
    lader.Verwerfen();
    const uint64_t dritte = lader.Laden(Datei("klein.png"), true, nullptr);
    ergebnis = Abwarten();
    ASSERT_TRUE(ergebnis);
    EXPECT_EQ(ergebnis->nummer, dritte);
    lader.Verwerfen();
    EXPECT_FALSE(lader.Abholen());
}
