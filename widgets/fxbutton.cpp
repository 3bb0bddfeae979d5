#include "widgets/fxbutton.h"

#include "widgets/ButtonAccessKey.h"
#include "widgets/ButtonCanvas.h"
#include "widgets/ButtonColorScheme.h"
#include "widgets/ButtonColors.h"
#include "widgets/ButtonLook.h"
#include "widgets/ButtonRegion.h"
#include "widgets/CaptionPainter.h"
#include "widgets/InputCodes.h"
#include "widgets/MousePointers.h"
#include "widgets/looks/LookThemed.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QUrl>

namespace {

// The smallest side of a button (220 twips at 96 dots per inch).
constexpr int kMinimumSide = 15;

constexpr int kEnterCode = 13;
constexpr int kEscapeCode = 27;

}

fxbutton::fxbutton(QWidget* parent) : fxbutton(QString(), parent) {}

fxbutton::fxbutton(const QString& caption, QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(kMinimumSide, kMinimumSide);

    // The start values of a newly placed button; the back colour is the system button face, so
    // that look 13 without a platform theme shows a finished face.
    props_.backColor = ButtonColors::ButtonFace();
    props_.foreColor = ButtonColors::ButtonText();
    props_.showFocusRect = true;
    SetDefaultColorScheme();
    SetColorScheme();
    setCaption(caption);
}

// ---- properties ----

void fxbutton::setButtonStyle(int32_t style)
{
    props_.buttonStyle = style;
    SetDefaultColorScheme();
    SetColorScheme();
    CreateRegion();
    RedrawButton();
}

void fxbutton::setColorScheme(int32_t scheme)
{
    props_.colorScheme = scheme;
    SetColorScheme();
    RedrawButton();
}

void fxbutton::setBackColor(const QColor& colour)
{
    props_.backColor = colour;
    if (props_.buttonStyle != 4)
        props_.colorScheme = ButtonColorScheme::kCustomScheme;
    RedrawButton();
}

void fxbutton::setForeColor(const QColor& colour)
{
    props_.foreColor = colour;
    RedrawButton();
}

void fxbutton::setForeColorHover(const QColor& colour)
{
    props_.foreColorHover = colour;
    RedrawButton();
}

void fxbutton::setCaption(const QString& caption)
{
    props_.caption = caption;
    UpdateShortcuts();
    RedrawButton();
}

void fxbutton::setCaptionAlign(int32_t align)
{
    props_.captionAlign = align;
    RedrawButton();
}

void fxbutton::setCaptionEffects(int32_t effects)
{
    props_.captionEffects = effects;
    RedrawButton();
}

void fxbutton::setRightToLeft(bool rightToLeft)
{
    props_.rightToLeft = rightToLeft;
    toolTip_.rightToLeft = rightToLeft;
    RedrawButton();
}

void fxbutton::setMode(int32_t mode)
{
    props_.mode = mode;
    if (mode == ModeCommand)
        draw_.state = ButtonDrawState::Normal;
    RedrawButton();
}

void fxbutton::setValue(bool value)
{
    if (props_.mode != ModeCommand) {
        props_.value = value;
        if (!value)
            draw_.state = ButtonDrawState::Normal;
    } else {
        draw_.state = ButtonDrawState::Normal;
    }
    RedrawButton();
}

void fxbutton::setPictureNormal(const QPixmap& picture)
{
    props_.pictureNormal = picture;
    if (picture.isNull()) {
        props_.pictureHot = QPixmap();
        props_.pictureDown = QPixmap();
        CreateRegion();
    }
    RedrawButton();
}

void fxbutton::setPictureHot(const QPixmap& picture)
{
    // Without a normal picture the first picture given becomes the normal one.
    if (props_.pictureNormal.isNull()) {
        props_.pictureNormal = picture;
        return;
    }
    props_.pictureHot = picture;
    RedrawButton();
}

void fxbutton::setPictureDown(const QPixmap& picture)
{
    if (props_.pictureNormal.isNull()) {
        props_.pictureNormal = picture;
        return;
    }
    props_.pictureDown = picture;
    RedrawButton();
}

void fxbutton::setPictureAlign(int32_t align)
{
    props_.pictureAlign = align;
    RedrawIfPictured();
}

void fxbutton::setPictureEffectOnOver(int32_t effect)
{
    props_.pictureEffectOnOver = effect;
    RedrawButton();
}

