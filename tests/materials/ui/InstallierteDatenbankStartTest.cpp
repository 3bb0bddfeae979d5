// The program started as a user starts it: a first start installs the element database that ships
// with the program, without a message; the user's own database is never replaced, and one that cannot
// be read leaves the run on the installed table; so does a program folder that cannot be made; a
// program that carries no installed database writes the demonstration data and says so. On the installed
// database the demonstrations find their elements.
#include "ElementWindowFixture.h"

#include "core/Resources.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "core/ui/modStartup.h"
#include "core/ui/modUiGlobals.h"
#include "mainwindow/ui/frmMain.h"
#include "materials/clsFMK.h"
#include "materials/clsMFE.h"
#include "materials/modElementDatabase.h"
#include "materials/ui/ElementDataPage.h"
#include "materials/ui/frmDaten.h"
#include "materials/ui/frmSettings.h"
#include "simulation/ui/conIMC.h"
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"
#include "support/ui/Bildschirmfoto.h"
#include "widgets/fxbutton.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

std::vector<uint8_t> Bytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                 static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> Installiert()
{
    const auto bytes = Installierte_Datenbank();
    return {bytes.begin(), bytes.end()};
}

void Waehle(QComboBox* liste, const QString& text)
{
    const int index = liste->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    liste->setCurrentIndex(index);
    emit liste->activated(index);
}

void Bild(QWidget& fenster, const QString& name) { foto::Ablegen(fenster, "materials/" + name); }

class InstallierteDatenbankStart : public ::testing::Test {
protected:
    void TearDown() override
    {
        gSchritt = 0;
        if (gOptions) Programm_Beenden();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        colXAchsen.Clear();
        colElemente.Clear();
        gInitKopf = InitKopf{};
    }
    std::filesystem::path Datenbank() const { return env.DataFolder() / kElementDatabaseFile; }

    TempEnvironment env;
    RecordingSeam seam;
};

}

TEST_F(InstallierteDatenbankStart, FirstStartInstallsTheDatabaseWithoutAMessage)
{
    ASSERT_FALSE(Installiert().empty());
    Main({.waitMs = 0});
    EXPECT_TRUE(seam.messages.empty()) << "nothing is missing";
    EXPECT_EQ(Bytes(Datenbank()), Installiert());
    EXPECT_EQ(colElemente.Count(), 98);
    EXPECT_TRUE(colElemente.Item("Cf"));
    Programm_Beenden();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // The next start reads the user's copy and leaves it as it is.
    const auto geschrieben = std::filesystem::last_write_time(Datenbank());
    Main({.waitMs = 0});
    EXPECT_EQ(std::filesystem::last_write_time(Datenbank()), geschrieben);
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(InstallierteDatenbankStart, TheUsersOwnDatabaseIsNeverReplacedEvenWhenItIsDamaged)
{
    std::filesystem::create_directories(env.DataFolder());
    auto abgeschnitten = Installiert();
    abgeschnitten.resize(abgeschnitten.size() - 8);
    WriteBytes(Datenbank(), abgeschnitten);
    Main({.waitMs = 0});
    EXPECT_EQ(Bytes(Datenbank()), abgeschnitten);
    EXPECT_EQ(colElemente.Count(), 98) << "the run goes on with the installed table";
    EXPECT_EQ(seam.errorWindows, 1);
    const std::string gesagt = gError->ErrorDescription();
    for (const int32_t text : {464, 466, 467}) EXPECT_NE(gesagt.find(gLanguage->Caption(text)), std::string::npos) << text;
    EXPECT_NE(gesagt.find(Datenbank().string()), std::string::npos) << gesagt;
    EXPECT_FALSE(Zelo_Datei_Installieren(Installierte_Datenbank()));
    EXPECT_EQ(Bytes(Datenbank()), abgeschnitten);
}

TEST_F(InstallierteDatenbankStart, AProgramFolderThatCannotBeMadeGivesTheInstalledTableAndOneMessage)
{
    // No folder can be made below a regular file, not even by root.
    std::ofstream(env.Root() / "datei") << "x";
    setenv("XDG_DATA_HOME", (env.Root() / "datei").c_str(), 1);
    Main({.waitMs = 0});
    EXPECT_EQ(colElemente.Count(), 98);
    EXPECT_EQ(seam.errorWindows, 0);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_NE(seam.messages[0].text.find((env.Root() / "datei/zelo/zelo_init.dat").string()), std::string::npos);
    EXPECT_NE(seam.messages[0].text.find(gLanguage->Caption(463)), std::string::npos) << seam.messages[0].text;
}

TEST_F(InstallierteDatenbankStart, WithoutAnInstalledDatabaseTheDemonstrationDataAreWrittenAndAnnounced)
{
    Main({.waitMs = 0, .elementDatabase = {}});
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "zelo_init.dat wurde nicht gefunden.\r\nDEMO-Daten werden generiert und verwendet!");
    const auto demo = zelo::Resource("BINTABLE_102");
    EXPECT_EQ(Bytes(Datenbank()), std::vector<uint8_t>(demo.begin(), demo.end()));
    EXPECT_EQ(colElemente.Count(), 6);
}

