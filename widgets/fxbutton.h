#pragma once
// The owner-drawn button that every window and panel uses: fourteen looks (ButtonStyle 0 to 13),
// command, check and option modes, its own tooltip window and an optional popup menu. It turns
// mouse and key input into the events below; Click is the one the windows handle.
#include "widgets/ButtonDrawState.h"
#include "widgets/ButtonPopup.h"
#include "widgets/ButtonProperties.h"
#include "widgets/ButtonToolTip.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <cstdint>

class QAction;
class QMenu;

class fxbutton : public QWidget {
    Q_OBJECT
public:
    static constexpr int32_t ModeCommand = 0;
    static constexpr int32_t ModeCheck = 1;
    static constexpr int32_t ModeOption = 2;

    explicit fxbutton(QWidget* parent = nullptr);
    explicit fxbutton(const QString& caption, QWidget* parent = nullptr);

    // Look. Setting ButtonStyle also sets the look's colour scheme, back and fore colour and focus
    // rectangle; setting BackColor makes the scheme custom (3).
    int32_t ButtonStyle() const { return props_.buttonStyle; }
    void setButtonStyle(int32_t style);
    int32_t ColorScheme() const { return props_.colorScheme; }
    void setColorScheme(int32_t scheme);
    QColor BackColor() const { return props_.backColor; }
    void setBackColor(const QColor& colour);
    QColor ForeColor() const { return props_.foreColor; }
    void setForeColor(const QColor& colour);
    QColor ForeColorHover() const { return props_.foreColorHover; }
    void setForeColorHover(const QColor& colour);
    bool ShowFocusRect() const { return props_.showFocusRect; }
    void setShowFocusRect(bool show) { props_.showFocusRect = show; }

    // Caption; "&" marks the access key (Alt and the key click the button), "&&" is a literal "&".
    QString Caption() const { return props_.caption; }
    void setCaption(const QString& caption);
    int32_t CaptionAlign() const { return props_.captionAlign; }
    void setCaptionAlign(int32_t align);
    int32_t CaptionEffects() const { return props_.captionEffects; }
    void setCaptionEffects(int32_t effects);
    bool RightToLeft() const { return props_.rightToLeft; }
    void setRightToLeft(bool rightToLeft);
    // Font and Enabled are the widget's own: set them with setFont and setEnabled; the button redraws.
    QFont Font() const { return font(); }
    bool Enabled() const { return isEnabled(); }

    // Mode 0 command, 1 check (a click toggles Value), 2 option (a click sets Value and clears the
    // other option buttons of the same parent widget). Setting Value raises no event and clears no
    // other button; on a command button it only redraws.
    int32_t Mode() const { return props_.mode; }
    void setMode(int32_t mode);
    bool Value() const { return props_.value; }
    void setValue(bool value);

    // Pictures are shown at half their own size; a null pixmap means none.
    const QPixmap& PictureNormal() const { return props_.pictureNormal; }
    void setPictureNormal(const QPixmap& picture);
    const QPixmap& PictureHot() const { return props_.pictureHot; }
    void setPictureHot(const QPixmap& picture);
    const QPixmap& PictureDown() const { return props_.pictureDown; }
    void setPictureDown(const QPixmap& picture);
    int32_t PictureAlign() const { return props_.pictureAlign; }
    void setPictureAlign(int32_t align);
    int32_t PictureEffectOnOver() const { return props_.pictureEffectOnOver; }
    void setPictureEffectOnOver(int32_t effect);
    int32_t PictureEffectOnDown() const { return props_.pictureEffectOnDown; }
    void setPictureEffectOnDown(int32_t effect);
    bool PicturePushOnHover() const { return props_.picturePushOnHover; }
    void setPicturePushOnHover(bool push);
    bool PictureShadow() const { return props_.pictureShadow; }
    void setPictureShadow(bool shadow);
    uint8_t PictureOpacity() const { return props_.pictureOpacity; }
    void setPictureOpacity(uint8_t opacity);
    uint8_t PictureOpacityOnOver() const { return props_.pictureOpacityOnOver; }
    void setPictureOpacityOnOver(uint8_t opacity);
    int32_t DisabledPictureMode() const { return props_.disabledPictureMode; }
    void setDisabledPictureMode(int32_t mode);
    bool UseMaskColor() const { return props_.useMaskColor; }
    void setUseMaskColor(bool use);
    QColor MaskColor() const { return props_.maskColor; }
    void setMaskColor(const QColor& colour);
    int32_t DropDownSymbol() const { return props_.dropDownSymbol; }
    void setDropDownSymbol(int32_t symbol);
    bool DropDownSeparator() const { return props_.dropDownSeparator; }
    void setDropDownSeparator(bool separator);

