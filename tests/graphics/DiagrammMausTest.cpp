// The diagram's mouse tools driven by mouse events on the drawing surface: zoom, background
// support points, the I(K) indices, the coordination limits and hatch, the fold drag, the
// separation point, the read-out and the pointer over Gauss peaks.
#include "DiagrammFixture.h"

#include "analysis/clsGR.h"
#include "analysis/clsGauss.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/KurvenTyp.h"
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "panels/PanelInterfaces.h"
#include "graphics/DiagrammMaus.h"
#include "materials/clsMFE.h"
#include "support/ui/Bildschirmfoto.h"

#include <QCoreApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QMouseEvent>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

class MausTest : public DiagrammFixture {
protected:
    void TearDown() override
    {
        gModus_Zoom = gModus_Bereich = gModus_Verschieben = gModus_Hoehe = gModus_Breite = gModus_Fit = false;
        gSchritt = 0;
    }

    // The surface pixel of a data point under the present scale.
    QPoint Bei(float x, float y = 0) const
    {
        return QPoint(*PixelX(display.Skala(), x), *PixelY(display.Skala(), y));
    }
    // Mouse events as the window system delivers them to the drawing surface.
    void Senden(QEvent::Type art, QPoint p, Qt::MouseButton knopf, Qt::MouseButtons gehalten,
                Qt::KeyboardModifiers tasten = {})
    {
        const QPointF ort(p);
        QMouseEvent ereignis(art, ort, display.pic->mapToGlobal(ort), knopf, gehalten, tasten);
        QCoreApplication::sendEvent(display.pic, &ereignis);
    }
    void Bewegen(QPoint p, Qt::MouseButtons gehalten = {}, Qt::KeyboardModifiers tasten = {})
    {
        Senden(QEvent::MouseMove, p, Qt::NoButton, gehalten, tasten);
    }
    // A click after the pointer came to p with no button held.
    void Klick(QPoint p, Qt::MouseButton knopf = Qt::LeftButton, Qt::KeyboardModifiers tasten = {})
    {
        Bewegen(p);
        Senden(QEvent::MouseButtonPress, p, knopf, knopf, tasten);
        Senden(QEvent::MouseButtonRelease, p, knopf, {}, tasten);
    }
    void Ziehen(QPoint von, QPoint bis)
    {
        Bewegen(von);
        Senden(QEvent::MouseButtonPress, von, Qt::LeftButton, Qt::LeftButton);
        Bewegen(bis, Qt::LeftButton);
        Senden(QEvent::MouseButtonRelease, bis, Qt::LeftButton, {});
    }
    // The columns of the surface that hold a red pixel: first and last, or (-1, -1).
    std::pair<int32_t, int32_t> RoteSpalten() const
    {
        const QImage& bild = display.pic->Image;
        int32_t erste = -1, letzte = -1;
        for (int32_t x = 0; x < bild.width(); ++x)
            for (int32_t y = 0; y < bild.height(); ++y)
                if (bild.pixel(x, y) == qRgb(255, 0, 0)) {
                    if (erste < 0) erste = x;
                    letzte = x;
                    break;
                }
        return {erste, letzte};
    }
    QSignalSpy info{&display, &conDisplay::InfoChange};
};

}

TEST_F(MausTest, ZoomNeedsADragThenZoomsToTheCornersAndEnds)
{
    Arbeitskurve(0, 53, 0.1f, [](float x) { return x / 10; });
    display.Skalieren(53, 0, 10, 0, KT_JK);
    gModus_Zoom = true;
    Klick(Bei(20, 5));
    EXPECT_TRUE(gModus_Zoom && !gGrafik->Zoom()) << "a click without movement keeps the mode";
    EXPECT_EQ(info.count(), 0);

    const QPoint von = Bei(30, 2), bis = Bei(10, 8);
    const float yOben = WertY(display.Skala(), float(bis.y())), yUnten = WertY(display.Skala(), float(von.y()));
    Ziehen(von, bis);
    const Bereich z = gGrafik->ZoomFenster();
    EXPECT_EQ(std::tuple(gGrafik->Zoom(), gModus_Zoom, z.x1, z.x2, z.y1, z.y2), std::tuple(true, false, 10.0f, 30.0f, yUnten, yOben));
    ASSERT_EQ(info.count(), 1);
    EXPECT_EQ(info[0][0].toInt(), 2);
}

