// How the owner-drawn button reacts to mouse, keys and the program: modes and option groups,
// access keys, hover, Space held down, the drop-down strip, event order and the colour schemes.
#include "widgets/ButtonColors.h"
#include "widgets/fxbutton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

namespace {

class FxButtonTest : public ::testing::Test {
protected:
    FxButtonTest() { window_.resize(400, 200); }

    fxbutton* Add(const QString& caption, int32_t mode, QWidget* container = nullptr)
    {
        auto* button = new fxbutton(caption, container != nullptr ? container : &window_);
        button->setGeometry(10 + 90 * count_++, 10, 80, 24);
        button->setMode(mode);
        button->setButtonStyle(3);
        return button;
    }

    void ShowActive()
    {
        window_.show();
        QApplication::setActiveWindow(&window_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    }

    static void Key(fxbutton* button, QEvent::Type type, Qt::Key key, bool autoRepeat = false)
    {
        QKeyEvent event(type, key, Qt::NoModifier, key == Qt::Key_Space ? " " : "", autoRepeat);
        QApplication::sendEvent(button, &event);
    }

    static void Release(fxbutton* button, const QPointF& at)
    {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(button, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, button->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(button, &release);
    }

    QWidget window_;
    int count_ = 0;
};

}

TEST_F(FxButtonTest, ClickValueByModeAndOptionsReleaseOnlyTheirContainer)
{
    auto* panel = new QWidget(&window_);
    fxbutton* first = Add("One", fxbutton::ModeOption);
    fxbutton* second = Add("Two", fxbutton::ModeOption);
    fxbutton* check = Add("Check", fxbutton::ModeCheck);
    fxbutton* elsewhere = Add("Other", fxbutton::ModeOption, panel);
    fxbutton* command = Add("Go", fxbutton::ModeCommand);
    fxbutton* held = Add("Held", 3);
    for (fxbutton* b : {first, check, elsewhere, command, held}) b->setValue(true);
    EXPECT_FALSE(command->Value());

    QSignalSpy clicks(second, &fxbutton::Click);
    for (fxbutton* b : {second, check, held}) QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(second->Value() && elsewhere->Value() && held->Value());
    EXPECT_FALSE(first->Value() || check->Value());
}

TEST_F(FxButtonTest, AccessKeysDefaultAndCancelReachTheirButtonsUnlessDisabled)
{
    fxbutton* command = Add("&Datei", fxbutton::ModeCommand);
    fxbutton* first = Add("&One", fxbutton::ModeOption);
    fxbutton* second = Add("&Two", fxbutton::ModeOption);
    fxbutton* ok = Add("OK", fxbutton::ModeCommand);
    fxbutton* cancel = Add("Cancel", fxbutton::ModeCommand);
    auto* label = new QLabel("text", &window_);
    label->setFocusPolicy(Qt::StrongFocus);
    auto* notes = new QPlainTextEdit(&window_);
    first->setValue(true);
    ok->setDefault(true);
    cancel->setCancel(true);
    ShowActive();
    QSignalSpy commandClicks(command, &fxbutton::Click);
    QSignalSpy okClicks(ok, &fxbutton::Click);
    QSignalSpy cancelClicks(cancel, &fxbutton::Click);
    label->setFocus();
    QTest::keyClick(&window_, Qt::Key_D, Qt::AltModifier);
    QTest::keyClick(&window_, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(commandClicks.count(), 1);
    EXPECT_TRUE(second->Value() && !first->Value());
    command->setEnabled(false);
    QTest::mouseClick(command, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::keyClick(&window_, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(commandClicks.count(), 1) << "a disabled button raises no click";

    label->setFocus();
    QTest::keyClick(label, Qt::Key_Return);
    QTest::keyClick(label, Qt::Key_Escape);
    // A focused button takes Enter itself; Esc goes on from it to the window.
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Return);
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Escape);
    notes->setFocus();
    QTest::keyClick(notes, Qt::Key_Return);
    EXPECT_EQ(okClicks.count(), 1) << "Enter in a text editor stays a new line";
    EXPECT_EQ(cancelClicks.count(), 3);
}

TEST_F(FxButtonTest, HoverLookAndTooltipComeWithEnterAndGoWithLeaveUnlessSpaceIsHeld)
{
    fxbutton* button = Add("Hover", fxbutton::ModeCommand);
    button->setToolTip(QString("word ").repeated(40));
    const QImage normal = button->Face().copy();
    QSignalSpy leaves(button, &fxbutton::MouseLeave);
    QSignalSpy clicks(button, &fxbutton::Click);
    QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), button->mapToGlobal(QPointF(10, 10)));
    QApplication::sendEvent(button, &enter);
    EXPECT_NE(button->Face(), normal);
    QHelpEvent help(QEvent::ToolTip, QPoint(10, 10), button->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(button, &help);
    const auto tips = button->findChildren<ButtonToolTip*>();
    ASSERT_EQ(tips.size(), 1);
    EXPECT_LE(tips.front()->width(), ButtonToolTip::kMaxTipWidth + 10);
    EXPECT_GT(tips.front()->height(), 3 * tips.front()->fontMetrics().height());

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_EQ(button->Face(), normal);
    EXPECT_FALSE(tips.front()->isVisible());
    EXPECT_EQ(leaves.count(), 1);

    Key(button, QEvent::KeyPress, Qt::Key_Space);
    const QImage pressed = button->Face().copy();
    QApplication::sendEvent(button, &leave);
    EXPECT_EQ(button->Face(), pressed);
    EXPECT_EQ(leaves.count(), 1);
    Key(button, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1) << "released away from the button, the held Space still clicks";
}

TEST_F(FxButtonTest, HeldSpaceTogglesOnceAndClicksAtReleaseEnterClicksAtOnce)
{
    fxbutton* check = Add("Check", fxbutton::ModeCheck);
    QSignalSpy clicks(check, &fxbutton::Click);
    QSignalSpy keyDowns(check, &fxbutton::KeyDown);
    QSignalSpy keyUps(check, &fxbutton::KeyUp);
    Key(check, QEvent::KeyPress, Qt::Key_Space);
    EXPECT_TRUE(check->Value());
    // The keyboard repeats while the key is held: some platforms send repeated presses, some
    // release-and-press pairs marked as repeats.
    for (int i = 0; i < 5; ++i) {
        Key(check, QEvent::KeyRelease, Qt::Key_Space, true);
        Key(check, QEvent::KeyPress, Qt::Key_Space, true);
    }
    Key(check, QEvent::KeyPress, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 0);
    Key(check, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(std::tuple(check->Value(), clicks.count(), keyUps.count()), std::tuple(true, 1, 1));

    Key(check, QEvent::KeyPress, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_TRUE(check->Value()) << "Enter clicks without toggling";
    Key(check, QEvent::KeyRelease, Qt::Key_Return);
    EXPECT_EQ(keyUps.count(), 1);
    EXPECT_EQ(keyDowns.back().at(0).value<int16_t>(), 13);
    const auto downs = keyDowns.count();
    QKeyEvent altSpace(QEvent::KeyPress, Qt::Key_Space, Qt::AltModifier, " ");
    QApplication::sendEvent(check, &altSpace);
    EXPECT_EQ(keyDowns.count(), downs);
    EXPECT_TRUE(check->Value());
}

TEST_F(FxButtonTest, ReleasePositionDecidesBetweenClickDropDownAndNothingDoubleClickClicksTwice)
{
    fxbutton* button = Add("Menu", fxbutton::ModeCommand);
    button->setDropDownSymbol(6);
    QSignalSpy clicks(button, &fxbutton::Click);
    QSignalSpy arrows(button, &fxbutton::ClickDropDownArrow);
    QSignalSpy ups(button, &fxbutton::MouseUp);
    const int w = button->width();
    for (const QPointF at : {QPointF(w - 16, 5), QPointF(w - 15, 5), QPointF(0, 0), QPointF(w, 5)}) Release(button, at);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(arrows.count(), 1) << "only at w - 15, the strip's first column";
    EXPECT_EQ(ups.count(), 4);
    button->setDropDownSymbol(0);
    Release(button, QPointF(w - 15, 5));
    EXPECT_EQ(clicks.count(), 3);

    // A double click gives two clicks in the toolkit's order.
    std::string events;
    QObject::connect(button, &fxbutton::MouseDown, [&] { events += "D"; });
    QObject::connect(button, &fxbutton::Click, [&] { events += "C"; });
    QObject::connect(button, &fxbutton::MouseUp, [&] { events += "U"; });
    QObject::connect(button, &fxbutton::DblClick, [&] { events += "2"; });
    // What the toolkit delivers for a double click: the second press arrives as a double click.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseDClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(events, "DCUD2CU");
}

TEST_F(FxButtonTest, FocusedAeroButtonGlowsOnlyInTheActiveWindowAndACustomBackColourSurvivesAStyleChange)
{
    fxbutton* button = Add("Focus", fxbutton::ModeCommand);
    ShowActive();
    button->setFocus();
    const QImage glowing = button->Face().copy();
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&window_, &deactivate);
    window_.clearFocus();
    QApplication::setActiveWindow(nullptr);
    EXPECT_NE(button->Face(), glowing);

    const QColor schemeColour = button->BackColor();
    button->setBackColor(ButtonColors::Rgb(0x336699));
    button->setButtonStyle(5);
    EXPECT_EQ(button->BackColor(), ButtonColors::Rgb(0x336699));
    button->setButtonStyle(3);
    EXPECT_EQ(button->BackColor(), schemeColour) << "back to the look's own scheme";
}
