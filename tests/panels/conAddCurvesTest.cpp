// The spectrum averaging panel on a raw spectrum: adding through a plain file dialog, sliding,
// removing, averaging, "+" without the project's x factor, and files it cannot use.
#include "PanelImRahmen.h"

#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "curves/clsCalc.h"
#include "curves/clsInput.h"
#include "panels/PanelZahlen.h"
#include "panels/conAddCurves.h"
#include "widgets/fxbutton.h"

#include <QLabel>
#include <QListWidget>
#include <QScrollBar>

#include <fstream>

namespace {

class AddCurves : public PanelImRahmen<conAddCurves> {
protected:
    void SetUp() override
    {
        PanelImRahmen::SetUp();
        Rohspektrum_Starten();
        panel->Init();
    }
    // Another measurement of the sample: the project's spectrum a little weaker.
    std::string Weitere(const std::string& name)
    {
        return Rohspektrum(name, 30.0, [](double K) { return 5e5 / (1.0 + K * K / 50.0) + 2e3; });
    }
    void Hinzufuegen(const std::string& pfad)
    {
        seam.dialogAnswers.push_back(pfad);
        emit panel->cmdPlusMinus[0]->Click();
    }
};

}

TEST_F(AddCurves, AddSlideRemoveAndAverage)
{
    EXPECT_EQ(panel->scrXStart->minimum(), rt::CLng(gCalc->Minimum_X() * 20.0));
    EXPECT_EQ(panel->scrXStart->maximum(), rt::CLng(gCalc->Maximum_X() * 20.0));
    const std::string a = Weitere("a.dat"), b = Weitere("b.dat");
    Hinzufuegen(a);
    // A measurement over a quarter of the range lies about the same beam centre.
    const float anfang = panel->Spektren().Spektrum(1).X_Start();
    EXPECT_NEAR(anfang, -30.0f, 0.01f);
    Hinzufuegen(b);
    Hinzufuegen(a);
    seam.dialogAnswers.clear();
    emit panel->cmdPlusMinus[0]->Click();  // cancelled
    EXPECT_EQ(panel->List1->count(), 2);

    panel->List1->setCurrentRow(1);
    EXPECT_TRUE(panel->cmdPlusMinus[1]->isEnabled());
    panel->scrXStart->setValue(-155);
    EXPECT_FLOAT_EQ(panel->Spektren().Spektrum(2).X_Start(), -15.5f);
    EXPECT_TRUE(panel->Label1->text().startsWith("Position: -15"));
    Speichern(haupt, "conAddCurves_Diagramm.png");
    Bilder("conAddCurves", [] {});

    emit panel->cmdPlusMinus[1]->Click();
    EXPECT_EQ(panel->Kurve_Index(), 0);
    EXPECT_FALSE(panel->cmdPlusMinus[1]->isEnabled());
    ASSERT_EQ(panel->List1->count(), 1);
    EXPECT_EQ(panel->List1->item(0)->text().toStdString(), a);
    panel->scrXStart->setValue(30);
    EXPECT_EQ(panel->Spektren().Spektrum(1).X_Start(), anfang) << "nothing selected, nothing moves";

    const int32_t i = gCalc->Index(10.0f);
    const float vorher = gCalc->Y(i);
    emit panel->cmdMitteln->Click();
    EXPECT_LT(gCalc->Y(i), vorher);
    EXPECT_TRUE(panel->isHidden());
}

TEST_F(AddCurves, WithoutAnXFactorNothingCanBeAdded)
{
    gOptions->setFaktor_X(0.0f);
    panel->Init();
    EXPECT_FALSE(panel->cmdPlusMinus[0]->isEnabled());
    EXPECT_FALSE(panel->lblHinweis->text().isEmpty());
}

