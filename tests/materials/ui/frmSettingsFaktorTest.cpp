// The x-axis factor typed under "anderer...": the next project of the session offers it again,
// chosen and visible, and no other factor is ever applied without being shown.
#include "ElementWindowFixture.h"

#include "core/clsCommon.h"
#include "core/Runtime.h"
#include "core/clsOptions.h"
#include "curves/clsCalc.h"
#include "mainwindow/modProjektStart.h"
#include "materials/ui/frmSettings.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

class SettingsFactorTest : public ElementWindowFixture {
protected:
    void TearDown() override
    {
        fenster.reset();
        ElementWindowFixture::TearDown();
    }
    // A raw spectrum of 301 points from x = -150 to 150 as the project's file, and its window.
    frmSettings& Neues_Spektrum(const std::string& name)
    {
        Neues_Projekt_Reset();
        const auto pfad = env.Root() / name;
        std::ofstream datei(pfad, std::ios::binary);
        for (int i = -150; i <= 150; ++i) datei << i << " 1000 " << 5000 - std::abs(i) * 10 << "\r\n";
        datei.close();
        gCommon->Set_Dateiname(pfad.string());
        fenster = std::make_unique<frmSettings>(gfrmMain);
        fenster->show();
        return *fenster;
    }
    std::unique_ptr<frmSettings> fenster;
};

}

TEST_F(SettingsFactorTest, TheTypedFactorIsOfferedAgainAndTheListsFactorOnlyWhenShown)
{
    frmSettings& erstes = Neues_Spektrum("erstes.dat");
    ASSERT_TRUE(erstes.Option1[0]->isChecked()) << "a first project offers the list";
    erstes.Option1[1]->click();
    erstes.Text1->setText("1");
    Click(erstes.cmdOK);
    EXPECT_FLOAT_EQ(gOptions->Faktor_X(), 1.0f);
    EXPECT_FLOAT_EQ(gCalc->Maximum_X(), 151.0f) << "K in 1/nm as the file has it (one step beyond the last point)";

    // The next raw spectrum: the typed factor is chosen again, in its box and in the label.
    frmSettings& zweites = Neues_Spektrum("zweites.dat");
    EXPECT_TRUE(zweites.Option1[1]->isChecked());
    EXPECT_EQ(zweites.Text1->text(), "1");
    EXPECT_TRUE(zweites.Text1->isEnabled());
    EXPECT_EQ(zweites.lblFaktor->text(), "1/nm = 1 XAE");
    EXPECT_FLOAT_EQ(zweites.Faktor_X(), 1.0f);
    Click(zweites.cmdOK);
    EXPECT_FLOAT_EQ(gOptions->Faktor_X(), 1.0f);
    EXPECT_FLOAT_EQ(gCalc->Maximum_X(), 151.0f) << "not the list's factor, unseen";

    // Back to the list: the factor is the entry the list shows, and the next opening offers the list.
    frmSettings& drittes = Neues_Spektrum("drittes.dat");
    drittes.Option1[0]->click();
    const float liste = drittes.Faktor_X();
    EXPECT_NE(liste, 1.0f);
    EXPECT_EQ(drittes.lblFaktor->text().toStdString(), "1/nm = " + rt::SingleText(liste) + " XAE");
    Click(drittes.cmdOK);
    EXPECT_FLOAT_EQ(gOptions->Faktor_X(), liste);
    EXPECT_TRUE(Neues_Spektrum("viertes.dat").Option1[0]->isChecked());
}