void fxbutton::setPictureEffectOnDown(int32_t effect)
{
    props_.pictureEffectOnDown = effect;
    RedrawButton();
}

void fxbutton::setPicturePushOnHover(bool push)
{
    props_.picturePushOnHover = push;
    RedrawButton();
}

void fxbutton::setPictureShadow(bool shadow)
{
    props_.pictureShadow = shadow;
    RedrawButton();
}

void fxbutton::setPictureOpacity(uint8_t opacity)
{
    props_.pictureOpacity = opacity;
    RedrawButton();
}

void fxbutton::setPictureOpacityOnOver(uint8_t opacity)
{
    props_.pictureOpacityOnOver = opacity;
    RedrawButton();
}

void fxbutton::setDisabledPictureMode(int32_t mode)
{
    props_.disabledPictureMode = mode;
    RedrawButton();
}

void fxbutton::setUseMaskColor(bool use)
{
    props_.useMaskColor = use;
    RedrawIfPictured();
}

void fxbutton::setMaskColor(const QColor& colour)
{
    props_.maskColor = colour;
    RedrawButton();
}

void fxbutton::setDropDownSymbol(int32_t symbol)
{
    props_.dropDownSymbol = symbol;
    RedrawButton();
}

void fxbutton::setDropDownSeparator(bool separator)
{
    props_.dropDownSeparator = separator;
    RedrawButton();
}

void fxbutton::setMousePointer(int16_t pointer)
{
    mousePointer_ = pointer;
    ApplyCursor();
}

void fxbutton::setMouseIcon(const QPixmap& icon)
{
    mouseIcon_ = icon;
    if (icon.isNull()) {
        mousePointer_ = MousePointers::kDefault;
    } else {
        handPointer_ = false;
        mousePointer_ = MousePointers::kCustom;
    }
    ApplyCursor();
}

void fxbutton::setHandPointer(bool hand)
{
    handPointer_ = hand;
    if (hand)
        mousePointer_ = MousePointers::kDefault;
    ApplyCursor();
    RedrawButton();
}

void fxbutton::setDefault(bool isDefault)
{
    default_ = isDefault;
    draw_.isDefault = isDefault;
    WatchWindowKeys();
    RedrawButton();
}

void fxbutton::setCancel(bool isCancel)
{
    cancel_ = isCancel;
    WatchWindowKeys();
}

void fxbutton::SetPopupMenu(QMenu* menu, int32_t align, int32_t flags, QAction* defaultItem)
{
    popup_.Set(menu, align, flags, defaultItem);
}

void fxbutton::UnsetPopupMenu()
{
    popup_.Unset();
}

void fxbutton::OpenWebsite(const QString& address)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

void fxbutton::About()
{
    QMessageBox::information(this, "About",
                             "FXButton v 1.02\n"
                             "An owner-drawn button with fourteen looks, command, check and option modes.");
}

QSize fxbutton::sizeHint() const
{
    const QRect text = QFontMetrics(font()).boundingRect(QRect(0, 0, 400, 200), Qt::TextShowMnemonic, props_.caption);
    return QSize(std::max(75, text.width() + 16), std::max(23, text.height() + 10));
}

// ---- drawing ----

void fxbutton::RedrawButton()
{
    if (face_.size() != size())
        face_ = QImage(size(), QImage::Format_RGB32);
    if (face_.isNull())
        return;
    ButtonCanvas canvas(face_);
    canvas.Clear(props_.backColor);

    props_.font = font();
    draw_.enabled = isEnabled();
    if (props_.IsOn() && props_.buttonStyle != 0 && props_.buttonStyle != 6)
        draw_.state = ButtonDrawState::Pressed;

    if (const ButtonLook* look = ButtonLook::ForStyle(props_.buttonStyle, LookThemed::IsThemeActive(style()))) {
        ButtonLookContext context{canvas, props_, draw_,
                                  [&] { CaptionPainter(canvas, props_, draw_).Draw(); },
                                  [this] { CreateRegion(); }, this};
        look->Paint(context);
    }
    update();
}

void fxbutton::CreateRegion()
{
    const QRegion region = ButtonRegion::ForStyle(props_.buttonStyle, width(), height());
    if (region != mask())
        setMask(region);
}

void fxbutton::SetDefaultColorScheme()
{
    props_.colorScheme = ButtonColorScheme::DefaultScheme(props_.buttonStyle, props_.colorScheme);
}

