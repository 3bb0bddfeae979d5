#include "ElementWindowFixture.h"

#include "core/modString.h"
#include "materials/clsElement.h"
#include "materials/clsFMK.h"
#include "materials/ui/ElementDataPage.h"
#include "materials/ui/FormFactorPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>

namespace {

using Box = ElementDataPage::Box;

QLineEdit* Box_(frmDaten* window, Box box) { return window->Daten->txtInfo[box]; }

}

using ElementWindow = ElementWindowFixture;

TEST_F(ElementWindow, OpensFromTheMenuWithCountsSortedListAndTheFirstElementReady)
{
    frmDaten* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Label1->text(), "6 Elemente\n6 Formfaktoren");
    EXPECT_EQ(Entries(window->lstElemente), (QStringList{"B - Bor", "Be - Beryllium", "C - Kohlenstoff",
                                                         "H - Wasserstoff", "He - Helium", "Li - Lithium"}));
    EXPECT_EQ(Box_(window, Box::Symbol)->text(), "B");
    EXPECT_TRUE(window->Geladen()) << "edits of the first element count";
    gfrmMain->mnuDaten->trigger();
    EXPECT_EQ(gfrmMain->findChildren<frmDaten*>().size(), 1);
}

TEST_F(ElementWindow, ShowingElementsWithoutEditsWritesNothing)
{
    const auto before = DatabaseBytes();
    frmDaten* window = Open();
    for (int row = 5; row >= 0; --row) window->lstElemente->setCurrentRow(row);
    Click(window->cmdOK);
    EXPECT_EQ(DatabaseBytes(), before);
}

TEST_F(ElementWindow, AnEditIsSavedWhenAnotherElementIsPicked)
{
    frmDaten* window = Open();
    const int revision = Revision();
    Box_(window, Box::Name)->setText("Bor-Test");
    Box_(window, Box::DichteKristallin)->setText("0");
    Box_(window, Box::Atomradius)->setText("85,5");
    Box_(window, Box::Siedetemperatur)->setText("n/a");
    Box_(window, Box::Schmelztemperatur)->setText("");
    window->Daten->cmbDichte[2]->setCurrentIndex(2);
    window->Daten->chkOrbital[2]->click();  // 2p off
    Pick(window, "C - Kohlenstoff");

    EXPECT_EQ(Revision(), revision + 2);
    const auto bor = colElemente.Item("B");
    EXPECT_EQ(bor->name(), "Bor-Test");
    EXPECT_FLOAT_EQ(bor->Dichte_Kristallin(), 0.001f);
    EXPECT_FLOAT_EQ(bor->Atomradius(), 85.5f);
    EXPECT_EQ(bor->Siedetemperatur(), Kein_Wert);
    EXPECT_EQ(bor->Schmelztemperatur(), 0.0f) << "an empty box reads as 0";
    EXPECT_EQ(bor->Dichte_Bemerkung_Amorph(), 2);
    EXPECT_EQ(bor->Elektronen(2), 0);

    // The next start reads the edit back.
    Click(window->cmdOK);
    Zelo_Oeffnen();  // as the next start does
    EXPECT_EQ(colElemente.Item("B")->name(), "Bor-Test");
}

TEST_F(ElementWindow, NewElementWithoutSymbolIsNamedAfterTheDay)
{
    frmDaten* window = Open();
    Pick(window, "H - Wasserstoff");
    Click(window->cmdNeu);
    EXPECT_FALSE(window->cmdLoeschen->isEnabled()) << "nothing to delete while the new one is pending";
    Box_(window, Box::Name)->setText("Stickstoff");

    QString prompt;
    OnModal([&](QWidget* modal) {
        auto* input = qobject_cast<QInputDialog*>(modal);
        if (!input) return;
        prompt = input->labelText();
        input->reject();
    });
    const int revision = Revision();
    Click(window->cmdOK);
    EXPECT_EQ(prompt, "Es muß ein Symbol angegeben werden");
    const std::string symbol = "N_" + std::to_string(QDate::currentDate().day());
    const auto added = colElemente.Item(symbol);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->name(), "Stickstoff");
    EXPECT_EQ(Revision(), revision + 2);
}

