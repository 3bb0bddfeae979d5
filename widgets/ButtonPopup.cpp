#include "widgets/ButtonPopup.h"

#include "widgets/ButtonPopupPlacement.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

void ButtonPopup::Set(QMenu* menu, int32_t align, int32_t flags, QAction* defaultItem)
{
    if (menu == nullptr)
        return;
    menu_ = menu;
    align_ = align;
    flags_ = flags;
    defaultItem_ = defaultItem;
    set_ = true;
}

void ButtonPopup::Unset()
{
    menu_.clear();
    defaultItem_.clear();
    set_ = false;
    closedOver = false;
}

bool ButtonPopup::Exec(QWidget* button)
{
    const auto placement = ButtonPopupPlacement::ForAlignment(align_, flags_, button->width(), button->height());
    if (!placement || menu_.isNull())
        return false;
    if (!defaultItem_.isNull())
        menu_->setDefaultAction(defaultItem_);
    const QPoint topLeft = ButtonPopupPlacement::MenuTopLeft(*placement, menu_->sizeHint());
    menu_->exec(button->mapToGlobal(topLeft));
    return true;
}
