#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "core/ui/QtUiSeam.h"
#include "core/ui/frmError.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class ErrorWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gError = std::make_unique<clsError>();
        gLanguage = std::make_unique<clsLanguage>();
        zelo::SetUi(&seam);
    }
    void TearDown() override
    {
        zelo::SetUi(nullptr);
        gError.reset();
        gLanguage.reset();
    }
    QtUiSeam seam;
};

}

TEST_F(ErrorWindowTest, ShowsTheLastErrorAndTheCallStack)
{
    gError->AddFunctionToCallStack("clsFileHandler", "OpenFile");
    gError->ErrorMsg("clsFileHandler", "OpenFile", true, 53, "File not found");
    gLanguage->OpenLanguageEx(3);
    frmError window(nullptr);
    EXPECT_EQ(window.windowTitle(), "Error");
    EXPECT_EQ(window.Label1->text(), "Error: 53\r\nFile not found");
    EXPECT_EQ(window.Label2->text(), "Module:");
    EXPECT_EQ(window.Label3->text(), "Procedure:");
    EXPECT_EQ(window.Label5[0]->text(), "clsFileHandler");
    EXPECT_EQ(window.Label5[1]->text(), "OpenFile");
    EXPECT_TRUE(window.Label4->text().startsWith("Callstack:\r\n1: ["));
    EXPECT_TRUE(window.Label4->text().contains("] clsFileHandler - OpenFile\r\n"));
    EXPECT_TRUE(window.isModal());
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
        window->cmdOK->click();
    });
    gError->ErrorMsg("modCommon", "Zelo_Oeffnen", false, 62, "Input past end of file");
    EXPECT_EQ(seenTitle, "Fehler");
    EXPECT_TRUE(gError->Error());
}
