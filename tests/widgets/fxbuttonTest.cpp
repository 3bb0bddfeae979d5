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
#include <vector>

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

TEST_F(FxButtonTest, OptionClickSetsValueAndReleasesOnlyTheOptionsOfItsContainer)
{
    auto* panel = new QWidget(&window_);
    panel->setGeometry(0, 100, 400, 50);
    fxbutton* first = Add("One", fxbutton::ModeOption);
    fxbutton* second = Add("Two", fxbutton::ModeOption);
    fxbutton* check = Add("Check", fxbutton::ModeCheck);
    fxbutton* elsewhere = Add("Other", fxbutton::ModeOption, panel);
    first->setValue(true);
    check->setValue(true);
    elsewhere->setValue(true);

    QSignalSpy clicks(second, &fxbutton::Click);
    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(second->Value());
    EXPECT_FALSE(first->Value());
    EXPECT_TRUE(check->Value());
    EXPECT_TRUE(elsewhere->Value());
}

TEST_F(FxButtonTest, CheckButtonTogglesCommandButtonKeepsNoValueAndOtherModesStayOn)
{
    fxbutton* check = Add("Check", fxbutton::ModeCheck);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(check->Value());
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(check->Value());

    fxbutton* command = Add("Go", fxbutton::ModeCommand);
    command->setValue(true);
    EXPECT_FALSE(command->Value());

    fxbutton* held = Add("Held", 3);
    held->setValue(true);
    QSignalSpy clicks(held, &fxbutton::Click);
    QTest::mouseClick(held, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(held->Value());
}

TEST_F(FxButtonTest, DisabledButtonRaisesNoClick)
{
    ShowActive();
    fxbutton* button = Add("&Datei", fxbutton::ModeCommand);
    button->show();
    button->setEnabled(false);
    QSignalSpy clicks(button, &fxbutton::Click);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::keyClick(&window_, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(FxButtonTest, AccessKeyClicksAndSelectsAnOption)
{
    fxbutton* command = Add("&Datei", fxbutton::ModeCommand);
    fxbutton* first = Add("&One", fxbutton::ModeOption);
    fxbutton* second = Add("&Two", fxbutton::ModeOption);
    first->setValue(true);
    ShowActive();
    QSignalSpy commandClicks(command, &fxbutton::Click);
    QSignalSpy optionClicks(second, &fxbutton::Click);

    QTest::keyClick(&window_, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(commandClicks.count(), 1);
    QTest::keyClick(&window_, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(optionClicks.count(), 1);
    EXPECT_TRUE(second->Value());
    EXPECT_FALSE(first->Value());
}

TEST_F(FxButtonTest, DefaultAndCancelButtonsTakeEnterAndEsc)
{
    fxbutton* ok = Add("OK", fxbutton::ModeCommand);
    fxbutton* cancel = Add("Cancel", fxbutton::ModeCommand);
    auto* label = new QLabel("text", &window_);
    label->setFocusPolicy(Qt::StrongFocus);
    ok->setDefault(true);
    cancel->setCancel(true);
    ShowActive();
    label->setFocus();
    QSignalSpy okClicks(ok, &fxbutton::Click);
    QSignalSpy cancelClicks(cancel, &fxbutton::Click);
    QTest::keyClick(label, Qt::Key_Return);
    QTest::keyClick(label, Qt::Key_Escape);
    EXPECT_EQ(okClicks.count(), 1);
    EXPECT_EQ(cancelClicks.count(), 1);

    // A focused button takes Enter itself.
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Return);
    EXPECT_EQ(okClicks.count(), 1);
    EXPECT_EQ(cancelClicks.count(), 2);
    // Esc goes on from a focused button to the window; Enter in a text editor stays a new line.
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Escape);
    EXPECT_EQ(cancelClicks.count(), 3);
    auto* notes = new QPlainTextEdit(&window_);
    notes->show();
    notes->setFocus();
    QTest::keyClick(notes, Qt::Key_Return);
    EXPECT_EQ(okClicks.count(), 1);
}

TEST_F(FxButtonTest, HoverLookComesWithEnterAndGoesWithLeave)
{
    fxbutton* button = Add("Hover", fxbutton::ModeCommand);
    const QImage normal = button->Face().copy();
    QSignalSpy leaves(button, &fxbutton::MouseLeave);

    QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), button->mapToGlobal(QPointF(10, 10)));
    QApplication::sendEvent(button, &enter);
    EXPECT_NE(button->Face(), normal);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_EQ(button->Face(), normal);
    EXPECT_EQ(leaves.count(), 1);
}

TEST_F(FxButtonTest, HeldSpaceTogglesACheckButtonOnceAndClicksOnceAtRelease)
{
    fxbutton* check = Add("Check", fxbutton::ModeCheck);
    QSignalSpy clicks(check, &fxbutton::Click);
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
    EXPECT_TRUE(check->Value());
    EXPECT_EQ(clicks.count(), 0);

    Key(check, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_TRUE(check->Value());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(keyUps.count(), 1);
}

TEST_F(FxButtonTest, LeavingWhileSpaceIsHeldKeepsThePressedLook)
{
    fxbutton* button = Add("Hold", fxbutton::ModeCommand);
    QSignalSpy leaves(button, &fxbutton::MouseLeave);
    QSignalSpy clicks(button, &fxbutton::Click);
    Key(button, QEvent::KeyPress, Qt::Key_Space);
    const QImage pressed = button->Face().copy();
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_EQ(button->Face(), pressed);
    EXPECT_EQ(leaves.count(), 0);
    // Released away from the button, the held Space still clicks.
    Key(button, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(FxButtonTest, EnterClicksAtOnceAndOnlySpaceRaisesKeyUp)
{
    fxbutton* button = Add("Go", fxbutton::ModeCheck);
    QSignalSpy clicks(button, &fxbutton::Click);
    QSignalSpy keyDowns(button, &fxbutton::KeyDown);
    QSignalSpy keyUps(button, &fxbutton::KeyUp);
    Key(button, QEvent::KeyPress, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(button->Value());
    Key(button, QEvent::KeyRelease, Qt::Key_Return);
    EXPECT_EQ(keyUps.count(), 0);
    ASSERT_EQ(keyDowns.count(), 1);
    EXPECT_EQ(keyDowns.at(0).at(0).value<int16_t>(), 13);

    QKeyEvent altSpace(QEvent::KeyPress, Qt::Key_Space, Qt::AltModifier, " ");
    QApplication::sendEvent(button, &altSpace);
    EXPECT_EQ(keyDowns.count(), 1);
    EXPECT_FALSE(button->Value());
}

TEST_F(FxButtonTest, ReleasePositionDecidesBetweenClickDropDownAndNothing)
{
    fxbutton* button = Add("Menu", fxbutton::ModeCommand);
    button->setDropDownSymbol(6);
    QSignalSpy clicks(button, &fxbutton::Click);
    QSignalSpy arrows(button, &fxbutton::ClickDropDownArrow);
    QSignalSpy ups(button, &fxbutton::MouseUp);
    const int w = button->width();

    Release(button, QPointF(w - 16, 5));
    EXPECT_EQ(clicks.count(), 1);
    Release(button, QPointF(w - 15, 5));
    EXPECT_EQ(arrows.count(), 1);
    Release(button, QPointF(0, 0));
    EXPECT_EQ(clicks.count(), 2);
    Release(button, QPointF(w, 5));
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(arrows.count(), 1);
    EXPECT_EQ(ups.count(), 4);

    button->setDropDownSymbol(0);
    Release(button, QPointF(w - 15, 5));
    EXPECT_EQ(clicks.count(), 3);
}

TEST_F(FxButtonTest, DoubleClickGivesTwoClicksInTheToolkitOrder)
{
    fxbutton* button = Add("Twice", fxbutton::ModeCommand);
    std::vector<std::string> events;
    QObject::connect(button, &fxbutton::MouseDown, [&] { events.push_back("MouseDown"); });
    QObject::connect(button, &fxbutton::Click, [&] { events.push_back("Click"); });
    QObject::connect(button, &fxbutton::MouseUp, [&] { events.push_back("MouseUp"); });
    QObject::connect(button, &fxbutton::DblClick, [&] { events.push_back("DblClick"); });
    // What the toolkit delivers for a double click: the second press arrives as a double click.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseDClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    const std::vector<std::string> expected{"MouseDown", "Click",    "MouseUp", "MouseDown",
                                            "DblClick",  "Click", "MouseUp"};
    EXPECT_EQ(events, expected);
}

TEST_F(FxButtonTest, CustomBackColourSurvivesAStyleChange)
{
    fxbutton* button = Add("Style", fxbutton::ModeCommand);
    const QColor schemeColour = button->BackColor();
    button->setBackColor(ButtonColors::Rgb(0x336699));
    button->setButtonStyle(5);
    EXPECT_EQ(button->BackColor(), ButtonColors::Rgb(0x336699));
    button->setButtonStyle(3);
    EXPECT_EQ(button->BackColor(), schemeColour) << "back to the look's own scheme";
}

TEST_F(FxButtonTest, FocusedAeroButtonInActiveWindowGlows)
{
    fxbutton* button = Add("Focus", fxbutton::ModeCommand);
    ShowActive();
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    const QImage glowing = button->Face().copy();

    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&window_, &deactivate);
    window_.clearFocus();
    QApplication::setActiveWindow(nullptr);
    EXPECT_NE(button->Face(), glowing);
}

TEST_F(FxButtonTest, TooltipIsBuiltOnHoverAndWrapsLongTexts)
{
    fxbutton* button = Add("Tip", fxbutton::ModeCommand);
    button->setToolTip(QString("word ").repeated(40));
    QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), button->mapToGlobal(QPointF(10, 10)));
    QApplication::sendEvent(button, &enter);
    QHelpEvent help(QEvent::ToolTip, QPoint(10, 10), button->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(button, &help);

    const auto tips = button->findChildren<ButtonToolTip*>();
    ASSERT_EQ(tips.size(), 1);
    EXPECT_TRUE(tips.front()->isVisible());
    EXPECT_LE(tips.front()->width(), ButtonToolTip::kMaxTipWidth + 10);
    EXPECT_GT(tips.front()->height(), 3 * tips.front()->fontMetrics().height());

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_FALSE(tips.front()->isVisible());
}
