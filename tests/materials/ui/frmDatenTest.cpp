#include "ElementWindowFixture.h"

#include "core/clsLanguage.h"
#include "curves/modString.h"
#include "materials/clsElement.h"
#include "materials/clsFMK.h"
#include "materials/ui/CrystalStructurePage.h"
#include "materials/ui/ElementDataPage.h"
#include "materials/ui/FormFactorPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDesktopServices>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QStackedWidget>
#include <QUrl>

namespace {

using Box = ElementDataPage::Box;

QLineEdit* Box_(frmDaten* window, Box box) { return window->Daten->txtInfo[box]; }

// Catches the addresses handed to the desktop.
class AddressCatcher : public QObject {
    Q_OBJECT
public:
    AddressCatcher() { QDesktopServices::setUrlHandler("https", this, "Open"); }
    ~AddressCatcher() override { QDesktopServices::unsetUrlHandler("https"); }
    QList<QUrl> opened;
public slots:
    void Open(const QUrl& address) { opened << address; }
};

}

using ElementWindow = ElementWindowFixture;

TEST_F(ElementWindow, OpensFromTheMenuWithCountsSortedListAndTheFirstElementReady)
{
    EXPECT_EQ(gfrmMain->mnuDaten->text(), "Elementtabelle");
    EXPECT_EQ(gfrmMain->mnuDaten->shortcut(), QKeySequence(Qt::Key_F9));
    EXPECT_TRUE(gfrmMain->mnuOptions->actions().contains(gfrmMain->mnuDaten));
    frmDaten* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "ZELO - Elementtabelle");
    EXPECT_EQ(window->Label1->text(), "6 Elemente\n6 Formfaktoren");
    EXPECT_EQ(Entries(window->lstElemente), (QStringList{"B - Bor", "Be - Beryllium", "C - Kohlenstoff",
                                                         "H - Wasserstoff", "He - Helium", "Li - Lithium"}));
    EXPECT_EQ(window->lstElemente->currentRow(), 0);
    EXPECT_EQ(Box_(window, Box::Symbol)->text(), "B");
    EXPECT_EQ(Box_(window, Box::Masse)->text(), "10.811");
    EXPECT_FALSE(Box_(window, Box::Symbol)->isEnabled());
    EXPECT_FALSE(Box_(window, Box::OZ)->isEnabled());
    EXPECT_TRUE(window->Geladen()) << "edits of the first element count";
    EXPECT_FALSE(window->Geaendert());
    EXPECT_EQ(window->picDaten->currentIndex(), 0);
    EXPECT_TRUE(window->optInfo[0]->Value());
    EXPECT_FALSE(window->Formfaktor->cmdExport->isEnabled());

    gfrmMain->mnuDaten->trigger();
    EXPECT_EQ(gfrmMain->findChildren<frmDaten*>().size(), 1);

    Click(window->optInfo[1]);
    EXPECT_EQ(window->picDaten->currentIndex(), 1);
    EXPECT_FALSE(window->optInfo[0]->Value());
    EXPECT_TRUE(window->Kristall->Option1[0]->isChecked()) << "no structure: unknown pressed";
    EXPECT_TRUE(window->Kristall->Option2[0]->isChecked());
    EXPECT_EQ(window->Kristall->txt_a[2]->text(), "-3E+38");
    Pick(window, "Li - Lithium");
    EXPECT_TRUE(window->Kristall->Option1[3]->isChecked());
    EXPECT_TRUE(window->Kristall->Option2[1]->isChecked());
}

