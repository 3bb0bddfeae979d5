// The project settings window: the options per project type, the x-axis conversions, the
// form-factor rows and shares, and what OK and Cancel leave behind.
#include "ElementWindowFixture.h"

#include "core/SettingsFile.h"
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modString.h"
#include "curves/clsCalc.h"
#include "mainwindow/modProjektStart.h"
#include "materials/clsFMK.h"
#include "materials/clsMFE.h"
#include "materials/ui/frmSettings.h"
#include "support/ui/Bildschirmfoto.h"

#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <fstream>
#include <iterator>
#include <tuple>

namespace {

const QColor kGruen(0, 255, 0);
const QColor kRot(255, 0, 0);

// Picks an entry as the user does.
void Waehle(QComboBox* liste, const QString& text)
{
    const int index = liste->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    liste->setCurrentIndex(index);
    emit liste->activated(index);
}

QColor Marke(const QLabel* marke) { return marke->palette().color(QPalette::Window); }

void Element_Hinzufuegen(const std::string& symbol, float fluessig, float valenz)
{
    auto element = std::make_shared<clsElement>();
    element->setSymbol(symbol);
    element->setName(symbol + "-Element");
    element->setMasse(50.0f);
    element->setDichte_Fluessig(fluessig);
    element->setValenz(valenz);
    colElemente.Add(element, symbol);
}

class SettingsWindowTest : public ElementWindowFixture {
protected:
    void TearDown() override
    {
        fenster.reset();
        ElementWindowFixture::TearDown();
    }
    frmSettings& Oeffnen(int32_t typ = PT_Beugung)
    {
        gCommon->setProjektTyp(typ);
        fenster = std::make_unique<frmSettings>(gfrmMain);
        fenster->show();
        return *fenster;
    }
    // A raw spectrum of 300 points in the test folder becomes the project's file.
    void Spektrum_Waehlen(const std::string& name = "probe.dat")
    {
        const auto pfad = env.Root() / name;
        std::ofstream datei(pfad, std::ios::binary);
        for (int i = 0; i < 300; ++i) datei << i << " 1000 " << 5000 - std::abs(150 - i) * 10 << "\r\n";
        datei.close();
        gCommon->Set_Dateiname(pfad.string());
    }
    // Rows: element and share; the last row's share is left to the share rule.
    void Legierung(frmSettings& w, const std::vector<std::pair<QString, QString>>& zeilen)
    {
        while (w.Komponenten() != static_cast<int32_t>(zeilen.size())) Click(w.CmdKomponente[0]);
        for (size_t i = 0; i < zeilen.size(); ++i) {
            Waehle(w.cmbElement[i], zeilen[i].first);
            if (i + 1 < zeilen.size()) w.txtProzent[i]->setText(zeilen[i].second);
        }
    }
    std::vector<std::string>::const_iterator Zeile(const std::string& text) const
    {
        return std::find(seam.logLines.begin(), seam.logLines.end(), text);
    }

    std::unique_ptr<frmSettings> fenster;
};

}

TEST_F(SettingsWindowTest, OpeningSelectsTheOptionOfTheProjectType)
{
    gOptions->setReg_X_Achse("T_3_39847");
    // Type, the option checked (-1: none), the voltage shown and whether the x-axis frame shows.
    for (const auto& [typ, option, spannung, achse] :
         {std::tuple{PT_Beugung, 0, "-68", true}, {PT_ELMI, 1, "-200", false}, {PT_Mittel, 6, "0", false},
          {PT_ELMI_Bild, 1, "0", false}, {PT_Potential_K, -1, "0", true}, {PT_IK, 3, "0", false}}) {
        frmSettings& w = Oeffnen(typ);
        SCOPED_TRACE(typ);
        for (int i = 0; i < frmSettings::kOptionen; ++i) EXPECT_EQ(w.optProjekt[i]->isChecked(), i == option) << i;
        EXPECT_EQ(w.txtUH->text(), spannung);
        EXPECT_EQ(w.cmbX[0]->isEnabled(), typ == PT_IK) << "the unit list of a loaded I(K)";
        EXPECT_EQ(w.Frame1->isVisibleTo(&w), achse);
        EXPECT_EQ(w.ProjektTyp(), typ) << "the option's type, 11 kept by option 1";
        EXPECT_FLOAT_EQ(w.Faktor_X(), typ == PT_Mittel ? 37.74f : 0.1f) << "stored conversion or folded factor";
    }
    EXPECT_EQ(gOptions->Faktor_X(), 0.0f) << "nothing is applied before OK";
}