void fxbutton::SetColorScheme()
{
    const int32_t look = props_.buttonStyle;
    if (const auto back = ButtonColorScheme::SchemeBackColor(look, props_.colorScheme))
        props_.backColor = *back;
    props_.foreColor = ButtonColors::ButtonText();
    props_.showFocusRect = ButtonColorScheme::ShowsFocusRect(look);
    if (look == 4)
        props_.picturePushOnHover = true;
}

void fxbutton::SetState(int32_t state)
{
    if (draw_.state == state)
        return;
    draw_.state = state;
    RedrawButton();
}

void fxbutton::RedrawIfPictured()
{
    if (!props_.pictureNormal.isNull())
        RedrawButton();
}

void fxbutton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, face_);
}

void fxbutton::resizeEvent(QResizeEvent*)
{
    CreateRegion();
    RedrawButton();
}

void fxbutton::showEvent(QShowEvent*)
{
    draw_.parentActive = isActiveWindow();
    WatchWindowKeys();  // the button may have moved into another window since
    RedrawButton();
}

void fxbutton::hideEvent(QHideEvent*)
{
    HideToolTip();
}

void fxbutton::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        if (!isEnabled())
            HideToolTip();
        RedrawButton();
        break;
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
        RedrawButton();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void fxbutton::WindowActivation(bool active)
{
    draw_.parentActive = active;
    if (!active) {
        draw_.mousePressed = false;
        draw_.spaceDown = false;
        draw_.hasFocus = false;
    }
    draw_.state = ButtonDrawState::Normal;
    RedrawButton();
}

// ---- mouse ----

bool fxbutton::IsOver(const QPointF& position) const
{
    const QPoint point = position.toPoint();
    return rect().contains(point) && (mask().isEmpty() || mask().contains(point));
}

bool fxbutton::TrackPointer(const QPointF& position)
{
    draw_.mouseOver = IsOver(position);
    if (draw_.mouseOver)
        emit MouseEnter();
    if (draw_.spaceDown)
        return false;
    if (!draw_.mouseOver) {
        SetState(ButtonDrawState::Normal);
    } else if (draw_.mousePressed) {
        SetState(ButtonDrawState::Pressed);
    } else if (draw_.state != ButtonDrawState::Hot) {
        draw_.state = ButtonDrawState::Hot;
        RedrawButton();
        // A check or option button that is on stays pressed and gets no tooltip.
        if (draw_.state != ButtonDrawState::Pressed)
            CreateToolTip();
    }
    return true;
}

void fxbutton::enterEvent(QEnterEvent* event)
{
    TrackPointer(event->position());
}

void fxbutton::leaveEvent(QEvent*)
{
    draw_.mouseOver = false;
    HideToolTip();
    if (popup_.IsSet()) {
        if (popup_.showing) {
            popup_.showing = false;
            popup_.closedOver = true;
            return;
        }
        popup_.closedOver = false;
    }
    if (draw_.spaceDown)
        return;
    SetState(ButtonDrawState::Normal);
    emit MouseLeave();
}

void fxbutton::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF position = event->position();
    if (!TrackPointer(position))
        return;
    emit MouseMove(InputCodes::MouseButtons(event->buttons()), InputCodes::ShiftState(event->modifiers()),
                   static_cast<float>(position.x()), static_cast<float>(position.y()));
}

void fxbutton::mousePressEvent(QMouseEvent* event)
{
    HideToolTip();
    const QPointF position = event->position();
    Press({InputCodes::MouseButtons(event->button()), InputCodes::ShiftState(event->modifiers()),
           static_cast<float>(position.x()), static_cast<float>(position.y())});
}

void fxbutton::Press(const PressRecord& press)
{
    lastPress_ = press;
    if (press.button != 1 && !popup_.closedOver)
        return;
    draw_.hasFocus = true;
    draw_.mousePressed = true;
    if (!draw_.spaceDown)
        SetState(ButtonDrawState::Pressed);
    if (!popup_.IsSet())
        emit MouseDown(press.button, press.shift, press.x, press.y);
    else if (!popup_.closedOver)
        ShowPopupMenu();
}

