#include "widgets/looks/LookThemed.h"

#include "widgets/ButtonColors.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

bool LookThemed::IsThemeActive(const QStyle* style)
{
    if (style == nullptr)
        return false;
    const QString name = style->name().toLower();
    return name == "windowsvista" || name == "windows11" || name == "macos";
}

void LookThemed::Paint(ButtonLookContext& c) const
{
    c.canvas.Clear(ButtonColors::ButtonFace());
    c.createRegion();

    const ButtonDrawState& s = c.drawState;
    QStyleOptionButton option;
    option.rect = QRect(0, 0, c.W(), c.H());
    option.palette = c.widget != nullptr ? c.widget->palette() : QPalette();
    option.state = QStyle::State_None;
    if (c.Enabled()) {
        option.state |= QStyle::State_Enabled;
        if (s.state == ButtonDrawState::Hot)
            option.state |= QStyle::State_MouseOver;
        if (s.state == ButtonDrawState::Pressed)
            option.state |= QStyle::State_Sunken;
        else
            option.state |= QStyle::State_Raised;
        if (s.state == ButtonDrawState::Normal && (s.hasFocus || s.isDefault) && s.parentActive)
            option.features |= QStyleOptionButton::DefaultButton;
    }

    const QStyle* style = c.widget != nullptr ? c.widget->style() : nullptr;
    if (style != nullptr) {
        QPainter painter(&c.canvas.Surface());
        painter.setClipRect(option.rect);
        style->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, c.widget);
    }
    c.drawCaption();
}
