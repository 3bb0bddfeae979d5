#pragma once
// The background panel: proposes, zeroes and shifts the support points of gUntergrund, keeps the sets
// used on each way to I(K) and puts one back, reads support-point files, and draws the background,
// its derivatives, J(K)-U(K) and scaled form factors with the support points over the diagram.
#include "analysis/UG_Satzspeicher.h"
#include "analysis/Untergrund_Werkzeuge.h"
#include "panels/PanelInterfaces.h"

#include <QWidget>
#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QListWidget;
class conDisplay;
class fxbutton;

class conUG : public QWidget, public UntergrundPanel {
    Q_OBJECT
public:
    explicit conUG(QWidget* parent = nullptr);
    ~conUG() override;

    // A new project's background step: empty store, the diagram frozen as background, a new gMath.
    void Init();
    // Appends the current support points to the store as a new set.
    void UG_SS_Speichern();
    void Aktualisieren() override;
    bool Diff_Anzeigen() const;
    bool Diff2_Anzeigen() const;
    bool OhneUG_Anzeigen() const;
    void SpracheUmstellen();
    void StyleUmstellen();

    // 0 replace by the selected set, 1 open a file, 2 propose, 3 zero background, 4 reload the
    // project folder's first file.
    void cmdUG_Click(int32_t index);
    // 0/1 multiply by e^±0.05, 2/3 add ±5.
    void cmdMove_Click(int32_t index);

    std::array<fxbutton*, 5> cmdUG{};
    std::array<fxbutton*, 4> cmdMove{};
    QCheckBox* chkNf = nullptr;
    std::array<QCheckBox*, 3> chkFMK{};
    QCheckBox* chkOhneUG = nullptr;
    QCheckBox* chkDiff = nullptr;
    QCheckBox* chkDiff2 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label1 = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Punkte_Setzen(const std::vector<Stuetzstelle>& punkte);
    void Ersetzen();
    void Zeichnen(conDisplay& d);
    // The mixture curve f scaled to start at the spectrum's maximum and divided by teiler; skipped
    // (reported once while ticked) when a divisor is zero.
    template <class F>
    void Formfaktor_Zeichnen(conDisplay& d, F f, float teiler, uint32_t farbe, bool& gemeldet);
    void List1_Fuellen();

    UG_Satzspeicher speicher_;
    std::string ugDatei_;
    bool nfGemeldet_ = false;
    std::array<bool, 3> fmkGemeldet_{};
};
