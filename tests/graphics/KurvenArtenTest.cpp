// What each curve kind's view puts on the diagram, checked pixel by pixel.
#include "AuswertungFixture.h"
#include "DiagrammFixture.h"

#include "core/KurvenTyp.h"
#include "panels/PanelInterfaces.h"

namespace {

const QRgb kWeiss = qRgb(255, 255, 255);
const QRgb kSchwarz = qRgb(0, 0, 0);
const QRgb kRot = qRgb(255, 0, 0);
const QRgb kGruen = qRgb(0, 255, 0);
const QRgb kBlau = qRgb(0, 0, 255);

// Whether a pixel within one of (x, y) passes the test.
template <class Test>
bool Nahe(const QImage& bild, int32_t x, int32_t y, Test test)
{
    for (int32_t dy = -1; dy <= 1; ++dy)
        for (int32_t dx = -1; dx <= 1; ++dx)
            if (bild.valid(x + dx, y + dy) && test(bild.pixel(x + dx, y + dy))) return true;
    return false;
}
bool NaheFarbe(const QImage& bild, int32_t x, int32_t y, QRgb farbe)
{
    return Nahe(bild, x, y, [farbe](QRgb p) { return p == farbe; });
}
int32_t Anzahl(const QImage& bild, QRgb farbe)
{
    int32_t n = 0;
    for (int32_t y = 0; y < bild.height(); ++y)
        for (int32_t x = 0; x < bild.width(); ++x) n += bild.pixel(x, y) == farbe;
    return n;
}

QPoint Pixel(const conDisplay& d, float x, float y)
{
    return {*PixelX(d.Skala(), x), *PixelY(d.Skala(), y)};
}

struct Fourier final : FourierPanel {
    bool ShowUG() const override { return ug; }
    bool ShowGas() const override { return gas; }
    bool ShowOszi() const override { return oszi; }
    bool ug = false, gas = false, oszi = false;
};

class Rohspektrum : public DiagrammFixture {
protected:
    void SetUp() override
    {
        DiagrammFixture::SetUp();
        Arbeitskurve(-10, 10, 0.1f, [](float x) { return 1000.0f * std::exp(-x * x / 8); });
        gCalc->Mitte_suchen();
        gSchritt = 2;
        gGrafik->Zeichne_Kurve(KT_JK_Bearbeitet);
    }
    QPoint Pixel(float x, float y) const { return ::Pixel(display, x, y); }
};

class Ausgewertet : public AuswertungFixture {
protected:
    void SetUp() override
    {
        AuswertungFixture::SetUp();
        Auswertung();
        PanelPlatz<FourierPanel>::Set(&fourier);
    }
    void TearDown() override
    {
        PanelPlatz<FourierPanel>::Set(nullptr);
        AuswertungFixture::TearDown();
    }
    Fourier fourier;
};

}

TEST_F(Rohspektrum, ZoomsEachPointHasACircleTheCentreLineIsGreenAndKindsWithoutAViewDrawNothing)
{
    ASSERT_EQ(gGrafik->LetzteKurve(), KT_JK);
    ASSERT_EQ(gCalc->Mitte(), 0.0f);
    gGrafik->Zoomen(-0.5f, 0.4f, 0, 1100, true, true);
    const QImage& bild = display.pic->Image;
    const auto dunkel = [](QRgb p) { return p != kWeiss; };
    for (int32_t i = gCalc->Index(-0.5f); i <= gCalc->Index(0.4f); ++i) {
        const QPoint p = Pixel(gCalc->x(i), gCalc->Y(i));
        EXPECT_TRUE(NaheFarbe(bild, p.x(), p.y(), kSchwarz)) << "point " << i;
        EXPECT_TRUE(Nahe(bild, p.x(), p.y() - 4, dunkel) && Nahe(bild, p.x(), p.y() + 4, dunkel)) << "circle " << i;
    }
    EXPECT_EQ(gCalc->Index(0.4f) - gCalc->Index(-0.5f) + 1, 10);
    const int32_t mitte = *PixelX(display.Skala(), 0);
    EXPECT_TRUE(NaheFarbe(bild, mitte, bild.height() - kRandUnten - 20, kGruen));

    // With the centre left of the window the line runs along the plot box's left edge.
    gGrafik->Zoomen(2.0f, 2.9f, 0, 1100, true, true);
    EXPECT_EQ(gGrafik->Layer(2).Bild().pixel(0, 100), kGruen);

    // A zoom window beyond the curve draws only its points; kinds without a view leave the picture.
    gGrafik->Zoomen(-50, 50, -100, 2000, true, true);
    EXPECT_GT(DunklePixelImPlot(), 300);
    gSchritt = 9;
    gGrafik->Zeichne(false);
    EXPECT_EQ(seam.errorWindows, 0);
    EXPECT_TRUE(seam.messages.empty());
    const QImage vorher = display.pic->Image;
    for (const int32_t kurve : {9, 11, 13, 30}) gGrafik->Zeichne_Kurve(kurve);
    EXPECT_EQ(display.pic->Image, vorher) << "kinds without a view leave the picture";
}