TEST_F(SettingsWindowTest, TheAcceleratingVoltageReadsInKilovoltsInBothLanguages)
{
    for (const int32_t sprache : {0, 3}) {
        gfrmMain->mnuLang_Click(sprache);
        frmSettings& w = Oeffnen(PT_ELMI);
        QCoreApplication::processEvents();
        // The unit is the label right of the voltage box, on its line.
        const QRect feld(w.txtUH->mapTo(&w, QPoint(0, 0)), w.txtUH->size());
        const QLabel* einheit = nullptr;
        for (const QLabel* label : w.findChildren<QLabel*>()) {
            const QRect ort(label->mapTo(&w, QPoint(0, 0)), label->size());
            if (!label->isVisibleTo(&w) || ort.left() < feld.right() || !feld.contains(feld.center().x(), ort.center().y()))
                continue;
            if (!einheit || ort.left() < einheit->mapTo(&w, QPoint(0, 0)).x()) einheit = label;
        }
        ASSERT_NE(einheit, nullptr);
        EXPECT_EQ(einheit->text().toStdString(), "kV") << "beside " << w.txtUH->text().toStdString();
        foto::Ablegen(w, QString("materials/frmSettings_Spannung_%1.png").arg(sprache == 0 ? "de" : "en"));
    }
}

TEST_F(SettingsWindowTest, OptionClicksSetTheProjectTypeOfTheWindow)
{
    frmSettings& w = Oeffnen(PT_ELMI_Bild);
    w.optProjekt[1]->click();
    EXPECT_EQ(w.ProjektTyp(), PT_ELMI_Bild) << "a diffraction image stays one";
    const std::array<int32_t, 8> typen = {0, 1, 4, 2, 3, 6, 5, 14};
    const std::array<int, 3> freigabe = {3, 4, 7};  // the option that enables each unit list
    for (int i = 0; i < frmSettings::kOptionen; ++i) {
        w.optProjekt[i]->click();
        EXPECT_EQ(w.ProjektTyp(), typen[i]) << i;
        for (size_t k = 0; k < 3; ++k) EXPECT_EQ(w.cmbX[k]->isEnabled(), i == freigabe[k]) << i;
    }
    EXPECT_EQ(gCommon->ProjektTyp(), PT_ELMI_Bild) << "only OK applies the type";
}

TEST_F(SettingsWindowTest, XAxisConversionsAndTheTypedFactor)
{
    frmSettings& w = Oeffnen();
    EXPECT_EQ(w.lblFaktor->text(), "1/nm = 37.74 XAE");
    Waehle(w.cmbTrafo, "UHV Kryo");
    EXPECT_FLOAT_EQ(w.Faktor_X(), 74.72f);
    EXPECT_EQ(gOptions->Reg_X_Achse(), "") << "the key is stored at OK";

    w.Option1[1]->click();
    w.Text1->setText("40,5");
    EXPECT_FLOAT_EQ(w.Faktor_X(), 40.5f) << "either decimal sign, and later edits count";
    w.Text1->setText("4x");
    EXPECT_FLOAT_EQ(w.Faktor_X(), 40.5f);
}

