#include "update/ui/UpdateIcons.h"

#include <QPainter>
#include <QPainterPath>

QPixmap UpdateIcon(int id)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool newer = id == 110;
    painter.setPen(Qt::NoPen);
    painter.setBrush(newer ? QColor(230, 140, 20) : QColor(40, 160, 60));
    painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    painter.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    QPainterPath mark;
    if (newer) {  // an arrow pointing up
        mark.moveTo(8, 12.5);
        mark.lineTo(8, 4);
        mark.moveTo(4.5, 7.5);
        mark.lineTo(8, 4);
        mark.lineTo(11.5, 7.5);
    } else {  // a tick
        mark.moveTo(4, 8.5);
        mark.lineTo(7, 11.5);
        mark.lineTo(12, 5);
    }
    painter.drawPath(mark);
    return picture;
}