TEST_F(MausTest, BackgroundStepAddsMovesAndDeletesSupportPoints)
{
    Arbeitskurve(0, 10, 0.1f, [](float x) { return x * x; });
    display.Skalieren(53, 0, 100, 0, KT_UG_Stuetzstellen);
    gSchritt = 10;
    Klick(Bei(1, 50));
    Klick(Bei(3, 50));
    ASSERT_EQ(gUntergrund->Anzahl(), 2);
    EXPECT_NEAR(gUntergrund->UX(2), 3.0f, 1e-4);
    EXPECT_NEAR(gUntergrund->UY(2), 50.0f, 0.5f);
    Klick(Bei(4, 50), Qt::LeftButton, Qt::ControlModifier);
    ASSERT_EQ(gUntergrund->Anzahl(), 3);
    EXPECT_NEAR(gUntergrund->UY(3), 16.0f, 1e-3) << "on the curve at x = 4, not one point before";

    Ziehen(Bei(3, 50), Bei(6, 30));
    ASSERT_EQ(gUntergrund->Anzahl(), 3) << "the point moved, none added";
    EXPECT_NEAR(gUntergrund->UX(2), 4.0f, 1e-4);
    EXPECT_NEAR(gUntergrund->UX(3), 6.0f, 1e-4);

    Klick(Bei(5.8f, 30), Qt::RightButton);
    ASSERT_EQ(gUntergrund->Anzahl(), 2);
    EXPECT_NEAR(gUntergrund->UX(2), 4.0f, 1e-4) << "the nearer neighbour went";
    Ziehen(Bei(1, 50), Bei(2, 40));
    ASSERT_EQ(gUntergrund->Anzahl(), 2) << "the lowest point moves as well, none added";
    EXPECT_NEAR(gUntergrund->UX(2), 2.0f, 1e-4);
    EXPECT_EQ(info.count(), 6);
    for (const auto& ereignis : info) EXPECT_EQ(ereignis[0].toInt(), 5);
}

TEST_F(MausTest, InterferenceStepSetsTheIndicesOfTheClickedKClampedAndExtrasPickKpe)
{
    gIK->Rechteck();
    const int32_t n = gIK->Punkte();
    display.Skalieren(53, 0, 2, 0, KT_IK);
    gSchritt = 11;
    Klick(Bei(50), Qt::RightButton);
    EXPECT_EQ(gIK->FTR_Index(), 501) << "K = 50 is point 501";
    Klick(Bei(20));
    EXPECT_EQ(gIK->Parabel_Index(), 201);
    Klick(Bei(5), Qt::RightButton, Qt::ControlModifier);
    EXPECT_EQ(gIK->FTR_Start_Index(), 51);
    EXPECT_EQ(gIK->FTR_Index(), 501) << "Ctrl sets only the start";

    Klick(QPoint(10, 100));
    EXPECT_EQ(gIK->Parabel_Index(), 2) << "left of K = 0";
    display.Skalieren(530, 0, 2, 0, KT_IK);
    Klick(QPoint(590, 100), Qt::RightButton);
    EXPECT_EQ(gIK->FTR_Index(), n) << "beyond the curve";
    ASSERT_EQ(info.count(), 5);
    EXPECT_EQ(info[4][0].toInt(), 6);

    // The extras step picks K_pe while moving until the release.
    display.Skalieren(53, 0, 2, 0, KT_IK);
    gSchritt = 14;
    display.Maus->SetKpe = true;
    Bewegen(Bei(25));
    EXPECT_FLOAT_EQ(gIK->K_pe(), 25);
    Klick(Bei(30));
    EXPECT_FALSE(display.Maus->SetKpe);
    Bewegen(Bei(35));
    EXPECT_FLOAT_EQ(gIK->K_pe(), 30) << "picking ended with the release";
}