TEST_F(InstallierteDatenbankStart, DemonstrationSpectrumOfAlCrFindsBothElementsWithDensitiesAndTables)
{
    Main({.waitMs = 0});
    gfrmMain->mnuDEMOJK->trigger();
    auto* w = gfrmMain->findChild<frmSettings*>();
    ASSERT_TRUE(w && w->isVisible());
    while (w->Komponenten() != 2) w->CmdKomponente[0]->Click();
    const std::array<std::tuple<QString, QString, float>, 2> zeilen = {
        std::tuple{"Al", "Aluminium", 2.6989f}, {"Cr", "Chrom", 7.19f}};
    for (size_t i = 0; i < zeilen.size(); ++i) {
        const auto& [symbol, name, dichte] = zeilen[i];
        SCOPED_TRACE(symbol.toStdString());
        Waehle(w->cmbElement[i], symbol);
        EXPECT_EQ(w->lblElement[i]->text(), name);
        Waehle(w->cmdDichte[i], QString::fromStdString(gLanguage->Caption(183)));  // crystalline
        EXPECT_FLOAT_EQ(StrToSingle(w->txtDichte[i]->text().toStdString()), dichte);
        const int32_t tabelle = w->cmbFMK[i]->currentData().toInt();
        ASSERT_GT(tabelle, 0) << "an electron table of the element is chosen";
        EXPECT_EQ(gFMK->FMK_Intern_Symbol(tabelle), symbol.toStdString());
        EXPECT_EQ(gFMK->Formfaktor_Typ(tabelle), FT_Elektronen);
    }
    w->txtProzent[0]->setText("50");
    EXPECT_TRUE(w->cmdOK->isEnabled());
    Bild(*w, "frmSettings_DemoAlCr.png");
    w->close();
}

TEST_F(InstallierteDatenbankStart, SimulationDemonstrationOfAg73Sn27FindsItsElements)
{
    Main({.waitMs = 0});
    gfrmMain->mnuIMC->trigger();
    conIMC* panel = gfrmMain->conIMC1;
    panel->cmdIKladen_Click(0);
    EXPECT_EQ(panel->lbllegierung->text(), "Legierung: Ag73Sn27");
    EXPECT_EQ(panel->lblAtome->text(), "500 insges.");

    // The alloy it names is in the database, with masses, densities and electron tables; its
    // crystalline elements pack a little denser than the demonstration's 46 atoms per nm³ of the melt.
    gMFE->setKomponenten(2);
    gMFE->Komponente(1, "Ag", 73.0f, gMFE->Element_Dichte("Ag", DQ_Kristallin), 1.0f);
    gMFE->Komponente(2, "Sn", 27.0f, gMFE->Element_Dichte("Sn", DQ_Kristallin), 4.0f);
    gMFE->Berechne();
    EXPECT_FLOAT_EQ(gMFE->Komponente_Masse(1), 107.8682f);
    EXPECT_FLOAT_EQ(gMFE->Komponente_Masse(2), 118.71f);
    EXPECT_GT(gMFE->Dichte_Theoretisch(), 46.0f);
    EXPECT_LT(gMFE->Dichte_Theoretisch(), 46.0f * 1.15f);
    for (const std::string symbol : {"Ag", "Sn"}) {
        std::vector<int32_t> tabellen;
        EXPECT_EQ(gFMK->Formfaktor_Tabellen(symbol, tabellen), 3) << symbol << ": electrons, X-rays, neutrons";
    }
    Bild(*panel, "conIMC_Ag73Sn27.png");
}

namespace {

// The element table window on the installed database.
class InstallierteElementtabelle : public ElementWindowFixture {
protected:
    void SetUp() override { Main({.waitMs = 0}); }
};

}

TEST_F(InstallierteElementtabelle, ShowingEveryElementWritesNothing)
{
    const auto vorher = DatabaseBytes();
    frmDaten* window = Open();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->lstElemente->count(), 98);
    for (int row = window->lstElemente->count() - 1; row >= 0; --row) window->lstElemente->setCurrentRow(row);
    Pick(window, "Cu - Kupfer");
    EXPECT_EQ(window->Daten->txtInfo[ElementDataPage::Symbol]->text(), "Cu");
    EXPECT_EQ(window->Daten->txtInfo[ElementDataPage::OZ]->text(), "29");
    EXPECT_EQ(window->Daten->txtInfo[ElementDataPage::DichteFluessig]->text(), "-3E+38") << "the window's no value";
    EXPECT_EQ(window->Daten->txtInfo[ElementDataPage::DichteKristallin]->text(), "8.96");
    Bild(*window, "frmDaten_Kupfer.png");
    Click(window->cmdOK);
    EXPECT_EQ(DatabaseBytes(), vorher);
    EXPECT_TRUE(seam.messages.empty());
}
