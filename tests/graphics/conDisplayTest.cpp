#include "DiagrammFixture.h"

#include "core/KurvenTyp.h"
#include "core/clsOptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <array>
#include <filesystem>

namespace {

using DisplayTest = DiagrammFixture;

std::vector<std::string> Texte(const AchsenBild& achsen, bool rechtsbuendig)
{
    std::vector<std::string> texte;
    for (const AchsenText& t : achsen.texte)
        if (t.rechtsbuendig == rechtsbuendig) texte.push_back(t.text);
    return texte;
}

}

TEST_F(DisplayTest, NarrowControlLabelsEverySecondYTickAndAngstromScalesTheXLimits)
{
    display.resize(280, 300);
    display.Skalieren(100, 0, 10, 0, KT_JK);
    display.Zeichne_Achsen();
    EXPECT_EQ(Texte(display.Achsen(), true), (std::vector<std::string>{"0,0", "2.1", "4.2", "6.3", "J(K)"})) << "10 with 5 % headroom";
    // Eleven x labels would run into each other at this width: fewer are written, the unit among them.
    const auto schmal = Texte(display.Achsen(), false);
    EXPECT_LT(schmal.size(), 11u);
    EXPECT_NE(std::find(schmal.begin(), schmal.end(), "K [1/nm]"), schmal.end());

    display.resize(600, 400);
    gOptions->setEinheit_NM(false);
    display.Skalieren(1, 0, 5, -1, KT_GR);
    display.Zeichne_Achsen();
    EXPECT_EQ(display.txtAchse[2]->text(), "0,0");
    EXPECT_EQ(display.txtAchse[3]->text(), "10.0");
    const auto x = Texte(display.Achsen(), false);
    EXPECT_EQ(x[8], "r [Å]");
    EXPECT_EQ(x[5], "5.0");
    EXPECT_FALSE(display.Check1->isVisible()) << "G(r) is always linear";
}

TEST_F(DisplayTest, EnterInALimitBoxZoomsUnlessPreview)
{
    // The limits themselves are read by the model (ZoomAusGrenzen); here only that Enter zooms.
    for (const bool vorschau : {true, false}) {
        display.setIsPreview(vorschau);
        for (int i = 0; i < 4; ++i) display.txtAchse[i]->setText(QString::number(std::array{5, -1, 2, 10}[i]));
        QTest::keyClick(display.txtAchse[3], Qt::Key_Return);
        EXPECT_EQ(gGrafik->Zoom(), !vorschau);
    }
    EXPECT_FLOAT_EQ(gGrafik->ZoomFenster().x2, 10.0f);
}

TEST_F(DisplayTest, SavesTheDiagramAsABitmapUnlessCancelledAndCopiesItAsAPicture)
{
    display.Skalieren(100, 0, 10, 0, KT_JK);
    display.Zeichne_Achsen();
    const auto ordner = env.Root();
    seam.dialogAnswers = {(ordner / "plot").string()};
    display.DiagrammSpeichern();
    const QImage gelesen(QString::fromStdString((ordner / "plot.bmp").string()));
    EXPECT_EQ(gelesen.size(), display.size());
    EXPECT_EQ(seam.dialogs.at(0).filters.at(0).patterns, "*.bmp");

    seam.dialogAnswers = {(ordner / "grafik.BMP").string()};
    display.DiagrammSpeichern();
    EXPECT_TRUE(std::filesystem::exists(ordner / "grafik.BMP.bmp")) << "the ending is compared exactly";

    const auto vorher = std::distance(std::filesystem::directory_iterator(ordner), {});
    display.DiagrammSpeichern();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner), {}), vorher);
    EXPECT_TRUE(seam.messages.empty());

    display.DiagrammZwischenablage();
    EXPECT_EQ(QApplication::clipboard()->image().size(), display.size());
    EXPECT_EQ(display.pic->Picture, display.pic->Image) << "the copied drawing became the background";
}

TEST_F(DisplayTest, WipingRestoresEveryPixelOfTheBackgroundAndTheLogChoiceIsRemembered)
{
    display.Skalieren(100, 0, 10, 0, KT_JK);
    display.Zeichne_Achsen();
    display.Display_Background();
    const QImage hintergrund = display.pic->Image;
    display.Zeichne_Punkt(10, 1, 255);
    display.Zeichne_LinieZu(90, 9, 0xFF0000);
    display.Zeichne_Kreis(50, 5, 65280);
    display.TextOut(20, 8, "Peak", 0, 4, true);
    ASSERT_NE(display.pic->Image, hintergrund);
    display.Display_CLS();
    EXPECT_EQ(display.pic->Image, hintergrund);

    // The log choice is remembered for the kinds that allow it.
    display.Skalieren(100, 0, 1000, 1, KT_JK);
    QTest::mouseClick(display.Check1, Qt::LeftButton, {}, QPoint(5, display.Check1->height() / 2));
    EXPECT_TRUE(display.Y_Achse_Log());
    display.Skalieren(1, 0, 5, -1, KT_GR);
    EXPECT_FALSE(display.Y_Achse_Log());
    display.Skalieren(100, 0, 1000, 1, KT_JK);
    EXPECT_TRUE(display.Y_Achse_Log());
    EXPECT_TRUE(display.Check1->isChecked());
}