TEST_F(MausTest, DensityLineAndCoordinationLimitsWithTheirHatch)
{
    gMFE->setDichte_Experimentell(60);
    gGR->setPunkte(1200);
    // Falling from r = 0, as G(r) does below its first peak, so that a short line gives a density.
    for (int32_t i = 1; i <= 1200; ++i) gGR->Set_Y(i, -std::sin(gGR->R(i) * 10));
    const float rEnde = gGR->R(1200), dr = gOptions->Delta_r();
    display.Skalieren(530 * dr, 0, 1, -6, KT_GR);
    gSchritt = 12;
    Klick(QPoint(5, 100));
    EXPECT_EQ(gGR->Dichte_Exp_Index(), 2) << "the density line left of r = 0";
    info.clear();
    gMFE->setDichte_Experimentell(60);  // the line through two points of a sine set a density of its own

    display.Skalieren(5.3f, 0, 30000, 0, KT_RDF);
    gSchritt = 13;
    gGR->setKZ_r2(0);
    Klick(Bei(1));
    EXPECT_NEAR(gGR->KZ_r1(), 1.0f, 1e-4);
    EXPECT_EQ(std::tuple(gGR->KZ_r2(), RoteSpalten().first), std::tuple(0.0f, -1))
        << "left sets only the lower limit: no hatch yet";
    // The values are read again: a number counted from the old lower limit no longer holds.
    ASSERT_EQ(info.count(), 1);
    EXPECT_EQ(info[0][0].toInt(), 7);
    Klick(Bei(2), Qt::RightButton);
    EXPECT_NEAR(gGR->KZ_r2(), 2.0f, 1e-4);
    EXPECT_GT(gGR->KZ_Wert(), 0.0f);
    EXPECT_EQ(RoteSpalten(), std::make_pair(Bei(1).x(), Bei(2).x()));
    ASSERT_EQ(info.count(), 2);
    EXPECT_EQ(info[1][0].toInt(), 7);
    foto::Ablegen(display, "diagram/koordination.png");

    Bewegen(Bei(2.2f), {}, Qt::ControlModifier);
    EXPECT_NEAR(gGR->KZ_r2(), 2.2f, 1e-4) << "Ctrl drags the upper limit";
    EXPECT_EQ(info.count(), 3);

    Klick(Bei(3));
    Klick(Bei(2.5f), Qt::RightButton);
    EXPECT_NEAR(gGR->KZ_r1(), 2.5f, 1e-4) << "reversed limits are swapped";
    EXPECT_NEAR(gGR->KZ_r2(), 3.0f, 1e-4);
    EXPECT_EQ(RoteSpalten(), std::make_pair(Bei(2.5f).x(), Bei(3).x()));

    Klick(Bei(5.2f), Qt::RightButton);
    EXPECT_FLOAT_EQ(gGR->KZ_r2(), rEnde) << "clamped to the last r";
    EXPECT_LE(RoteSpalten().second, Bei(rEnde).x()) << "the hatch ends there too";
}

TEST_F(MausTest, DensityLineIndexOfTheClickedRWithinTheCurve)
{
    gMFE->setDichte_Experimentell(60);
    gGR->setPunkte(1200);
    for (int32_t i = 1; i <= 1200; ++i) gGR->Set_Y(i, -gGR->R(i));
    const float dr = gOptions->Delta_r();
    display.Skalieren(530 * dr, 0, 1, -6, KT_GR);
    gSchritt = 12;
    Klick(Bei(100 * dr, -1));
    EXPECT_EQ(gGR->Dichte_Exp_Index(), 101);
    Klick(QPoint(5, 100));
    EXPECT_EQ(gGR->Dichte_Exp_Index(), 2) << "left of r = 0";
    ASSERT_EQ(info.count(), 2);
    EXPECT_EQ(info[1][0].toInt(), 7);
}

TEST_F(MausTest, ADensityLineThatGivesNoDensityIsRefusedWithOneMessage)
{
    gGR->setPunkte(1200);
    for (int32_t i = 1; i <= 1200; ++i) gGR->Set_Y(i, -std::sin(gGR->R(i) * 10));
    const float dr = gOptions->Delta_r();
    display.Skalieren(530 * dr, 0, 1, -6, KT_GR);
    gSchritt = 12;
    // Up to the first minimum of −sin(10·r) the line gives a density; up to the maximum after it,
    // where the area above 0 outweighs the one below, it would give a negative one.
    const int32_t minimum = static_cast<int32_t>(std::lround(0.05 * std::numbers::pi / dr)) + 1;
    Klick(Bei(gGR->R(minimum), -1));
    ASSERT_EQ(gGR->Dichte_Exp_Index(), minimum);
    const float dichte = gMFE->Dichte_Experimentell();
    ASSERT_GT(dichte, 0.0f);
    info.clear();

    Klick(Bei(gGR->R(3 * minimum), 1));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, gLanguage->Caption(542));
    EXPECT_EQ(seam.messages[0].icon, zelo::MsgIcon::Exclamation);
    EXPECT_EQ(gGR->Dichte_Exp_Index(), minimum) << "the line stays";
    EXPECT_EQ(gMFE->Dichte_Experimentell(), dichte) << "the density stays";
    EXPECT_EQ(info.count(), 0) << "the values shown stay";
}

// What the test-curve panel was asked for.
class Testkurven : public TestkurvenPanel {
public:
    void AddNewPoint(float x, float a, float b) override { rufe.push_back({"Point", x, a, b}); }
    void AddNewSinus(float x, float a, float b) override { rufe.push_back({"Sinus", x, a, b}); }
    struct Ruf {
        std::string art;
        float x, a, b;
    };
    std::vector<Ruf> rufe;
};

