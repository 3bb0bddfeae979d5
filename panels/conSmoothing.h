#pragma once
// The smoothing panel: smooths the I(K) or G(r) the diagram shows with a spline whose parameter is
// doubled or halved, previews the result over the diagram and on "OK" puts it in place of the curve.
#include "panels/PanelInterfaces.h"

#include <QWidget>
#include <array>

class QLabel;
class fxbutton;

class conSmoothing : public QWidget, public GlaettenPanel {
    Q_OBJECT
public:
    explicit conSmoothing(QWidget* parent = nullptr);
    ~conSmoothing() override;

    // Copies the curve of kind lngKurve, smooths it with Chi = 10000 and shows the preview.
    void Start(int32_t lngKurve);
    void StyleUmstellen();
    void SpracheUmstellen();
    void Verbergen() override { hide(); }

    // 0 doubles Chi, 1 halves it.
    void cmdSmoothing_Click(int32_t index);
    void cmdOK_Click();
    void Command1_Click();

    float Chi() const { return chi_; }

    QLabel* Label1 = nullptr;
    QLabel* lblPunkte = nullptr;
    std::array<fxbutton*, 2> cmdSmoothing{};
    fxbutton* cmdOK = nullptr;
    fxbutton* Command1 = nullptr;

signals:
    // The smoothed curve was taken over: the window hides the panel.
    void Close();

private:
    void Zeichne_Geglaettet();

    int32_t kurve_ = 0;
    float chi_ = 10000.0f;
};
