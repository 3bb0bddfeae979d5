// The background panel on the generated evaluation: the store of support-point sets and putting one
// back, the shifts, and the overlays that cannot be drawn.
#include "PanelFixture.h"

#include "core/KurvenTyp.h"
#include "materials/clsMFE.h"
#include "panels/conUG.h"
#include "widgets/fxbutton.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>

#include <cmath>
#include <filesystem>
#include <fstream>

class conUGTest : public PanelFixture {
protected:
    void SetUp() override
    {
        PanelFixture::SetUp();
        Gemittelt();
        Seitenfit();
        ASSERT_TRUE(gCalc->FitUebernehmen());
        Einsetzen(panel);
    }
    // n support points along the generated background.
    static void Punkte(int32_t n)
    {
        gUntergrund->Clear();
        for (int32_t i = 1; i <= n; ++i) {
            const float K = 2.0f + 110.0f * static_cast<float>(i - 1) / static_cast<float>(n - 1);
            gUntergrund->Plus_Punkt(K, static_cast<float>(Untergrund(K)));
        }
    }
    static std::vector<std::pair<float, float>> Stuetzstellen()
    {
        std::vector<std::pair<float, float>> punkte;
        for (int32_t i = 1; i <= gUntergrund->Anzahl(); ++i)
            punkte.emplace_back(gUntergrund->UX(i), gUntergrund->UY(i));
        return punkte;
    }

    conUG panel;
};

TEST_F(conUGTest, StoredSetsAreListedAndOneIsPutBackOnlyOnYes)
{
    // The store exists before the first Init.
    Punkte(12);
    panel.UG_SS_Speichern();
    Punkte(17);
    const auto siebzehn = Stuetzstellen();
    panel.UG_SS_Speichern();
    ASSERT_EQ(panel.List1->count(), 2);
    EXPECT_EQ(panel.List1->item(0)->text(), "UG 1 - 12 SS");
    EXPECT_EQ(panel.List1->item(1)->text(), "UG 2 - 17 SS");

    // Nothing chosen: the button is off and the points stay.
    Punkte(5);
    EXPECT_FALSE(panel.cmdUG[0]->isEnabled());
    panel.cmdUG_Click(0);
    EXPECT_EQ(gUntergrund->Anzahl(), 5);

    panel.List1->setCurrentRow(1);
    ASSERT_TRUE(panel.cmdUG[0]->isEnabled());
    seam.answers = {zelo::MsgResult::No, zelo::MsgResult::Yes};
    panel.cmdUG[0]->Click();
    EXPECT_EQ(gUntergrund->Anzahl(), 5);
    panel.cmdUG[0]->Click();
    EXPECT_EQ(Stuetzstellen(), siebzehn);
    ASSERT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(seam.messages[1].text, "Aktuellen Untergrund mit Untergrund Nr. 2 ersetzen?");
    EXPECT_EQ(panel.Label1->text().left(15), "17 Stützstellen");

    panel.Init();
    EXPECT_EQ(panel.List1->count(), 0);
}

TEST_F(conUGTest, LogShiftUpThenDownRestoresEveryPoint)
{
    Punkte(12);
    const auto vorher = Stuetzstellen();
    panel.cmdMove[0]->Click();
    EXPECT_NEAR(gUntergrund->UY(3), vorher[2].second * std::exp(0.05), vorher[2].second * 1e-6);
    panel.cmdMove[1]->Click();
    for (size_t i = 0; i < vorher.size(); ++i) {
        const float y = vorher[i].second;
        EXPECT_LE(std::fabs(gUntergrund->UY(static_cast<int32_t>(i + 1)) - y), std::nextafter(y, 2 * y) - y) << i;
    }
}

TEST_F(conUGTest, OverlaysThatCannotBeScaledAreSkippedAndTheRestIsDrawn)
{
    Punkte(12);
    gGrafik->Zeichne_Kurve(KT_UG_Stuetzstellen);
    panel.Init();
    panel.Aktualisieren();
    const QImage ohne = haupt.grab().toImage();
    gMFE->setDichte_Theoretisch(0.0f);
    panel.chkNf->setChecked(true);
    panel.Aktualisieren();
    EXPECT_EQ(seam.errorWindows, 1) << "reported once";
    EXPECT_EQ(haupt.grab().toImage(), ohne) << "the support points are still drawn";

    gMFE->setDichte_Theoretisch(100.0f);
    panel.chkOhneUG->setChecked(true);
    panel.chkDiff->setChecked(true);
    panel.chkFMK[0]->setChecked(true);
    EXPECT_EQ(seam.errorWindows, 1);
    Speichern(haupt, "conUG_Ueberlagerungen.png");
    Bilder("conUG", [this] { panel.SpracheUmstellen(); });
}

TEST_F(conUGTest, TheFolderButtonTakesTheProjectsOwnSupportPointsBeforeTheFirstOfTheFolder)
{
    // A glass project beside a boron one: the boron's file comes first by name.
    const auto ordner = env.Root() / "proben";
    std::filesystem::create_directories(ordner);
    const auto schreiben = [&](const char* name, float y) {
        std::ofstream datei(ordner / name, std::ios::binary);
        for (const float K : {5.0f, 20.0f, 40.0f, 60.0f, 80.0f}) datei << K << "\t" << y << "\r\n";
    };
    schreiben("bor.ugs", 100.0f);
    schreiben("glas.ugs", 200.0f);
    gCommon->Pfad_Zerlegen((ordner / "glas.dat").string(), false);
    panel.SpracheUmstellen();
    ASSERT_TRUE(panel.cmdUG[4]->isEnabled());
    const QString trenner = QDir::separator();
    EXPECT_EQ(panel.cmdUG[4]->Caption(), "öffnen [..." + trenner + "glas.ugs]");
    panel.cmdUG[4]->Click();
    ASSERT_EQ(gUntergrund->Anzahl(), 5);
    EXPECT_EQ(gUntergrund->UY(1), 200.0f) << "the glass's own points";
    Bilder("conUG_eigene_Datei", [this] { panel.SpracheUmstellen(); });

    // A project without its own file is offered the first of the folder.
    gCommon->Pfad_Zerlegen((ordner / "kupfer.dat").string(), false);
    panel.SpracheUmstellen();
    EXPECT_EQ(panel.cmdUG[4]->Caption(), "öffnen [..." + trenner + "bor.ugs]");
}