void fxbutton::mouseReleaseEvent(QMouseEvent* event)
{
    const int16_t button = InputCodes::MouseButtons(event->button());
    const int16_t shift = InputCodes::ShiftState(event->modifiers());
    const float x = static_cast<float>(event->position().x());
    const float y = static_cast<float>(event->position().y());

    if (popup_.IsSet()) {
        draw_.mousePressed = false;
        popup_.closedOver = false;
        draw_.state = ButtonDrawState::Normal;
        RedrawButton();
        return;
    }
    const QPointer<fxbutton> alive(this);
    if (button == 1) {
        draw_.mousePressed = false;
        if (x >= 0 && x < width() && y >= 0 && y < height()) {
            if (props_.mode == ModeCheck) {
                props_.value = !props_.value;
                RedrawButton();
            } else if (props_.mode == ModeOption) {
                UncheckOtherOptions();
                setValue(true);
            }
            draw_.state = ButtonDrawState::Normal;
            RedrawButton();
            if (props_.dropDownSymbol != 0 && x > width() - 16)
                emit ClickDropDownArrow();
            else
                emit Click();
            if (alive.isNull())
                return;
        }
    }
    emit MouseUp(button, shift, x, y);
}

void fxbutton::mouseDoubleClickEvent(QMouseEvent*)
{
    if (lastPress_.button != 1)
        return;
    draw_.state = ButtonDrawState::Pressed;
    RedrawButton();
    const QPointer<fxbutton> alive(this);
    Press(lastPress_);
    if (alive.isNull())
        return;
    if (!popup_.IsSet())
        emit DblClick();
    else if (!popup_.closedOver)
        ShowPopupMenu();
}

void fxbutton::ShowPopupMenu()
{
    popup_.showing = true;
    const QPointer<fxbutton> alive(this);
    if (!popup_.Exec(this)) {
        if (!alive.isNull())
            popup_.showing = false;
        return;
    }
    if (alive.isNull())
        return;
    if (IsOver(mapFromGlobal(QCursor::pos()))) {
        popup_.closedOver = true;
        return;
    }
    draw_.mousePressed = false;
    draw_.mouseOver = false;
    draw_.spaceDown = false;
    popup_.closedOver = false;
    popup_.showing = false;
    draw_.state = ButtonDrawState::Normal;
    RedrawButton();
}

// ---- keyboard ----

void fxbutton::keyPressEvent(QKeyEvent* event)
{
    const int16_t code = InputCodes::KeyCode(event->key());
    const int16_t shift = InputCodes::ShiftState(event->modifiers());
    const QPointer<fxbutton> alive(this);

    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit Click();
        if (alive.isNull())
            return;
        break;
    case Qt::Key_Space:
        if (shift == 4)
            return;
        // Only the first key-down of a held Space acts; the keyboard's repeats change nothing.
        if (event->isAutoRepeat() || draw_.spaceDown)
            break;
        if (!draw_.mousePressed) {
            draw_.spaceDown = true;
            if (props_.mode == ModeCheck) {
                props_.value = !props_.value;
            } else if (props_.mode == ModeOption) {
                UncheckOtherOptions();
                props_.value = true;
            }
            draw_.state = ButtonDrawState::Pressed;
            RedrawButton();
        } else {
            SetState(ButtonDrawState::Normal);
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusNextPrevChild(false);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusNextPrevChild(true);
        break;
    case Qt::Key_Escape:
        // Esc goes on to the window, whose cancel button takes it.
        event->ignore();
        [[fallthrough]];
    default:
        draw_.spaceDown = false;
        draw_.state = ButtonDrawState::Normal;
        RedrawButton();
        break;
    }
    emit KeyDown(code, shift);
    if (alive.isNull())
        return;
    if (!event->text().isEmpty())
        emit KeyPress(static_cast<int16_t>(event->text().at(0).unicode()));
}

void fxbutton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    bool click = false;
    if (draw_.mouseOver) {
        if (draw_.mousePressed) {
            SetState(ButtonDrawState::Pressed);
        } else {
            SetState(ButtonDrawState::Hot);
            click = draw_.spaceDown;
        }
    } else {
        SetState(ButtonDrawState::Normal);
        click = draw_.spaceDown && !draw_.mousePressed;
    }
    const QPointer<fxbutton> alive(this);
    if (click)
        emit Click();
    if (alive.isNull())
        return;
    emit KeyUp(InputCodes::KeyCode(event->key()), InputCodes::ShiftState(event->modifiers()));
    if (alive.isNull())
        return;
    draw_.spaceDown = false;
    draw_.mousePressed = false;
}

