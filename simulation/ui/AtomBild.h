#pragma once
// The oblique view of the atoms in the box: each atom a small circle, red when it moved since the
// previous picture, black otherwise. The box of edge L is seen at 45° from above.
#include <QImage>
#include <QWidget>

#include <vector>

struct Bildatom {
    double x = 0, y = 0, z = 0;
    bool moved = false;
};

class AtomBild : public QWidget {
    Q_OBJECT
public:
    explicit AtomBild(QWidget* parent = nullptr);
    // Draws the atoms anew; L sets the picture's scale from (-L, L) at the top left to (L, -L).
    void Zeichnen(double L, const std::vector<Bildatom>& atome);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage bild_;
    double L_ = 0;
    std::vector<Bildatom> atome_;
};
