#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "core/ui/QtUiSeam.h"
#include "core/ui/frmError.h"
#include "support/ui/UiTestWorld.h"
#include "widgets/fxbutton.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The error window is shown through the program's own seam.
class ErrorWindowTest : public ::testing::Test, protected UiTestWorld {
protected:
    void SetUp() override { zelo::SetUi(&qtSeam); }
    void TearDown() override { zelo::SetUi(&seam); }
    QtUiSeam qtSeam;
};

}

TEST_F(ErrorWindowTest, ErrorMsgShowsTheWindowModallyUnlessSilent)
{
    gError->ErrorMsg("modCommon", "Zelo_Oeffnen", true, 62, "Input past end of file");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    QString seenTitle;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<frmError*>(QApplication::activeModalWidget());
        if (!window) return;
        seenTitle = window->windowTitle();
        QTest::mouseClick(window->cmdOK, Qt::LeftButton);
    });
    gError->ErrorMsg("modCommon", "Zelo_Oeffnen", false, 62, "Input past end of file");
    EXPECT_EQ(seenTitle, "Fehler");
    EXPECT_TRUE(gError->Error());
}

TEST_F(ErrorWindowTest, ShowsTheLastErrorAndTheCallStack)
{
    const CallStackFrame running = gError->AddFunctionToCallStack("clsFileHandler", "OpenFile");
    gError->ErrorMsg("clsFileHandler", "OpenFile", true, 53, "File not found");
    gLanguage->OpenLanguageEx(3);
    frmError window(nullptr);
    EXPECT_EQ(window.windowTitle(), "Error");
    EXPECT_EQ(window.Label1->text(), "Error: 53\r\nFile not found");
    EXPECT_EQ(window.Label5[0]->text() + window.Label5[1]->text(), "clsFileHandlerOpenFile");
    EXPECT_TRUE(window.Label4->text().startsWith("Callstack:\r\n"));
    EXPECT_TRUE(window.Label4->text().contains("] clsFileHandler - OpenFile\r\n"));
}

TEST_F(ErrorWindowTest, ALongDescriptionScrollsWithinTheScreen)
{
    // A path of thousands of characters without a blank, and hundreds of lines.
    std::string description = "/" + std::string(4000, 'p') + "\r\n";
    for (int i = 0; i < 400; ++i) description += "Zeile " + std::to_string(i) + "\r\n";
    gError->ErrorMsg("modCommon", "Zelo_Oeffnen", true, 53, description);
    frmError window(nullptr);
    window.show();
    QCoreApplication::processEvents();
    const QRect screen = window.screen()->availableGeometry();
    EXPECT_LE(window.frameGeometry().width(), screen.width());
    EXPECT_LE(window.frameGeometry().height(), screen.height());
    const auto* text = window.findChild<QPlainTextEdit*>("Meldungstext");
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->toPlainText().contains("Zeile 399")) << "the whole description";
    EXPECT_TRUE(window.rect().contains(window.cmdOK->geometry())) << "the OK button within the window";
}
