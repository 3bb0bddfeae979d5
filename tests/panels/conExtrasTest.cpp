// The structure values panel at the extras step of a generated evaluation: K_pp picked with the
// mouse, an r range of G(r) shown back-transformed over I(K), the crystal reflexes of a cubic
// element and the overlays in both diagrams.
#include "PanelImRahmen.h"

#include "core/KurvenTyp.h"
#include "core/KeyedCollection.h"
#include "graphics/DiagrammMaus.h"
#include "graphics/DiagrammFlaeche.h"
#include "materials/clsElement.h"
#include "panels/conExtras.h"
#include "widgets/fxbutton.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

namespace {

class Extras : public PanelImRahmen<conExtras> {
protected:
    void SetUp() override
    {
        PanelImRahmen::SetUp();
        Auswertung();
        gOptions->setAnsicht_2_Fenster(true);
        gGrafik->Zeichne_Kurve(KT_GR);
        Element("Xx", 1);
        Element("Yy", 2);
        gSchritt = 14;
        panel->Init();
    }
    void TearDown() override
    {
        gSchritt = 0;
        PanelImRahmen::TearDown();
    }
    static void Element(const std::string& symbol, int32_t system)
    {
        auto element = std::make_shared<clsElement>();
        element->setSymbol(symbol);
        element->setStruktur_System(system);
        element->setStruktur_a(0.4086f);
        colElemente.Add(element, symbol);
    }
    void Senden(QEvent::Type art, float K, Qt::MouseButton knopf, Qt::KeyboardModifiers tasten = {},
                conDisplay* d = nullptr)
    {
        conDisplay& ziel = d ? *d : haupt;
        const QPointF ort(*PixelX(ziel.Skala(), K), 100);
        QMouseEvent ereignis(art, ort, ziel.pic->mapToGlobal(ort), knopf, knopf, tasten);
        QCoreApplication::sendEvent(ziel.pic, &ereignis);
    }
    static int32_t Rote_Pixel(const QImage& bild)
    {
        int32_t n = 0;
        for (int32_t y = 0; y < bild.height(); ++y)
            for (int32_t x = 0; x < bild.width(); ++x) n += bild.pixel(x, y) == qRgb(255, 0, 0);
        return n;
    }
    void Bewegen(float K, Qt::KeyboardModifiers tasten = {}) { Senden(QEvent::MouseMove, K, Qt::NoButton, tasten); }
    void Waehlen(QComboBox* liste, const QString& text)
    {
        liste->setCurrentText(text);
        emit liste->activated(liste->currentIndex());
    }
};

}

TEST_F(Extras, KppFollowsTheMouseUntilTheRelease)
{
    emit panel->cmdPosition[0]->Click();
    Bewegen(25);
    const QString bei25 = panel->lblKpp->text();
    EXPECT_TRUE(bei25.startsWith("= 2")) << bei25.toStdString();
    EXPECT_NE(panel->lblLambda[1]->text(), "n/a");
    Bewegen(30);
    EXPECT_NE(panel->lblKpp->text(), bei25);
    const QString bei30 = panel->lblLambda[1]->text();
    Senden(QEvent::MouseButtonPress, 30, Qt::LeftButton);
    Senden(QEvent::MouseButtonRelease, 30, Qt::LeftButton);
    Bewegen(40);
    EXPECT_EQ(panel->lblLambda[1]->text(), bei30) << "frozen by the release";

    // The structure lines with Ctrl held, also left of K = 0.
    panel->cmdCheck[2]->setValue(true);
    Bewegen(20, Qt::ControlModifier);
    Bewegen(-1, Qt::ControlModifier);
    EXPECT_TRUE(seam.messages.empty());
    Speichern(haupt, "conExtras_Struktur.png");
}

TEST_F(Extras, ReflexesOfACubicElementAndTheSpacingOfChosenIndices)
{
    Waehlen(panel->cmbElement, "Xx");
    Waehlen(panel->cmbIndex[0], "2");
    EXPECT_EQ(panel->lblAbstand->text(), "d = 0.204 nm\nK = 30.755 1/nm");
    Speichern(haupt, "conExtras_Reflexe.png");
    // The free-electron lines take the place of the reflexes.
    panel->cmdCheck[0]->setValue(true);
    panel->MFE();
    Speichern(zweites, "conExtras_Friedel.png");
    Waehlen(panel->cmbElement, "Xx");
    Bilder("conExtras", [this] { panel->SpracheUmstellen(); });

    // A lattice that is not cubic clears the overlays and leaves the spacing shown.
    const QImage mitReflexen = zweites.grab().toImage();
    Waehlen(panel->cmbElement, "Yy");
    EXPECT_NE(zweites.grab().toImage(), mitReflexen);
    Waehlen(panel->cmbIndex[1], "2");
    EXPECT_EQ(panel->lblAbstand->text(), "d = 0.204 nm\nK = 30.755 1/nm");
}

TEST_F(Extras, APeakRangeShowsItsBackTransformOverIkAndLeavesIkAsItWas)
{
    std::vector<float> vorher;
    for (int32_t i = 1; i <= gIK->Punkte(); ++i) vorher.push_back(gIK->Y_RTR(i));
    const int32_t rotVorher = Rote_Pixel(haupt.pic->Image);
    panel->optAnalyse[1]->setChecked(true);
    // The start first, as a user begins a range: the end not yet set is no reason to move it.
    for (const auto& [r, knopf] : {std::pair{0.12f, Qt::LeftButton}, {0.18f, Qt::RightButton}}) {
        Senden(QEvent::MouseButtonPress, r, knopf, {}, &zweites);
        Senden(QEvent::MouseButtonRelease, r, knopf, {}, &zweites);
    }
    std::vector<float> nachher;
    for (int32_t i = 1; i <= gIK->Punkte(); ++i) nachher.push_back(gIK->Y_RTR(i));
    EXPECT_EQ(nachher, vorher) << "what the transform mixes in and a save writes";
    EXPECT_GT(Rote_Pixel(haupt.pic->Image), rotVorher + 200) << "the shell's I(K) in red";
    // The range is marked in G(r) where it was clicked.
    for (const float r : {zweites.Maus->Analyse_Start, zweites.Maus->Analyse_Ende})
        EXPECT_EQ(zweites.pic->Image.pixel(*PixelX(zweites.Skala(), r), 200), qRgb(255, 0, 0)) << r;
    EXPECT_NEAR(zweites.Maus->Analyse_Start, 0.12f, gOptions->Delta_r());
    EXPECT_NEAR(zweites.Maus->Analyse_Ende, 0.18f, gOptions->Delta_r());
    EXPECT_TRUE(seam.messages.empty());
    Speichern(haupt, "conExtras_Bereich_IK.png");
    Speichern(zweites, "conExtras_Bereich_GR.png");
}
