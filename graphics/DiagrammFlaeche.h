#pragma once
// The drawing surface of a diagram control: the present drawing (Image) and the background
// picture (Picture) that wiping returns to. It shows Image; all drawing goes into Image.
#include <QImage>
#include <QWidget>

class DiagrammFlaeche : public QWidget {
    Q_OBJECT
public:
    explicit DiagrammFlaeche(QWidget* parent);

    // Empties the background and clears the drawing to white.
    void Loeschen();
    // The drawing returns to the background picture.
    void CLS();
    // The present drawing becomes the background picture.
    void Background();

    QImage Image;
    QImage Picture;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
