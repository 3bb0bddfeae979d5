#include "mainwindow/ui/frmOptions.h"
#include "MainWindowFixture.h"

#include "analysis/clsFFT.h"
#include "analysis/clsGR.h"
#include "core/clsLanguage.h"
#include "core/ui/modUiGlobals.h"
#include "mainwindow/ui/frmMain.h"
#include "support/ui/UiTestWorld.h"
#include "support/ui/Bildschirmfoto.h"
#include "widgets/fxbutton.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

class OptionsWindowTest : public ::testing::Test, protected UiTestWorld {
protected:
    std::string Einstellungen() const
    {
        std::ifstream file(env.ConfigFolder() / "Murenko" / "Settings.ini", std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }
    static QString Text(int32_t number) { return QString::fromStdString(gLanguage->Caption(number)); }
};

}

TEST_F(OptionsWindowTest, OpeningAndClosingWritesNothing)
{
    gOptions->setMax_R(2.5f);
    gOptions->LM_IK_Set(1, 4);
    gOptions->setAbbruchstelle_Ordnung(7);
    gOptions->setEinheit_NM(false);
    gOptions->setKurveSpeichern(15, true);
    const std::string vorher = Einstellungen();
    {
        frmOptions fenster(nullptr);
        EXPECT_EQ(fenster.cmbParabel[1]->currentIndex(), 4);
        EXPECT_EQ(fenster.cmbOrdnung->currentText(), "7");
        EXPECT_TRUE(fenster.optEinheit[1]->isChecked());
        EXPECT_TRUE(fenster.chkSave.at(15)->isChecked());
        fenster.show();
        fenster.close();
    }
    frmOptions fenster(nullptr);
    QTest::mouseClick(fenster.cmdOK, Qt::LeftButton);
    EXPECT_EQ(Einstellungen(), vorher);
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(OptionsWindowTest, TheOrderBoxFollowsTheDampingSwitch)
{
    frmOptions fenster(nullptr);
    fenster.Check1->setChecked(false);
    EXPECT_FALSE(fenster.cmbOrdnung->isEnabled());
    EXPECT_FALSE(gOptions->Abbruchstelle_Daempfen());
    fenster.Check1->setChecked(true);
    EXPECT_TRUE(fenster.cmbOrdnung->isEnabled());
}

TEST_F(OptionsWindowTest, FifteenBitsShowTheirPointsAndStep)
{
    frmOptions fenster(nullptr);
    fenster.cmdFFTBits->setCurrentText("15");
    EXPECT_EQ(gOptions->FFT_Bits(), 15);
    EXPECT_EQ(fenster.lblPunkte->text(), Text(331) + "32768\n" + Text(342) + " dr = 0.00192 nm");
}

TEST_F(OptionsWindowTest, TheRangeTakesOnlyPositiveNumbersAndOkStoresTheLanguage)
{
    for (const char* falsch : {"abc", "0", "-1"}) {
        frmOptions fenster(nullptr);
        fenster.txtMaxR->setText(falsch);
        fenster.cmbLang->setCurrentIndex(fenster.cmbLang->findData(3));
        fenster.cmdOK_Click();
        EXPECT_FLOAT_EQ(gOptions->Max_R(), 3.1415927f) << falsch;
        EXPECT_EQ(gOptions->Sprache(), 3);
    }
    EXPECT_EQ(seam.messages.size(), 3u) << "each refusal is told";
    frmOptions fenster(nullptr);
    fenster.txtMaxR->setText("2,5");
    fenster.cmdOK_Click();
    EXPECT_FLOAT_EQ(gOptions->Max_R(), 2.5f);
}

TEST_F(OptionsWindowTest, EachSaveOptionIsWrittenAtOnce)
{
    frmOptions fenster(nullptr);
    for (const auto& [typ, box] : fenster.chkSave) {
        const bool vorher = gOptions->KurveSpeichern(typ);
        box->click();
        EXPECT_EQ(clsOptions().KurveSpeichern(typ), !vorher) << "kind " << typ;
    }
}

TEST_F(OptionsWindowTest, OnlyAnotherPageButtonChangesThePage)
{
    frmOptions fenster(nullptr);
    fenster.show();
    QTest::mouseClick(fenster.cmdSeite[0], Qt::LeftButton);
    EXPECT_EQ(fenster.Sichtbare_Seite(), 0);
    EXPECT_TRUE(fenster.cmdSeite[0]->Value());
    EXPECT_EQ(fenster.lblUeberschrift->text(), Text(310));
    QTest::mouseClick(fenster.cmdSeite[2], Qt::LeftButton);
    QTest::mouseClick(fenster.cmdSeite[2], Qt::LeftButton);
    EXPECT_EQ(fenster.Sichtbare_Seite(), 2);
    EXPECT_TRUE(fenster.cmdSeite[2]->Value());
    EXPECT_FALSE(fenster.cmdSeite[0]->Value());
    EXPECT_EQ(fenster.lblUeberschrift->text(), Text(312));
}

TEST_F(OptionsWindowTest, Screenshots)
{
    for (const auto& [offset, endung] : {std::pair{0, "de"}, {3, "en"}}) {
        gLanguage->OpenLanguageEx(offset);
        frmOptions fenster(nullptr);
        fenster.show();
        for (int p = 0; p < frmOptions::kSeiten; ++p) {
            fenster.cmdSeite_Click(p);
            QCoreApplication::processEvents();
            foto::Ablegen(fenster, QString("mainwindow/options_%1_%2.png").arg(p).arg(endung));
        }
    }
    gLanguage->OpenLanguageEx(0);
}

using OptionsMenuTest = MainWindowFixture;

TEST_F(OptionsMenuTest, NewBitsRemakeTheGrOnTheNewGrid)
{
    gfrmMain->mnuDemoIK->trigger();
    gfrmMain->cmdTool_Click(kSchritt_GR);
    ASSERT_EQ(gSchritt, ST_GR);
    ASSERT_NEAR(gGR->R(2), 0.0038350, 1e-6);

    QTimer::singleShot(0, [] {
        auto* fenster = qobject_cast<frmOptions*>(QApplication::activeModalWidget());
        if (!fenster) return;
        fenster->cmdFFTBits->setCurrentText("12");
        fenster->cmdOK_Click();
    });
    EXPECT_EQ(gfrmMain->mnuSettings->shortcut(), QKeySequence(Qt::Key_F4));
    gfrmMain->mnuSettings->trigger();
    EXPECT_FALSE(gGR->Veraltet());
    EXPECT_EQ(gFFT->Anzahl_FFT(), 1) << "the transform was prepared anew and run once";
    EXPECT_NEAR(gGR->R(2), 4.0 * 0.0038350, 1e-6);
    EXPECT_FLOAT_EQ(gGR->Y(100), gFFT->G(100));
}