TEST_F(AddCurves, TheRawSpectrumAddedToItselfLiesOnItAndAveragesToItself)
{
    std::vector<float> vorher;
    for (int32_t i = 1; i <= gCalc->Punkte(); ++i) vorher.push_back(gCalc->Y(i));
    Hinzufuegen(gCommon->Dateiname_Rohdaten());
    ASSERT_EQ(panel->List1->count(), 1);
    // The only spectrum is chosen: "-" works and the scroll bar shows where it lies, the working
    // spectrum's start, without moving it.
    EXPECT_EQ(panel->Kurve_Index(), 1);
    EXPECT_TRUE(panel->List1->item(0)->isSelected());
    EXPECT_TRUE(panel->cmdPlusMinus[1]->isEnabled());
    EXPECT_NEAR(panel->Spektren().Spektrum(1).X_Start(), gCalc->x(1), 1e-4f);
    EXPECT_EQ(panel->scrXStart->value(), rt::CLng(10.0 * gCalc->x(1)));
    EXPECT_EQ(panel->Label1->text().toStdString(), "Position: " + Lokale_Zahl(float(panel->scrXStart->value()) / 10.0f));
    Speichern(haupt, "conAddCurves_selbst.png");
    Bilder("conAddCurves_selbst", [] {});

    // A second spectrum leaves the choice alone; "-" removes the chosen one.
    const std::string a = Weitere("a.dat");
    Hinzufuegen(a);
    EXPECT_EQ(panel->Kurve_Index(), 1);
    emit panel->cmdPlusMinus[1]->Click();
    ASSERT_EQ(panel->List1->count(), 1);
    EXPECT_EQ(panel->List1->item(0)->text().toStdString(), a);
    panel->List1->setCurrentRow(0);
    emit panel->cmdPlusMinus[1]->Click();
    ASSERT_EQ(panel->List1->count(), 0);

    Hinzufuegen(gCommon->Dateiname_Rohdaten());
    emit panel->cmdMitteln->Click();
    for (int32_t i = 1; i <= gCalc->Punkte(); ++i)
        ASSERT_EQ(gCalc->Y(i), vorher[static_cast<size_t>(i - 1)]) << "point " << i;
}

TEST_F(AddCurves, OffersTheSpectraItReadsAndTellsPlainlyWhatAFileLacks)
{
    const auto schreiben = [this](const std::string& name, const std::string& inhalt) {
        const std::string pfad = (env.Root() / name).string();
        std::ofstream(pfad, std::ios::binary) << inhalt;
        return pfad;
    };
    const std::string kurve = schreiben("seiten.fi1", "0\t5\r\n0.1\t6\r\n0.2\t7\r\n0.3\t8\r\n");
    const std::string kurz = schreiben("kurz.dat", "0 100 5\r\n1 100 6\r\n");
    const std::string ordner = (env.Root() / "ordner.dat").string();
    std::filesystem::create_directory(ordner);
    for (const std::string& pfad : {kurve, kurz, ordner}) {
        seam.messages.clear();
        Hinzufuegen(pfad);
        ASSERT_EQ(seam.messages.size(), 1u) << pfad;
        const std::string& text = seam.messages[0].text;
        EXPECT_TRUE(text.starts_with(pfad + ":")) << text;
        EXPECT_NE(text.find(gLanguage->Caption(641)), std::string::npos) << "what the averaging needs";
        EXPECT_EQ(seam.messages[0].buttons, zelo::MsgButtons::OK);
    }
    // A folder is told as no ordinary file, its path once.
    EXPECT_EQ(seam.messages[0].text, ordner + ":\r\n" + gLanguage->Caption(640) + " (" + gLanguage->Caption(676) + ").\r\n" +
                                         gLanguage->Caption(641));
    EXPECT_EQ(seam.errorWindows, 0);
    EXPECT_EQ(panel->List1->count(), 0);

    ASSERT_FALSE(seam.dialogs.empty());
    const auto& filter = seam.dialogs.back().filters;
    ASSERT_EQ(filter.size(), 2u);
    EXPECT_EQ(filter[0].patterns, "*.dat;*.elb");
    EXPECT_EQ(filter[1].patterns, "*.*");
    EXPECT_EQ(seam.dialogs.back().startFolder, gCommon->Dateiname_NurOrdner());

    // Refused silently for the panel, a spectrum that cannot be read still shows the error window
    // when a project opens it.
    gCommon->Set_Dateiname(kurz);
    EXPECT_FALSE(gCalc->Beugung_oeffnen());
    EXPECT_EQ(seam.errorWindows, 1);
}
