// The structure values panel at the extras step of a generated evaluation: K_pp picked with the
// mouse, the crystal reflexes of a cubic element and the overlays in both diagrams.
#include "PanelImRahmen.h"

#include "core/KurvenTyp.h"
#include "core/KeyedCollection.h"
#include "graphics/DiagrammMaus.h"
#include "materials/clsElement.h"
#include "panels/conExtras.h"
#include "widgets/fxbutton.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>

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
    void Senden(QEvent::Type art, float K, Qt::MouseButton knopf, Qt::KeyboardModifiers tasten = {})
    {
        const QPointF ort(*PixelX(haupt.Skala(), K), 100);
        QMouseEvent ereignis(art, ort, haupt.pic->mapToGlobal(ort), knopf, knopf, tasten);
        QCoreApplication::sendEvent(haupt.pic, &ereignis);
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
