#include "core/ui/ProgramPicture.h"

#include "core/clsLoader.h"

#include <QLinearGradient>
#include <QPainter>

QPixmap ProgramPicture()
{
    QPixmap picture(420, 240);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, picture.height());
    sky.setColorAt(0, QColor(20, 40, 90));
    sky.setColorAt(1, QColor(5, 10, 30));
    painter.fillRect(picture.rect(), sky);
    // Concentric diffraction rings around the picture's centre.
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(picture.width() * 0.75, picture.height() * 0.45);
    for (int ring = 1; ring <= 6; ++ring) {
        painter.setPen(QPen(QColor(255, 255, 255, 200 - ring * 28), 5.0 - ring * 0.6));
        painter.drawEllipse(centre, ring * 16.0, ring * 16.0);
    }
    painter.setPen(Qt::white);
    QFont title = painter.font();
    title.setPointSize(26);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(20, 40, 300, 50), Qt::AlignLeft, clsLoader::kApplicationName);
    QFont small = painter.font();
    small.setPointSize(10);
    small.setBold(false);
    painter.setFont(small);
    painter.drawText(QRect(22, 95, 300, 20), Qt::AlignLeft,
                     QString("Version ") + QString::fromStdString(clsLoader().Version()));
    return picture;
}
