#pragma once
// The diffraction-image panel: shows a diffraction image or a picture of a plot with scroll bars,
// reports the cursor's position, K, colour and grey level, lets the user mark rings by three clicks
// each (their mean centre is the beam centre), keeps the calibration factor CF from the camera
// constant, draws the grey profile from the centre to the right, turns the image into a spectrum by
// the radial average and hands it to the project settings, or traces a curve in a plot picture.
// The picture is decoded on a worker thread and taken only when it is ready: what the panel shows
// stays until then, a picture that cannot be loaded changes nothing, and a new load or Clear drops
// the one under way. Without a picture (none loaded yet, or after Clear) the buttons that act on one
// are off.
#include "curves/ImagePanelCurve.h"
#include "images/Bildlader.h"
#include "images/clsImage.h"
#include "images/clsRinge.h"
#include "images/modDigitalisieren.h"
#include "images/ui/QtErsatzlader.h"

#include <QPointF>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Bildfeld;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;
class fxbutton;

class conBeugung : public QWidget, public zelo::ImagePanelCurve {
    Q_OBJECT
public:
    explicit conBeugung(QWidget* parent = nullptr);
    ~conBeugung() override;

    // Loads the picture datei. When it has been decoded, annehmen runs (the caller gives up what it
    // had and describes the picture's project in gCommon: a diffraction image, type 11, or a picture
    // to digitise, 10), then the panel shows the picture for that project. A picture that cannot be
    // loaded is reported, once, and the panel stays as it was. While the radial average runs no
    // picture is taken. The panel lets go of annehmen when the load ends in any way: decoded,
    // refused, overtaken by the next load, or dropped by Clear.
    void LoadImage(const std::string& datei, std::function<void()> annehmen);
    // Whether a picture can be loaded now: not while the radial average runs, which a message then
    // tells the user (the caller asks before it locks its window for the load).
    bool Bild_Annehmbar() const;
    // Whether a picture is being decoded.
    bool Laedt() const { return ladung_ != 0; }
    // Forgets the image, the rings, the centre and the curve; refused while the average runs (an
    // average whose project was given up meanwhile drops them when it ends).
    void Clear();
    void SpracheUmstellen();
    void StyleUmstellen();

    int32_t Kurve_Punkte() const override { return static_cast<int32_t>(kurveY_.size()); }
    float Kurve_X(int32_t Index) const override;
    float Kurve_Y(int32_t Index) const override;
    // The values typed for the axis reference point clicked last; the traced points are redrawn.
    void Achsen_Punkte(float PX, float PY);

    // A press and a move of the mouse on the picture at (X, Y) in image pixels.
    void pic_MouseDown(double X, double Y);
    void pic_MouseMove(double X, double Y);
    // The radial average, then the project settings window for the new image project. When a project
    // was given up or started while the average ran, its end takes nothing and drops the picture.
    void cmdCalc_Click();
    // The traced curve becomes a picture project through the project settings window.
    void cmdUebernehmen_Click();
    // Shows tool page i (0 picture, 1 spectrum, 2 digitising).
    void optBild_Click(int32_t i);

    float CF() const { return cf_; }
    float Mittelpunkt_X() const { return ringe_.Mittelpunkt_X(); }
    float Mittelpunkt_Y() const { return ringe_.Mittelpunkt_Y(); }
    bool Rechnet() const { return rechnet_; }
    const clsImage* Bild() const { return bild_.get(); }

    QWidget* Picture1 = nullptr;
    Bildfeld* pic = nullptr;
    QScrollBar* HScroll = nullptr;
    QScrollBar* VScroll = nullptr;
    QLabel* picPrev = nullptr;
    QWidget* picProgress = nullptr;
    std::array<fxbutton*, 3> optBild{};
    std::array<QWidget*, 3> picTool{};
    QListWidget* lstKreise = nullptr;
    QLabel* lblFilename = nullptr;
    QLabel* lblImage = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* lblPunkt = nullptr;
    QLabel* lblMittelpunkt = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblCalibration = nullptr;
    QLabel* lblDigitPunkte = nullptr;
    QLineEdit* txtUmrechnung = nullptr;
    fxbutton* chkDigit = nullptr;
    fxbutton* chkScale = nullptr;
    fxbutton* cmdCalc = nullptr;
    fxbutton* cmdGrau = nullptr;
    fxbutton* cmdInvert = nullptr;
    fxbutton* cmdUebernehmen = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Steuerung_Erstellen();
    void Werkzeuge_Erstellen();
    void Layout();
    // The decoded picture of the load under way, on the window thread.
    void Bild_Uebernehmen();
    // The panel set up afresh for the picture of the project gCommon describes.
    void Anzeige_Vorbereiten();
    // The buttons that act on the picture, on only while one is shown (off while it is decoded).
    void Bildknoepfe_Freigeben(bool frei);
    void Bild_Anzeigen();
    void Bildinformationen();
    void Scrollbereich();
    void txtUmrechnung_Change();
    void Mittelpunkt_Berechnen();
    void Zeichne_Profil();
    void Ring_Klick(float X, float Y);
    void Digital_Klick(float X, float Y);
    void Digitalpunkte_Zeichnen();
    void Fortschritt_Zeigen(double anteil);
    void Knoepfe_Sperren(bool gesperrt);
    // Colour of the shown pixel (x, y), red in the low byte; -1 outside the picture.
    int32_t Punktfarbe(int32_t x, int32_t y) const;
    void Projekt_Einstellen();

    std::unique_ptr<clsImage> bild_;
    // The file of the picture, and where the cursor read-out was taken last.
    std::string datei_;
    std::optional<QPointF> cursor_;
    // The window system's loader that read the picture when the image library is off.
    std::unique_ptr<Ersatzlader> ersatz_;
    clsRinge ringe_;
    // The curve the readers take: the radial average, or the traced points when taken over.
    std::vector<float> kurveX_;
    std::vector<float> kurveY_;
    // The traced points in image pixels.
    std::vector<float> spurX_;
    std::vector<float> spurY_;
    float cf_ = 0.0f;
    float zoom_ = 1.0f;
    int32_t digitalisieren_ = 0;
    int32_t digitX_ = 0;
    int32_t digitY_ = 0;
    Achsenpunkte achsen_;
    int32_t achseSchritt_ = 0;
    bool rechnet_ = false;
    // The number of the load under way (0 none), and what runs when its picture has been decoded; the
    // worker comes last, so it goes first.
    uint64_t ladung_ = 0;
    std::function<void()> annehmen_;
    std::unique_ptr<Bildlader> lader_;
};
