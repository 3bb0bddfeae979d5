#include "core/ui/frmAbout.h"

#include "core/clsLoader.h"
#include "core/modCommon.h"
#include "support/ui/UiTestWorld.h"
#include "widgets/fxbutton.h"

#include <FreeImage.h>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
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

TEST_F(AboutWindowTest, ShowsVersionSystemAndImageLibrary)
{
    frmAbout window(nullptr);
    EXPECT_EQ(window.Label6->text(), QString("FreeImage Unterstützung verfügbar\r\nDLL Version ") + FreeImage_GetVersion());
    const QString expectedStart =
        QString::fromStdString(gLoader->Creation_Info()) + "\r\n28574 Codezeilen\r\n\r\n";
    EXPECT_TRUE(window.Label3->text().startsWith(expectedStart)) << window.Label3->text().toStdString();
    EXPECT_GT(window.Label3->text().size(), expectedStart.size()) << "the operating system follows";
    EXPECT_TRUE(window.lblRam->text().startsWith("RAM: "));
}