TEST_F(ElementWindow, NewElementWithATakenSymbolKeepsTheWindowOpen)
{
    frmDaten* window = Open();
    const auto before = DatabaseBytes();
    Click(window->cmdNeu);
    Box_(window, Box::Symbol)->setText("c");
    Click(window->cmdOK);
    EXPECT_NE(seam.messages.at(0).text.find("\"c\""), std::string::npos) << seam.messages[0].text;
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(DatabaseBytes(), before);

    Box_(window, Box::Symbol)->setText("N");
    Pick(window, "He - Helium");  // picking another element saves the new one
    EXPECT_EQ(window->Label1->text(), "7 Elemente\n6 Formfaktoren");
}

TEST_F(ElementWindow, CountsThatAreNoWholeNumbersAreNotSaved)
{
    frmDaten* window = Open();
    const auto before = DatabaseBytes();
    Click(window->optInfo[2]);
    window->Daten->chkOrbital[4]->click();  // 3p on
    for (const char* bad : {"2.5", "256", "", "-1"}) {
        window->Daten->txtElektronen[4]->setText(bad);
        Pick(window, "He - Helium");
        EXPECT_EQ(window->lstElemente->currentItem()->text(), "B - Bor") << bad;
        EXPECT_EQ(window->picDaten->currentIndex(), 0) << "the page with the box is shown";
    }
    EXPECT_EQ(seam.messages.size(), 4u);
    EXPECT_EQ(DatabaseBytes(), before);

    window->Daten->txtElektronen[4]->setText(" 255 ");
    Pick(window, "He - Helium");
    EXPECT_EQ(colElemente.Item("B")->Elektronen(4), 255);
}

TEST_F(ElementWindow, DeletionAsksFirstAndShowsTheNeighbour)
{
    frmDaten* window = Open();
    Pick(window, "C - Kohlenstoff");
    Box_(window, Box::Name)->setText("edited, then deleted");
    const int revision = Revision();
    seam.answers = {zelo::MsgResult::No};
    Click(window->cmdLoeschen);
    EXPECT_EQ(seam.messages.at(0).text, "C - Kohlenstoff\r\nLöschen?");
    EXPECT_EQ(colElemente.Count(), 6);

    seam.answers = {zelo::MsgResult::Yes};
    Click(window->cmdLoeschen);
    EXPECT_EQ(colElemente.Item("C"), nullptr);
    EXPECT_EQ(Revision(), revision + 1) << "the deleted element's edits are not saved";
    EXPECT_EQ(Box_(window, Box::Symbol)->text(), "H");

    for (int i = 0; i < 5; ++i) {
        seam.answers = {zelo::MsgResult::Yes};
        Click(window->cmdLoeschen);
    }
    EXPECT_FALSE(window->cmdLoeschen->isEnabled()) << "nothing left";
}

TEST_F(ElementWindow, FittedTableIsExportedAndRemovedButFileTablesAreNot)
{
    std::filesystem::create_directories(env.DataFolder() / "fmk_x");
    std::ofstream(env.DataFolder() / "fmk_x" / "C_test.fmk") << "0\t1\r\n";
    Zelo_Oeffnen();
    frmDaten* window = Open();
    Pick(window, "C - Kohlenstoff");
    FormFactorPage* page = window->Formfaktor;
    ASSERT_EQ(Entries(page->lstFMK),
              (QStringList{"C - Elektronenbeugung, Fit", "C (test) - Röntgenbeugung, Datei"}));
    page->lstFMK->setCurrentRow(1);
    EXPECT_FALSE(page->cmdExport->isEnabled() || page->cmdFMKDelete->isEnabled());
    page->lstFMK->setCurrentRow(0);
    ASSERT_TRUE(page->cmdExport->isEnabled());
    Click(window->optInfo[2]);
    Click(page->cmdExport);
    std::ifstream exported(env.DataFolder() / "fmk_test_C.fmk");
    int lines = 0;
    for (std::string line; std::getline(exported, line);) ++lines;
    EXPECT_EQ(lines, 1500);

    seam.answers = {zelo::MsgResult::Yes};
    Click(page->cmdFMKDelete);
    EXPECT_EQ(seam.messages.back().text, "C - Elektronenbeugung, Fit\r\nLöschen?");
    EXPECT_EQ(Entries(page->lstFMK), QStringList{"C (test) - Röntgenbeugung, Datei"});
    Zelo_Oeffnen();  // as the next start does
    EXPECT_EQ(gInitKopf.Anzahl_FMK, 5);
}
