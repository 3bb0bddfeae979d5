#pragma once
// The diagram: a drawing surface with its own ranges and value-to-pixel mapping, so that the
// engine and the panels draw on it in data units; the axes with ticks, numbers, the curve title
// and the unit; four limit boxes that zoom on Enter and a check box for a logarithmic Y axis; the
// diagram as a bitmap file or on the clipboard. InfoChange tells the main window which values to
// show again after a mouse action.
#include "graphics/Abbildung.h"
#include "graphics/DiagrammFlaeche.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class DiagrammMaus;
class QCheckBox;
class QLabel;
class QLineEdit;

class conDisplay : public QWidget {
    Q_OBJECT
public:
    explicit conDisplay(QWidget* parent = nullptr);

    void RaiseInfoChange(int32_t k) { emit InfoChange(k); }

    // Sets the ranges for a curve kind; the kind decides whether the log axis may be used.
    void Skalieren(float Xmax, float Xmin, float Ymax, float Ymin, int32_t kurve);

    // Drawing straight on the diagram in data units, in a colour of the program's numbering.
    void Zeichne_Punkt(float XX, float YY, uint32_t Farbe);
    void Zeichne_Kreis(float XX, float YY, uint32_t Farbe, int32_t radius = 4);
    // A line from the end of the last line or point to the point.
    void Zeichne_LinieZu(float XX, float YY, uint32_t Farbe);
    // A vertical line over the plot height at data X = x.
    void Zeichne_Linie_X3(float x, uint32_t Farbe);
    // The points copied from the working curve, in red, over the background.
    void Zeichne_Spiegelung();
    // Text at a data point, shifted right by shift pixels; large is 18-point bold serif.
    void TextOut(float x, float y, const std::string& text, uint32_t colour, float shift, bool large = false);

    void Display_Loeschen() { pic->Loeschen(); }
    void Display_CLS() { pic->CLS(); }
    void Display_Background() { pic->Background(); }

    bool Y_Achse_Log() const { return skala_.log; }
    void setY_Achse_Log(bool value);

    // Asks for a file name and saves the diagram as a Windows bitmap (".bmp" is appended).
    void DiagrammSpeichern();
    // Puts the diagram on the clipboard as a picture.
    void DiagrammZwischenablage();
    // Axes, ticks, labels, curve title and unit, and the limit boxes.
    void Zeichne_Achsen();

    // Shows or hides the limit boxes and the log check box together; isLog becomes the log axis.
    void AllowScaling(bool YesOrNo, bool isLog);
    bool IsPreview() const { return isPreview_; }
    void setIsPreview(bool value);

    const DiagrammSkala& Skala() const { return skala_; }
    int32_t Kurve() const { return kurve_; }
    // What the last Zeichne_Achsen drew.
    const AchsenBild& Achsen() const { return achsen_; }

    DiagrammFlaeche* pic;
    QLabel* lblPos;
    // Y high, Y low, X low, X high.
    std::array<QLineEdit*, 4> txtAchse{};
    QCheckBox* Check1;
    // The mouse tools on pic, with the picking flags and the analysis range of the extras step.
    DiagrammMaus* Maus;

signals:
    void InfoChange(int32_t k);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void txtAchse_Enter();
    void Check1_Click();
    // The mapped point, or none when it has no pixel; becomes the current drawing position.
    std::optional<QPoint> Punkt(float XX, float YY);

    DiagrammSkala skala_;
    AchsenBild achsen_;
    int32_t kurve_ = 0;
    int32_t halbeZeile_ = 0;
    bool logGewuenscht_ = false;
    bool grenzenErlaubt_ = true;
    bool isPreview_ = false;
    QPoint letzter_;
};