TEST_F(SettingsWindowTest, RadiationKindFillsTheTableListsAndMarksTheRows)
{
    frmSettings& w = Oeffnen();
    for (const auto& [art, eintraege, farbe] : {std::tuple{"Röntgen", 1, kRot}, std::tuple{"Elektronen", 7, kGruen}}) {
        Waehle(w.cmbFMKTyp, art);
        for (int i = 0; i < frmSettings::kZeilen; ++i) {
            EXPECT_EQ(w.cmbFMK[i]->count(), eintraege) << art << ": the empty entry and the tables of the kind";
            EXPECT_EQ(Marke(w.lblFMK[i]), farbe) << art;
        }
        EXPECT_EQ(w.cmdOK->isEnabled(), farbe == kGruen) << art;
    }
}

TEST_F(SettingsWindowTest, RowTakesOnlyATableOfItsOwnElement)
{
    Element_Hinzufuegen("N", 0.81f, 5.0f);
    gFMK->FMK_Intern_Neu("Ni", FT_Elektronen, {}, {}, 1.0f);
    gFMK->FMK_Intern_Neu("Na", FT_Elektronen, {}, {}, 1.0f);
    frmSettings& w = Oeffnen();
    Waehle(w.cmbElement[1], "N");
    EXPECT_EQ(w.cmbFMK[1]->currentText(), "<..>") << "neither Na nor Ni belongs to N";
    EXPECT_EQ(Marke(w.lblFMK[1]), kRot);
    EXPECT_FALSE(w.cmdOK->isEnabled());
}

TEST_F(SettingsWindowTest, RowCountWrapsAndComesBackFromTheSettings)
{
    frmSettings& w = Oeffnen();
    EXPECT_EQ(w.Komponenten(), 3) << "the default stored count 2 shows three rows";
    EXPECT_FALSE(w.txtProzent[3]->isVisibleTo(&w));
    for (const int32_t erwartet : {4, 5, 1}) {
        Click(w.CmdKomponente[0]);
        EXPECT_EQ(w.Komponenten(), erwartet);
    }
    Click(w.CmdKomponente[1]);
    EXPECT_EQ(w.Komponenten(), 5) << "down from one wraps to five";

    gOptions->setReg_Komponenten(3);
    EXPECT_EQ(Oeffnen().Komponenten(), 4);
}

TEST_F(SettingsWindowTest, LastRowTakesTheRestOfTheShares)
{
    frmSettings& w = Oeffnen();
    EXPECT_EQ(w.txtProzent[2]->text(), "100") << "the stored shares (none yet) are made whole at opening";
    w.txtProzent[0]->setText("60");
    w.txtProzent[1]->setText("30");
    EXPECT_EQ(w.txtProzent[2]->text(), "10");
    w.txtProzent[1]->setText("29,5");
    EXPECT_EQ(w.txtProzent[2]->text(), "10.5") << "a decimal comma is read too";
    w.txtProzent[1]->setText("");
    EXPECT_FALSE(w.cmdOK->isEnabled()) << "an empty share";
}

