#pragma once
// The properties of the owner-drawn button that its drawing reads, with the start values of a newly
// placed button. The control (fxbutton) owns one set and hands it to the looks and the caption painter.
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <cstdint>

struct ButtonProperties {
    int32_t buttonStyle = 13;
    int32_t colorScheme = 0;
    QColor backColor;
    QColor foreColor;
    QColor foreColorHover = Qt::black;
    bool showFocusRect = false;

    QString caption;
    int32_t captionAlign = 1;
    int32_t captionEffects = 0;
    bool rightToLeft = false;
    QFont font;

    int32_t mode = 0;
    bool value = false;

    QPixmap pictureNormal;
    QPixmap pictureHot;
    QPixmap pictureDown;
    int32_t pictureAlign = 1;
    int32_t pictureEffectOnOver = 0;
    int32_t pictureEffectOnDown = 0;
    bool picturePushOnHover = false;
    bool pictureShadow = false;
    uint8_t pictureOpacity = 255;
    uint8_t pictureOpacityOnOver = 255;
    int32_t disabledPictureMode = 0;
    bool useMaskColor = true;
    QColor maskColor = QColor(0xE0, 0xE0, 0xE0);

    int32_t dropDownSymbol = 0;
    bool dropDownSeparator = false;

    // A check or option button that is on (any mode but command with Value True).
    bool IsOn() const { return mode != 0 && value; }
};
