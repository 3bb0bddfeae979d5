#pragma once
// A legend of formula symbols beside the panels' value labels: per row a bold italic symbol with
// an upright subscript, as K_pp or λ_pe.
#include <QString>
#include <QWidget>

#include <vector>

class Formelzeichen : public QWidget {
public:
    struct Zeile {
        int y;  // top of the row in pixels
        QString Zeichen;
        QString Index;
    };

    explicit Formelzeichen(QWidget* parent = nullptr) : QWidget(parent) {}
    void setZeilen(std::vector<Zeile> zeilen);
    const std::vector<Zeile>& Zeilen() const { return zeilen_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Zeile> zeilen_;
};
