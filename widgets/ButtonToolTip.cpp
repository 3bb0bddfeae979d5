#include "widgets/ButtonToolTip.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kBalloonRadius = 8;

QStyle::StandardPixmap IconPixmap(int32_t icon)
{
    switch (icon) {
    case 2: return QStyle::SP_MessageBoxWarning;
    case 3: return QStyle::SP_MessageBoxCritical;
    default: return QStyle::SP_MessageBoxInformation;
    }
}

}

ButtonToolTip::ButtonToolTip(const Content& content, QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), content_(content)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    hideTimer_.setSingleShot(true);
    connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
    setLayoutDirection(content.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    QPalette colours = palette();
    colours.setColor(QPalette::Window,
                     content.backColor.isValid() ? content.backColor : colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);

    auto* column = new QVBoxLayout(this);
    const int margin = content.type == 1 ? kBalloonRadius / 2 + 3 : 3;
    column->setContentsMargins(margin, margin, margin, margin);
    column->setSpacing(2);
    // A title line needs a title text; an icon alone shows none.
    if (!content.title.isEmpty()) {
        auto* titleRow = new QHBoxLayout();
        if (content.icon != 0) {
            auto* icon = new QLabel(this);
            const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
            icon->setPixmap(style()->standardIcon(IconPixmap(content.icon)).pixmap(size, size));
            titleRow->addWidget(icon);
        }
        auto* title = new QLabel(content.title, this);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        titleRow->addWidget(title, 1);
        column->addLayout(titleRow);
    }
    auto* text = new QLabel(content.text, this);
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    // Short texts stay on one line; longer ones wrap at the tip's maximum width.
    const int natural = text->fontMetrics().horizontalAdvance(content.text);
    text->setFixedWidth(std::min(natural + 1, kMaxTipWidth));
    column->addWidget(text);
    adjustSize();
}

void ButtonToolTip::ShowAt(const QPoint& globalPosition)
{
    QPoint position = globalPosition + QPoint(2, 16);
    if (const QScreen* screen = QGuiApplication::screenAt(globalPosition)) {
        const QRect area = screen->availableGeometry();
        position.setX(std::min(position.x(), area.right() - width()));
        position.setY(std::min(position.y(), area.bottom() - height()));
    }
    move(position);
    show();
    hideTimer_.start(kAutoHideMilliseconds);
}

void ButtonToolTip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(palette().color(QPalette::Window));
    if (content_.type == 1) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawRoundedRect(frame, kBalloonRadius, kBalloonRadius);
    } else {
        painter.drawRect(frame);
    }
}

void ButtonToolTip::resizeEvent(QResizeEvent*)
{
    if (content_.type != 1)
        return;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), kBalloonRadius, kBalloonRadius);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
}
