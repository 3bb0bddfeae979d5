#pragma once
// The popup menu a button can drop beside itself, with the flags that keep a press right after the
// menu closed from opening it again.
#include <QPointer>
#include <cstdint>

class QAction;
class QMenu;
class QWidget;

class ButtonPopup {
public:
    void Set(QMenu* menu, int32_t align, int32_t flags, QAction* defaultItem);
    void Unset();

    bool IsSet() const { return set_; }
    // The menu is open.
    bool showing = false;
    // The menu closed while the pointer was over the button.
    bool closedOver = false;

    // Opens the menu at its place beside the button and returns when it closes; false when the
    // alignment has no place or the menu is gone.
    bool Exec(QWidget* button);

private:
    QPointer<QMenu> menu_;
    QPointer<QAction> defaultItem_;
    int32_t align_ = 0;
    int32_t flags_ = 0;
    bool set_ = false;
};