    // Tooltip, taking effect the next time the mouse comes over the button.
    QString ToolTip() const { return toolTip_.text; }
    void setToolTip(const QString& text) { toolTip_.text = text; }
    int32_t ToolTipType() const { return toolTip_.type; }
    void setToolTipType(int32_t type) { toolTip_.type = type; }
    int32_t ToolTipIcon() const { return toolTip_.icon; }
    void setToolTipIcon(int32_t icon) { toolTip_.icon = icon; }
    QString TooltipTitle() const { return toolTip_.title; }
    void setTooltipTitle(const QString& title) { toolTip_.title = title; }
    // Invalid: the tooltip's own colour.
    QColor TooltipBackColor() const { return toolTip_.backColor; }
    void setTooltipBackColor(const QColor& colour) { toolTip_.backColor = colour; }

    // Mouse pointer over the button (numbers in widgets/MousePointers.h; 99 shows MouseIcon).
    int16_t MousePointer() const { return mousePointer_; }
    void setMousePointer(int16_t pointer);
    const QPixmap& MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QPixmap& icon);
    bool HandPointer() const { return handPointer_; }
    void setHandPointer(bool hand);

    // The window's default button (Enter that reaches the window clicks it; drawn as default) and
    // cancel button (Esc that reaches the window clicks it). A key that an open list, an editor or
    // a focused button takes never reaches the window.
    bool Default() const { return default_; }
    void setDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void setCancel(bool isCancel);

    // A popup menu shown on a left press instead of MouseDown and Click; align 0 to 7 places it
    // below, above, left or right of the button or at a corner.
    void SetPopupMenu(QMenu* menu, int32_t align = 0, int32_t flags = 0, QAction* defaultItem = nullptr);
    void UnsetPopupMenu();
    void OpenWebsite(const QString& address);
    void About();

    // The face as last drawn.
    const QImage& Face() const { return face_; }
    QSize sizeHint() const override;

signals:
    void Click();
    void ClickDropDownArrow();
    void DblClick();
    void MouseEnter();
    void MouseLeave();
    void MouseMove(int16_t Button, int16_t Shift, float x, float Y);
    void MouseUp(int16_t Button, int16_t Shift, float x, float Y);
    void MouseDown(int16_t Button, int16_t Shift, float x, float Y);
    void KeyDown(int16_t KeyCode, int16_t Shift);
    void KeyUp(int16_t KeyCode, int16_t Shift);
    void KeyPress(int16_t KeyAscii);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct PressRecord {
        int16_t button = 0;
        int16_t shift = 0;
        float x = 0;
        float y = 0;
    };

    void RedrawButton();
    void CreateRegion();
    void SetDefaultColorScheme();
    void SetColorScheme();
    // Changes the drawing state and redraws when it changed.
    void SetState(int32_t state);
    void RedrawIfPictured();
    // The window holding the button became active or inactive.
    void WindowActivation(bool active);

    void Press(const PressRecord& press);
    // Follows the pointer over the button; false while Space holds the button down.
    bool TrackPointer(const QPointF& position);
    bool IsOver(const QPointF& position) const;
    void AccessKeyPress(int code);
    void UncheckOtherOptions();
    void ShowPopupMenu();

    void CreateToolTip();
    void HideToolTip();
    void UpdateShortcuts();
    // Watches the keys that reach the button's window while it is the default or cancel button.
    void WatchWindowKeys();
    void ApplyCursor();

    ButtonProperties props_;
    ButtonDrawState draw_;
    QImage face_;
    PressRecord lastPress_;
    ButtonPopup popup_;

    ButtonToolTip::Content toolTip_;
    QPointer<ButtonToolTip> toolTipWindow_;

    int16_t mousePointer_ = 0;
    QPixmap mouseIcon_;
    bool handPointer_ = false;

    bool default_ = false;
    bool cancel_ = false;
    int accessKeyShortcut_ = 0;
    QPointer<QWidget> keyWindow_;
};
