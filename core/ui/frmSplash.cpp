#include "core/ui/frmSplash.h"

#include "core/clsLoader.h"
#include "core/modCommon.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

frmSplash::frmSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), lblDoing_(new QLabel(this))
{
    setFixedSize(420, 240);
    lblDoing_->setGeometry(20, 200, 380, 24);
    lblDoing_->setStyleSheet("color: white;");
}

void frmSplash::Doing(const QString& text)
{
    lblDoing_->setText(text);
    repaint();
    QApplication::processEvents();
}

QString frmSplash::DoingText() const { return lblDoing_->text(); }

void frmSplash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(20, 40, 90));
    sky.setColorAt(1, QColor(5, 10, 30));
    painter.fillRect(rect(), sky);
    // Concentric diffraction rings around the picture's centre.
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(width() * 0.75, height() * 0.45);
    for (int ring = 1; ring <= 6; ++ring) {
        painter.setPen(QPen(QColor(255, 255, 255, 200 - ring * 28), 5.0 - ring * 0.6));
        painter.drawEllipse(centre, ring * 16.0, ring * 16.0);
    }
    painter.setPen(Qt::white);
    QFont title = font();
    title.setPointSize(26);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(20, 40, 300, 50), Qt::AlignLeft, clsLoader::kApplicationName);
    QFont small = font();
    small.setPointSize(10);
    painter.setFont(small);
    painter.drawText(QRect(22, 95, 300, 20), Qt::AlignLeft,
                     QString("Version ") + QString::fromStdString(clsLoader().Version()));
}