TEST_F(SettingsWindowTest, OkAppliesTheAlloyAndStartsTheProject)
{
    Spektrum_Waehlen();
    frmSettings& w = Oeffnen(gCommon->ProjektTyp());
    Legierung(w, {{"C", "73"}, {"Li", "20"}, {"B", ""}});
    Waehle(w.cmbTrafo, "UHV Kryo");
    w.txtTemper->setText("300");
    w.txtBem->setPlainText("Probe 1");
    Click(w.cmdOK);
    // The next project's window opens with these rows and this conversion.
    EXPECT_EQ(std::tuple(gOptions->Element_Symbol(0), gOptions->Element_Symbol(1), gOptions->Element_Symbol(2)),
              std::tuple(std::string("C"), std::string("Li"), std::string("B")));
    EXPECT_EQ(gOptions->Reg_Komponenten(), 2) << "one less than the rows";
    EXPECT_EQ(gOptions->Reg_X_Achse(), "T_2_39847");

    const std::vector<std::string> alloy(seam.logLines.begin(), seam.logLines.begin() + 7);
    EXPECT_EQ(alloy, std::vector<std::string>({"Legierung:", "\r\nmittlere Valenz: 3.3",
                                              "mittlere Teilchenzahldichte: 85.8 1/nm³", "2 kF: 40.7 1/nm",
                                              "Friedelwellenlänge: 0.2 nm\r\n", "getempert bis: 300 K\r\n",
                                              "Bemerkungen: Probe 1"}));
    // The voltage is set before the project starts; the mixture follows the loaded curve.
    const auto spannung = Zeile("relativistischer Faktor: 1.133073");
    const auto typ = Zeile("Projekttyp: Beugungsspektrum");
    const auto punkte = Zeile("Datenpunkte: 300");
    ASSERT_NE(punkte, seam.logLines.end());
    EXPECT_TRUE(spannung < typ && typ < punkte);

    const std::array<QString, 3> menue = {"C: 73at%, 2.26 g/cm³, 4 e/a", "Li: 20at%, 0.5 g/cm³, 1 e/a",
                                          "B: 7at%, 2.08 g/cm³, 3 e/a"};
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(gfrmMain->mnuKomponente[i]->isVisible(), i < 3) << i;
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(gfrmMain->mnuKomponente[i]->text(), menue[i]);
    EXPECT_EQ(gFMK->fmk_Y(311), 0.0f) << "computed on the loaded grid of 300 points plus ten";
    EXPECT_FLOAT_EQ(gOptions->Faktor_X(), 74.72f);
}

TEST_F(SettingsWindowTest, DensityShowsTheFirstKindWithAValueAndKeepsTheUsersChoice)
{
    // Q has only an amorphous, R only a crystalline and a liquid density.
    Element_Hinzufuegen("Q", Kein_Wert, 2.0f);
    colElemente.Item("Q")->setDichte_Amorph(6.5f);
    Element_Hinzufuegen("R", 3.0f, 2.0f);
    colElemente.Item("R")->setDichte_Kristallin(3.4f);
    frmSettings& w = Oeffnen();
    Waehle(w.cmbElement[0], "Q");
    EXPECT_EQ(w.cmdDichte[0]->currentText(), "amorph");
    EXPECT_EQ(w.txtDichte[0]->text(), "6.5");

    // The user's kind stays while the row keeps its element, also when it is chosen again...
    Waehle(w.cmbElement[1], "R");
    EXPECT_EQ(w.cmdDichte[1]->currentText(), "flüssig") << "the first kind with a value";
    Waehle(w.cmdDichte[1], "kristallin");
    EXPECT_EQ(w.txtDichte[1]->text(), "3.4");
    Waehle(w.cmbElement[1], "R");
    EXPECT_EQ(w.cmdDichte[1]->currentText(), "kristallin");
    EXPECT_EQ(w.txtDichte[1]->text(), "3.4");
    Waehle(w.cmdDichte[1], "andere...");
    w.txtDichte[1]->setText("3.1");
    Waehle(w.cmbElement[1], "R");
    EXPECT_EQ(w.txtDichte[1]->text(), "3.1") << "a typed density too";
    // ...and goes with a new element, which starts at its own first kind with a value.
    Waehle(w.cmbElement[1], "Q");
    EXPECT_EQ(w.cmdDichte[1]->currentText(), "amorph");
    Waehle(w.cmbElement[1], "R");
    EXPECT_EQ(w.cmdDichte[1]->currentText(), "flüssig");
    EXPECT_EQ(w.txtDichte[1]->text(), "3");
}