TEST_F(ElementWindow, ShowingElementsWithoutEditsWritesNothing)
{
    const auto before = DatabaseBytes();
    frmDaten* window = Open();
    for (int row = 5; row >= 0; --row) window->lstElemente->setCurrentRow(row);
    Click(window->cmdOK);
    EXPECT_FALSE(window->isVisible());
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
    EXPECT_FALSE(window->Daten->txtElektronen[2]->isEnabled());
    EXPECT_TRUE(window->Daten->txtElektronen[2]->text().isEmpty());
    EXPECT_TRUE(window->Geaendert());
    Pick(window, "C - Kohlenstoff");

    EXPECT_EQ(Revision(), revision + 2);
    EXPECT_EQ(DatabaseBytes()[15], 1) << "Status";
    EXPECT_EQ(window->lstElemente->item(0)->text(), "B - Bor") << "the entry keeps the old name";
    const auto bor = colElemente.Item("B");
    EXPECT_EQ(bor->name(), "Bor-Test");
    EXPECT_FLOAT_EQ(bor->Dichte_Kristallin(), 0.001f);
    EXPECT_FLOAT_EQ(bor->Atomradius(), 85.5f);
    EXPECT_EQ(bor->Siedetemperatur(), Kein_Wert);
    EXPECT_EQ(bor->Schmelztemperatur(), 0.0f) << "an empty box reads as 0";
    EXPECT_EQ(bor->Dichte_Bemerkung_Amorph(), 2);
    EXPECT_EQ(bor->Elektronen(2), 0);
    EXPECT_EQ(bor->Elektronen(1), 2);

    Pick(window, "B - Bor");
    EXPECT_EQ(Box_(window, Box::DichteKristallin)->text(), "0.001");
    EXPECT_EQ(Box_(window, Box::Siedetemperatur)->text(), "-3E+38");
    EXPECT_EQ(Revision(), revision + 2) << "showing it again saves nothing";
}

TEST_F(ElementWindow, CrystalStructureReachesTheFileWithTheElement)
{
    frmDaten* window = Open();
    Pick(window, "C - Kohlenstoff");
    Click(window->optInfo[1]);
    window->Kristall->Option1[4]->click();
    window->Kristall->Option2[1]->click();
    window->Kristall->txt_a[0]->setText("0,3567");
    Click(window->cmdOK);
    window = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ReadAgain();
    const auto carbon = colElemente.Item("C");
    EXPECT_EQ(carbon->Struktur_Basis(), 4);
    EXPECT_EQ(carbon->Struktur_System(), 1);
    EXPECT_FLOAT_EQ(carbon->Struktur_a(), 0.3567f);
    EXPECT_EQ(carbon->Struktur_b(), Kein_Wert);
}

TEST_F(ElementWindow, NewElementWithoutSymbolIsNamedAfterTheDay)
{
    frmDaten* window = Open();
    Pick(window, "H - Wasserstoff");
    Click(window->cmdNeu);
    EXPECT_TRUE(window->NeuesElement());
    EXPECT_FALSE(window->Geladen());
    EXPECT_TRUE(Box_(window, Box::Symbol)->isEnabled());
    EXPECT_TRUE(Box_(window, Box::Name)->text().isEmpty());
    EXPECT_FALSE(window->cmdLoeschen->isEnabled()) << "nothing to delete while the new one is pending";
    EXPECT_FALSE(window->Formfaktor->cmdNeuIntern->isEnabled());
    Box_(window, Box::Name)->setText("Stickstoff");
    Box_(window, Box::Masse)->setText("14.007");

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
    EXPECT_FLOAT_EQ(added->Masse(), 14.007f);
    EXPECT_FLOAT_EQ(added->Dichte_Fluessig(), 0.001f) << "an empty box reads as 0";
    EXPECT_EQ(added->Elektronen(0), 1) << "the configuration shown before is taken over";
    EXPECT_EQ(StoredElements(), 7);
    EXPECT_EQ(Revision(), revision + 2);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ElementWindow, NewElementWithATakenSymbolKeepsTheWindowOpen)
{
    frmDaten* window = Open();
    const auto before = DatabaseBytes();
    Click(window->cmdNeu);
    Box_(window, Box::Symbol)->setText("c");
    Click(window->cmdOK);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_NE(seam.messages[0].text.find("\"c\""), std::string::npos) << seam.messages[0].text;
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->NeuesElement());
    EXPECT_EQ(colElemente.Count(), 6);
    EXPECT_EQ(DatabaseBytes(), before);

    Box_(window, Box::Symbol)->setText("N");
    Pick(window, "He - Helium");  // picking another element saves the new one
    EXPECT_NE(colElemente.Item("N"), nullptr);
    EXPECT_EQ(window->Label1->text(), "7 Elemente\n6 Formfaktoren");
    EXPECT_TRUE(Entries(window->lstElemente).contains("N - "));
    EXPECT_EQ(Box_(window, Box::Symbol)->text(), "He");
    EXPECT_TRUE(window->cmdLoeschen->isEnabled());
}

