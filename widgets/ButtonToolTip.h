#pragma once
// The button's own tooltip window: text wrapped at 240 pixels, an optional title line with an icon,
// an optional background colour, the balloon shape and right-to-left layout. The button builds a
// new one each time it turns hot and shows it when Qt reports a tooltip request.
#include <QColor>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdint>

class QLabel;

class ButtonToolTip : public QWidget {
    Q_OBJECT
public:
    struct Content {
        QString text;
        QString title;
        int32_t icon = 0;        // 0 none, 1 information, 2 warning, 3 error
        int32_t type = 0;        // 0 standard, 1 balloon
        QColor backColor;        // invalid: the tooltip's own colour
        bool rightToLeft = false;
    };

    ButtonToolTip(const Content& content, QWidget* owner);

    void ShowAt(const QPoint& globalPosition);
    const Content& TipContent() const { return content_; }

    static constexpr int kMaxTipWidth = 240;
    // Like the platform's tips, a shown tip goes away by itself after a while.
    static constexpr int kAutoHideMilliseconds = 10000;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Content content_;
    QTimer hideTimer_;
};