TEST_F(MausTest, TestProjectsPlaceTestPeaksInsteadOfSettingIndices)
{
    Testkurven panel;
    PanelPlatz<TestkurvenPanel>::Set(&panel);
    gIK->Rechteck();
    const int32_t parabel = gIK->Parabel_Index();
    display.Skalieren(53, 0, 2, 0, KT_IK);
    gSchritt = 11;
    gCommon->setProjektTyp_Spezial(4);
    Klick(Bei(20), Qt::RightButton);
    Klick(Bei(30), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(gIK->Parabel_Index(), parabel);

    display.Skalieren(5.3f, 0, 1, -1, KT_GR);
    gSchritt = 12;
    gCommon->setProjektTyp_Spezial(5);
    Klick(Bei(0.5f));
    Klick(Bei(1), Qt::LeftButton, Qt::ControlModifier);
    PanelPlatz<TestkurvenPanel>::Set(nullptr);
    gCommon->setProjektTyp_Spezial(0);

    ASSERT_EQ(panel.rufe.size(), 4u);
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(panel.rufe[i].art, i % 2 ? "Sinus" : "Point") << i;
    EXPECT_FLOAT_EQ(panel.rufe[0].x, 20);
    EXPECT_FLOAT_EQ(panel.rufe[0].b, 30);
    EXPECT_FLOAT_EQ(panel.rufe[2].a, 0.02f);
    EXPECT_FLOAT_EQ(panel.rufe[3].b, 3);
    EXPECT_EQ(info.count(), 0);
}

TEST_F(MausTest, PointEditFoldDragAndHeightCutOnAStraightCurve)
{
    Arbeitskurve(0, 50, 0.1f, [](float x) { return x; });
    display.Skalieren(53, 0, 60, 0, KT_JK);
    gSchritt = 2;
    Bewegen(Bei(20, 10));
    EXPECT_EQ(display.Maus->PunktUnterCursor(), 201);
    Senden(QEvent::MouseButtonPress, Bei(20, 10), Qt::LeftButton, Qt::LeftButton);
    const QPoint oben = Bei(20, 40);
    Bewegen(oben, Qt::LeftButton);
    EXPECT_EQ(RoteSpalten(), std::make_pair(Bei(19.9f).x(), Bei(20.1f).x())) << "the point and its neighbours";
    const float y = WertY(display.Skala(), float(oben.y())), nachbar = gCalc->Y(200);
    Senden(QEvent::MouseButtonRelease, oben, Qt::LeftButton, {});
    EXPECT_FLOAT_EQ(gCalc->Y(201), y) << "the point under the press";
    EXPECT_EQ(gCalc->Y(200), nachbar);

    gSchritt = 4;
    const float vorher = gCalc->X_Shifted(1, true);
    Ziehen(Bei(20, 10), Bei(20.5f, 10));
    EXPECT_NEAR(gCalc->X_Shifted(1, true) - vorher, -0.5f, 1e-4) << "the fold shifts against the drag";

    gSchritt = 0;
    gModus_Hoehe = true;
    const QPoint p = Bei(20, 10);
    const auto hoehe = static_cast<float>(3 * std::lround(WertY(display.Skala(), float(p.y()))));
    Klick(p, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(gCalc->Maximum_Y(), hoehe) << "Ctrl triples the cut height";
    EXPECT_FALSE(gModus_Hoehe);
}

TEST_F(MausTest, ReadOutInTheShownUnitAndCrossOverGaussPeaks)
{
    gOptions->setEinheit_NM(false);
    display.Skalieren(5.3f, 0, 1, -1, KT_GR);
    Bewegen(Bei(0.25f));
    EXPECT_TRUE(display.lblPos->text().startsWith("r [Å]= 2.5  ")) << display.lblPos->text().toStdString();

    gGauss->Hinzufuegen(0.3f, 0.05f, 1, 0, 0);
    Bewegen(Bei(0.3f));
    EXPECT_EQ(display.pic->cursor().shape(), Qt::CrossCursor);
    Bewegen(Bei(0.32f));
    EXPECT_EQ(display.pic->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MausTest, SeparationStepDrawsTheRedLineAndSetsThePointOnRelease)
{
    Arbeitskurve(0, 50, 0.1f, [](float x) { return x; });
    display.Skalieren(53, 0, 60, 0, KT_JK_Gemittelt);
    gSchritt = 9;
    gCalc->setTrennstelle_OK(false);
    Bewegen(Bei(20, 10));
    EXPECT_EQ(RoteSpalten(), std::make_pair(Bei(20).x(), Bei(20).x()));
    Klick(Bei(20, 10));
    EXPECT_EQ(gCalc->Trennstelle(), 200);
}