TEST_F(ElementWindow, CountsThatAreNoWholeNumbersAreNotSaved)
{
    frmDaten* window = Open();
    const auto before = DatabaseBytes();
    Click(window->optInfo[2]);
    window->Daten->chkOrbital[4]->click();  // 3p on
    EXPECT_TRUE(window->Daten->txtElektronen[4]->isEnabled());
    for (const char* bad : {"2.5", "256", "", "-1"}) {
        window->Daten->txtElektronen[4]->setText(bad);
        Pick(window, "He - Helium");
        EXPECT_EQ(window->lstElemente->currentItem()->text(), "B - Bor") << bad;
        EXPECT_EQ(window->picDaten->currentIndex(), 0) << "the page with the box is shown";
    }
    ASSERT_EQ(seam.messages.size(), 4u);
    EXPECT_EQ(seam.messages[0].text, "3p: \"2.5\"\r\nType mismatch");
    EXPECT_EQ(seam.messages[1].text, "3p: \"256\"\r\nOverflow");
    EXPECT_EQ(DatabaseBytes(), before);

    window->Daten->txtElektronen[4]->setText(" 255 ");
    Pick(window, "He - Helium");
    EXPECT_EQ(colElemente.Item("B")->Elektronen(4), 255);
    EXPECT_EQ(Box_(window, Box::Symbol)->text(), "He");
}