TEST_F(SettingsWindowTest, OkNamesAComponentWithoutDensityWhereIkIsComputedFromASpectrum)
{
    Element_Hinzufuegen("Q", Kein_Wert, 2.0f);
    gFMK->FMK_Intern_Neu("Q", FT_Elektronen, {}, {}, 1.0f);
    Spektrum_Waehlen();
    frmSettings& w = Oeffnen(gCommon->ProjektTyp());
    Legierung(w, {{"C", "50"}, {"Q", "30"}, {"B", ""}});
    EXPECT_EQ(w.txtDichte[1]->text(), "<unbekannt>") << "Q has no density of any kind";
    Click(w.cmdOK);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "Komponente Q: " + gLanguage->Caption(541));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(gMFE->Komponenten(), 0) << "nothing is applied";

    // Typed under "andere...": a density that is no positive number is named the same way.
    Waehle(w.cmdDichte[1], "andere...");
    for (const char* text : {"0", "-2", "x"}) {
        w.txtDichte[1]->setText(text);
        Click(w.cmdOK);
        EXPECT_EQ(seam.messages.back().text, "Komponente Q: " + gLanguage->Caption(541)) << text;
    }
    w.txtDichte[1]->setText("4,5");
    Click(w.cmdOK);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FLOAT_EQ(gMFE->Komponente_Dichte(2), 4.5f);
    EXPECT_GT(gMFE->Dichte_Theoretisch(), 0.0f);
}

TEST_F(SettingsWindowTest, UnknownDensityLeavesTheAlloyUnknownButAppliesEveryRow)
{
    // A G(r) project needs no density: OK takes the alloy with the unknown one.
    Element_Hinzufuegen("Q", Kein_Wert, 2.0f);
    gFMK->FMK_Intern_Neu("Q", FT_Elektronen, {}, {}, 1.0f);
    const auto pfad = env.Root() / "probe.gr";
    {
        std::ofstream datei(pfad, std::ios::binary);
        for (int i = 0; i < 300; ++i) datei << i * 0.01 << "\t" << std::sin(i * 0.1) << "\r\n";
    }
    gCommon->Set_Dateiname(pfad.string());
    frmSettings& w = Oeffnen(gCommon->ProjektTyp());
    ASSERT_EQ(w.ProjektTyp(), PT_GR);
    Legierung(w, {{"C", "50"}, {"Q", "30"}, {"B", ""}});
    EXPECT_EQ(w.txtDichte[1]->text(), "<unbekannt>");
    Click(w.cmdOK);

    EXPECT_EQ(gMFE->Komponente_Symbol(3), "B");
    EXPECT_EQ(gMFE->Dichte(), Kein_Wert);
    EXPECT_NE(Zeile("mittlere Teilchenzahldichte: <unbekannt> 1/nm³"), seam.logLines.end());
    EXPECT_EQ(gfrmMain->mnuKomponente[1]->text(), "Q: 30at%, <unbekannt> g/cm³, 2 e/a");
    EXPECT_NE(gFMK->fmk_Y(1), 0.0f) << "all three components reach the form factors";
}

TEST_F(SettingsWindowTest, SharesThatAreNoNumberOrNegativeBlockOk)
{
    frmSettings& w = Oeffnen();
    w.txtProzent[0]->setText("60");
    w.txtProzent[1]->setText("50");
    EXPECT_EQ(w.txtProzent[2]->text(), "-10");
    Click(w.cmdOK);
    EXPECT_EQ(seam.messages.at(0).text, "Komponente H: Konzentration = \"-10\" (0 - 100 at%)");

    w.txtProzent[1]->setText("3O");
    Click(w.cmdOK);
    EXPECT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(gMFE->Komponenten(), 0);
    EXPECT_TRUE(seam.logLines.empty());
}

