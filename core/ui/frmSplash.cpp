#include "core/ui/frmSplash.h"

#include "core/ui/ProgramPicture.h"

#include <QLabel>
#include <QPainter>

frmSplash::frmSplash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), lblDoing(new QLabel(this)),
      picture_(ProgramPicture())
{
    setFixedSize(picture_.size());
    lblDoing->setGeometry(20, 200, 380, 24);
    lblDoing->setStyleSheet("color: white;");
}

void frmSplash::Doing(const QString& strText)
{
    lblDoing->setText(strText);
    lblDoing->repaint();
}

QString frmSplash::DoingText() const { return lblDoing->text(); }

void frmSplash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}