TEST_F(ElementWindow, DeletionAsksFirstAndShowsTheNeighbour)
{
    frmDaten* window = Open();
    Pick(window, "C - Kohlenstoff");
    Box_(window, Box::Name)->setText("edited, then deleted");
    const int revision = Revision();
    seam.answers = {zelo::MsgResult::No};
    Click(window->cmdLoeschen);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "C - Kohlenstoff\r\nLöschen?");
    EXPECT_EQ(seam.messages[0].buttons, zelo::MsgButtons::YesNo);
    EXPECT_EQ(colElemente.Count(), 6);

    seam.answers = {zelo::MsgResult::Yes};
    Click(window->cmdLoeschen);
    EXPECT_EQ(colElemente.Item("C"), nullptr);
    EXPECT_EQ(StoredElements(), 5);
    EXPECT_EQ(Revision(), revision + 1) << "the deleted element's edits are not saved";
    EXPECT_EQ(window->Label1->text(), "5 Elemente\n6 Formfaktoren");
    EXPECT_EQ(window->lstElemente->currentItem()->text(), "H - Wasserstoff");
    EXPECT_EQ(Box_(window, Box::Symbol)->text(), "H");
    EXPECT_EQ(gElement, colElemente.Item("H"));
    EXPECT_FALSE(window->Geaendert());

    for (int i = 0; i < 5; ++i) {
        seam.answers = {zelo::MsgResult::Yes};
        Click(window->cmdLoeschen);
    }
    EXPECT_EQ(colElemente.Count(), 0);
    EXPECT_FALSE(window->cmdLoeschen->isEnabled());
    EXPECT_FALSE(window->cmdLexikon->isEnabled());
    Click(window->cmdOK);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ElementWindow, FittedTableIsExportedAndRemovedButFileTablesAreNot)
{
    std::filesystem::create_directories(DataFolder() / "fmk_x");
    std::ofstream(DataFolder() / "fmk_x" / "C_test.fmk") << "0\t1\r\n";
    Zelo_Oeffnen();
    frmDaten* window = Open();
    Pick(window, "C - Kohlenstoff");
    FormFactorPage* page = window->Formfaktor;
    ASSERT_EQ(Entries(page->lstFMK),
              (QStringList{"C - Elektronenbeugung, Fit", "C (test) - Röntgenbeugung, Datei"}));
    EXPECT_EQ(page->Label3->text(), " Formfaktoren (2)");
    page->lstFMK->setCurrentRow(1);
    EXPECT_FALSE(page->cmdExport->isEnabled());
    EXPECT_FALSE(page->cmdFMKDelete->isEnabled());
    page->lstFMK->setCurrentRow(0);
    ASSERT_TRUE(page->cmdExport->isEnabled());
    Click(window->optInfo[2]);
    Click(page->cmdExport);
    std::ifstream exported(DataFolder() / "fmk_test_C.fmk");
    int lines = 0;
    for (std::string line; std::getline(exported, line);) ++lines;
    EXPECT_EQ(lines, 1500);

    seam.answers = {zelo::MsgResult::Yes};
    Click(page->cmdFMKDelete);
    EXPECT_EQ(seam.messages.back().text, "C - Elektronenbeugung, Fit\r\nLöschen?");
    EXPECT_EQ(Entries(page->lstFMK), QStringList{"C (test) - Röntgenbeugung, Datei"});
    EXPECT_EQ(window->Label1->text(), "6 Elemente\n6 Formfaktoren");
    ReadAgain();
    EXPECT_EQ(gInitKopf.Anzahl_FMK, 5);
}

TEST_F(ElementWindow, EncyclopediaOpensTheArticleOfTheName)
{
    AddressCatcher catcher;
    frmDaten* window = Open();
    Box_(window, Box::Name)->setText("Bor Ä");
    Pick(window, "C - Kohlenstoff");
    Click(window->cmdLexikon);
    Pick(window, "B - Bor");
    Click(window->cmdLexikon);
    ASSERT_EQ(catcher.opened.size(), 2);
    EXPECT_EQ(catcher.opened[0].toString(QUrl::FullyEncoded), "https://de.wikipedia.org/wiki/Kohlenstoff");
    EXPECT_EQ(catcher.opened[1].toString(QUrl::FullyEncoded), "https://de.wikipedia.org/wiki/Bor%20%C3%84");
}

TEST_F(ElementWindow, LanguageSwitchRecaptionsTheWindow)
{
    frmDaten* window = Open();
    const auto menus = gfrmMain->menuBar()->actions().size();
    gfrmMain->mnuLang_Click(3);
    EXPECT_EQ(window->windowTitle(), "ZELO - Table of Elements");
    EXPECT_EQ(window->optInfo[0]->Caption(), "Data");
    EXPECT_EQ(window->cmdLoeschen->Caption(), "Delete");
    EXPECT_EQ(window->Label1->text(), "6 Elements\n6form factors");
    EXPECT_EQ(window->Daten->lblInfo[Box::Masse]->text(), "atomic mass [amu]");
    EXPECT_EQ(window->Kristall->Option1[0]->text(), "unknown");
    EXPECT_EQ(window->Formfaktor->lstFMK->item(0)->text(), "B - electron diffraction, Fit");
    EXPECT_EQ(gfrmMain->mnuDaten->text(), "Table of Elements");
    EXPECT_EQ(gfrmMain->mnuHelp->title(), "?");
    EXPECT_EQ(gfrmMain->menuBar()->actions().size(), menus) << "the switch adds no menus";
    EXPECT_FALSE(window->Geaendert());
}

#include "frmDatenTest.moc"