void fxbutton::AccessKeyPress(int code)
{
    if (!isEnabled())
        return;
    draw_.spaceDown = false;
    draw_.mousePressed = false;
    if (props_.mode == ModeCheck || props_.mode == ModeOption) {
        if (code == kEnterCode || code == kEscapeCode)
            return;
        if (props_.mode == ModeCheck) {
            props_.value = !props_.value;
            if (!props_.value)
                draw_.state = ButtonDrawState::Normal;
        } else {
            UncheckOtherOptions();
            props_.value = true;
        }
        RedrawButton();
    }
    // Show the new look before the handler runs.
    repaint();
    emit Click();
}

void fxbutton::UncheckOtherOptions()
{
    QWidget* container = parentWidget();
    if (container == nullptr)
        return;
    for (fxbutton* other : container->findChildren<fxbutton*>(Qt::FindDirectChildrenOnly))
        if (other != this && other->Mode() == ModeOption)
            other->setValue(false);
}

void fxbutton::focusInEvent(QFocusEvent* event)
{
    draw_.hasFocus = true;
    RedrawButton();
    QWidget::focusInEvent(event);
}

void fxbutton::focusOutEvent(QFocusEvent* event)
{
    draw_.hasFocus = false;
    draw_.mousePressed = false;
    draw_.spaceDown = false;
    draw_.state = draw_.parentActive && draw_.mouseOver ? ButtonDrawState::Hot : ButtonDrawState::Normal;
    RedrawButton();
    QWidget::focusOutEvent(event);
}

bool fxbutton::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Shortcut: {
        const int id = static_cast<QShortcutEvent*>(event)->shortcutId();
        if (id == accessKeyShortcut_ && id != 0)
            AccessKeyPress(ButtonAccessKey::FromCaption(props_.caption).value_or(QChar()).unicode());
        return true;
    }
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        WindowActivation(event->type() == QEvent::WindowActivate);
        break;
    case QEvent::ToolTip:
        if (!toolTipWindow_.isNull() && !toolTipWindow_->TipContent().text.isEmpty())
            toolTipWindow_->ShowAt(static_cast<QHelpEvent*>(event)->globalPos());
        return true;
    default:
        break;
    }
    return QWidget::event(event);
}

// ---- tooltip, shortcuts, pointer ----

void fxbutton::CreateToolTip()
{
    if (!isEnabled() || popup_.closedOver || draw_.state == ButtonDrawState::Pressed)
        return;
    delete toolTipWindow_.data();
    toolTipWindow_ = new ButtonToolTip(toolTip_, this);
}

void fxbutton::HideToolTip()
{
    if (!toolTipWindow_.isNull())
        toolTipWindow_->hide();
}

void fxbutton::UpdateShortcuts()
{
    if (accessKeyShortcut_ != 0)
        releaseShortcut(accessKeyShortcut_);
    accessKeyShortcut_ = 0;
    if (const auto key = ButtonAccessKey::FromCaption(props_.caption))
        accessKeyShortcut_ = grabShortcut(QKeySequence::mnemonic(QStringLiteral("&") + *key));
}

// Not a window shortcut: a shortcut would also fire while an open drop-down list or an editor
// takes the key, and so close the window while the user only picks an entry.
void fxbutton::WatchWindowKeys()
{
    QWidget* target = (default_ || cancel_) ? window() : nullptr;
    if (target == this)
        target = nullptr;
    if (target == keyWindow_.data())
        return;
    if (!keyWindow_.isNull())
        keyWindow_->removeEventFilter(this);
    keyWindow_ = target;
    if (target != nullptr)
        target->installEventFilter(this);
}

bool fxbutton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == keyWindow_.data() && event->type() == QEvent::KeyPress && isVisible() && isEnabled()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (plain && ((default_ && enter) || (cancel_ && key->key() == Qt::Key_Escape))) {
            AccessKeyPress(enter ? kEnterCode : kEscapeCode);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void fxbutton::ApplyCursor()
{
    if (handPointer_) {
        setCursor(Qt::PointingHandCursor);
    } else if (mousePointer_ == MousePointers::kCustom && !mouseIcon_.isNull()) {
        setCursor(QCursor(mouseIcon_));
    } else if (const auto shape = MousePointers::ShapeFor(mousePointer_)) {
        setCursor(*shape);
    } else {
        unsetCursor();
    }
}
