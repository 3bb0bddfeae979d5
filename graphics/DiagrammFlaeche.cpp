#include "graphics/DiagrammFlaeche.h"

#include <QPainter>

DiagrammFlaeche::DiagrammFlaeche(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    Image = QImage(1, 1, QImage::Format_RGB32);
    Image.fill(Qt::white);
}

void DiagrammFlaeche::Loeschen()
{
    Picture = QImage();
    Image.fill(Qt::white);
    update();
}

void DiagrammFlaeche::CLS()
{
    Image.fill(Qt::white);
    if (!Picture.isNull()) {
        QPainter painter(&Image);
        painter.drawImage(0, 0, Picture);
    }
    update();
}

void DiagrammFlaeche::Background() { Picture = Image.copy(); }

void DiagrammFlaeche::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, Image);
}

void DiagrammFlaeche::resizeEvent(QResizeEvent*)
{
    // The drawing keeps what fits; the engine redraws the diagram for the new size.
    QImage neu(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32);
    neu.fill(Qt::white);
    QPainter painter(&neu);
    painter.drawImage(0, 0, Image);
    painter.end();
    Image = neu;
}