TEST_F(SettingsWindowTest, CancelLeavesTheProgramAsItWas)
{
    gOptions->setFaktor_X(12.0f);
    // The rows of the user's last project: two components and a conversion.
    gOptions->setElement_Symbol(0, "B");
    gOptions->setElement_Symbol(1, "Li");
    gOptions->setReg_Komponenten(1);
    gOptions->setReg_X_Achse("T_3_39847");
    const auto gespeichert = [] {
        std::ifstream datei(SettingsFile::Location(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(datei), {});
    };
    const std::string vorher = gespeichert();
    frmSettings& w = Oeffnen(PT_Beugung);
    EXPECT_EQ(w.cmbElement[1]->currentText(), "Li");
    EXPECT_EQ(gespeichert(), vorher) << "opening stores nothing";
    w.optProjekt[6]->click();
    w.Check1->setChecked(true);
    Click(w.CmdKomponente[0]);
    Waehle(w.cmbElement[0], "C");
    Waehle(w.cmbTrafo, "UHV Kryo");
    Click(w.cmdCancel);
    EXPECT_EQ(std::tuple(gCommon->ProjektTyp(), gOptions->Faktor_X(), gOptions->Strom_Korrektur(), gMFE->Komponenten()),
              std::tuple(PT_Beugung, 12.0f, false, 0));
    EXPECT_EQ(gespeichert(), vorher) << "the rows, their count and the conversion stay the last project's";
    frmSettings& wieder = Oeffnen(PT_Beugung);
    EXPECT_EQ(wieder.Komponenten(), 2);
    EXPECT_EQ(wieder.cmbElement[0]->currentText(), "B");
}

TEST_F(SettingsWindowTest, ReturnInAnOpenListChoosesTheEntryAndOnlyThenPressesOk)
{
    Spektrum_Waehlen();
    frmSettings& w = Oeffnen(gCommon->ProjektTyp());
    QApplication::setActiveWindow(&w);
    QComboBox* liste = w.cmbElement[0];
    liste->setFocus();
    liste->showPopup();
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    liste->view()->setCurrentIndex(liste->model()->index(liste->findText("C"), 0));
    QTest::keyClick(liste->view(), Qt::Key_Return);

    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(w.isVisible()) << "the list took the key, not the default button";

    QTest::keyClick(liste, Qt::Key_Return);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(gMFE->Komponente_Symbol(1), "C");
}

TEST_F(SettingsWindowTest, FailedMixtureLeavesNoEarlierFormFactors)
{
    Spektrum_Waehlen();
    Click(Oeffnen(gCommon->ProjektTyp()).cmdOK);
    ASSERT_NE(gFMK->fmk_Y(1), 0.0f);

    Neues_Projekt_Reset();
    Spektrum_Waehlen("probe.xyz");  // of no known kind: nothing is loaded
    frmSettings& w = Oeffnen(gCommon->ProjektTyp());
    Click(w.cmdOK);
    EXPECT_EQ(gFMK->fmk_Y(1), 0.0f);
    EXPECT_NE(seam.logLines.back().find(": Problem trat auf beim integrieren der Formfaktoren."), std::string::npos);
}

TEST_F(SettingsWindowTest, NewProjectEntryChoosesAFileAndOkLoadsIt)
{
    QAction* neu = gfrmMain->mnuNeuesProjekt;
    EXPECT_FALSE(gfrmMain->mnuLegierung->menuAction()->isVisible());

    bool gezeigt = false;
    const auto bestaetigen = [&] {
        auto* w = qobject_cast<frmSettings*>(QApplication::activeModalWidget());
        if (!w) return;
        gezeigt = w->parentWidget() == gfrmMain.data();
        Click(w->cmdOK);
    };
    QTimer::singleShot(0, bestaetigen);
    neu->trigger();
    EXPECT_FALSE(gezeigt) << "no file chosen, no window";

    Spektrum_Waehlen();
    seam.dialogAnswers = {gCommon->Dateiname_Rohdaten()};
    QTimer::singleShot(0, bestaetigen);
    neu->trigger();
    EXPECT_TRUE(gezeigt);
    EXPECT_EQ(gCalc->Punkte(), 300);
    EXPECT_EQ(gfrmMain->windowTitle(), "KPW - ZELO (DEMO) 2.32 - [probe]");
    EXPECT_TRUE(gfrmMain->mnuLegierung->menuAction()->isVisible());
}
