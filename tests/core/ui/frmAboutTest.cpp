#include "core/ui/frmAbout.h"

#include "support/ui/UiTestWorld.h"
#include "widgets/fxbutton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class AboutWindowTest : public ::testing::Test, protected UiTestWorld {};

// Sends Esc to the OK button, as a person's key reaches the focused control first.
void SendKey(frmAbout& window, QEvent::Type type)
{
    QKeyEvent event(type, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(window.Command1, &event);
}

}

TEST_F(AboutWindowTest, EscClosesWhenReleasedAndOkCloses)
{
    frmAbout window(nullptr);
    window.show();
    SendKey(window, QEvent::KeyPress);
    EXPECT_TRUE(window.isVisible()) << "pressing alone does not close";
    SendKey(window, QEvent::KeyRelease);
    EXPECT_FALSE(window.isVisible());
    window.show();
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}