TEST_F(Rohspektrum, SideFitsOverlapByTwiceTheOverlapInFitPoints)
{
    Arbeitskurve(0, 20, 0.1f, [](float x) { return 100.0f * std::sin(x); });
    gCalc->setTrennstelle(46);
    ASSERT_EQ(gCalc->Fit_Punkte_Links(), 50);
    ASSERT_EQ(gOptions->Fit_Ueberlapp_k(), 5);
    gSchritt = 9;
    gGrafik->Zeichne_Kurve(KT_JK);
    // All fits are 0 before they are made: the right one begins at X_Fit(42), the blue overlap
    // covers X_Fit(42)..X_Fit(51).
    const QImage& bild = display.pic->Image;
    const auto farbe = [&](float punkt) {
        return bild.pixel(*PixelX(display.Skala(), (punkt - 1) * 0.1f), *PixelY(display.Skala(), 0));
    };
    for (const float punkt : {41.5f, 42.5f, 50.5f, 51.5f})
        EXPECT_EQ(farbe(punkt), punkt > 42 && punkt < 51 ? kBlau : kRot) << punkt;
}

TEST_F(Ausgewertet, IKViewLayersItsCurvesAndMarksTheIndices)
{
    gIK->setFTR_Index(900);
    gIK->setFTR_Start_Index(30);
    gIK->setParabel_Index(20);
    gGrafik->Zeichne_Kurve(KT_IK);
    const QImage& layer = gGrafik->Layer(1).Bild();
    EXPECT_GT(Anzahl(layer, kGruen), 300) << "zero line";
    EXPECT_GT(Anzahl(layer, qRgb(0xC0, 0xC0, 0xC0)), 300) << "mean line";
    EXPECT_GT(Anzahl(layer, kBlau), 20) << "back-transform";
    EXPECT_GT(Anzahl(layer, kRot), 300) << "measured I(K)";

    const QImage& bild = haupt.pic->Image;
    const QPoint w = Pixel(haupt, gIK->x(500), gIK->Y_Wichtung(500));
    EXPECT_TRUE(NaheFarbe(bild, w.x(), w.y(), kSchwarz)) << "weighted I(K)";
    // The marks of the parabola, transform end and start indices.
    for (const auto& [i, y, dy, farbe] : std::initializer_list<std::tuple<int32_t, float, int32_t, QRgb>>{
             {20, gIK->Y_Parabel(20), -5, kGruen}, {900, gIK->Y(900), -5, kRot}, {30, gIK->Y(30), 5, kRot}})
        EXPECT_TRUE(NaheFarbe(bild, Pixel(haupt, gIK->x(i), y).x(), Pixel(haupt, gIK->x(i), y).y() + dy, farbe)) << i;
    EXPECT_TRUE(NaheFarbe(bild, Pixel(haupt, gIK->x(1000), 0).x(), Pixel(haupt, 0, 0).y(), kRot)) << "cut-off mark";

    // Without a background the measured curve is still drawn.
    fourier.ug = fourier.gas = true;
    gUntergrund->Clear();
    gGrafik->Zeichne_Kurve(KT_IK_Wichtung);
    EXPECT_GT(Anzahl(gGrafik->Layer(1).Bild(), kRot), 300);
    EXPECT_GT(Anzahl(gGrafik->Layer(1).Bild(), qRgb(70, 120, 0)), 100) << "the form-factor term, 0 for one element";
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(Ausgewertet, RdfKeepsItsRangeWhenZoomedAndTwoDiagramsShowIKBesideGrWithItsDensityLines)
{
    gGrafik->Zeichne_Kurve(KT_RDF);
    gGrafik->Zoomen(0.2f, 0.5f, 10, 100, true, true);
    EXPECT_FLOAT_EQ(haupt.Skala().xmin, 0.0f);
    EXPECT_FLOAT_EQ(haupt.Skala().xmax, 1.0f);
    EXPECT_FLOAT_EQ(gGrafik->SkalenBereich().y1, -1.0f);
    EXPECT_FLOAT_EQ(gGrafik->SkalenBereich().y2, gGR->Maximum());

    gOptions->setAnsicht_2_Fenster(true);
    fourier.oszi = true;
    gGrafik->Zeichne_Kurve(KT_GR);
    EXPECT_EQ(haupt.Kurve(), KT_IK_Wichtung);
    EXPECT_EQ(zweites.Kurve(), KT_GR);
    EXPECT_EQ(haupt.pic->Image, haupt.pic->Picture) << "no I(K) extras";
    const QImage& bild = zweites.pic->Image;
    const float r = gGR->R(gGR->Dichte_Exp_Index()) / 2;
    const QPoint theo = Pixel(zweites, r, gGR->Dichte_Theo() / 2);
    const QPoint fit = Pixel(zweites, r, gGR->G_Ausgleich() / 2);
    EXPECT_TRUE(NaheFarbe(bild, theo.x(), theo.y(), kRot));
    EXPECT_TRUE(NaheFarbe(bild, fit.x(), fit.y(), kBlau));
    EXPECT_GT(Anzahl(bild, qRgb(255, 0, 255)), 0) << "the oscillations in magenta";
}

TEST_F(Ausgewertet, EachViewCarriesItsKindsTitleAndUnit)
{
    // The title stands at the y axis, the unit of x below the axis; the views of the measured
    // spectrum carry J whatever stage of it they show; G(r) starts a little left of 0.
    const auto zeigt = [this](const std::string& text) {
        for (const AchsenText& t : haupt.Achsen().texte)
            if (t.text == text) return true;
        return false;
    };
    for (const bool nm : {true, false}) {
        gOptions->setEinheit_NM(nm);
        const std::string K = nm ? "K" : "Q";
        const std::string xK = nm ? "K [1/nm]" : "Q [1/Å]";
        const std::string xr = nm ? "r [nm]" : "r [Å]";
        for (const auto& [kind, titel, einheit] : std::initializer_list<std::tuple<int32_t, std::string, std::string>>{
                 {KT_JK, "J(" + K + ")", xK},
                 {KT_JK_Bearbeitet, "J(" + K + ")", xK},
                 {KT_JK_Gemittelt, "J(" + K + ")", xK},
                 {KT_Fit, "J(" + K + ")", xK},
                 {KT_UG_Stuetzstellen, "U(" + K + ")", xK},
                 {KT_IK, "I(" + K + ")", xK},
                 {KT_IK_Wichtung, "I(" + K + ")", xK},
                 {KT_GR, "G(r)", xr},
                 {KT_RDF, "RDF", xr}}) {
            SCOPED_TRACE(std::to_string(kind) + " " + titel);
            gGrafik->Zeichne_Kurve(kind);
            EXPECT_TRUE(zeigt(titel));
            EXPECT_TRUE(zeigt(einheit));
        }
    }
    gOptions->setEinheit_NM(true);
    gGrafik->Zeichne_Kurve(KT_GR);
    EXPECT_FLOAT_EQ(haupt.Skala().xmin, -0.1f);
    Speichern(haupt, "titel_GR.png");
}
