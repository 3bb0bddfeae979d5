#include "core/ui/frmRecord.h"

#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "core/ui/QtUiSeam.h"
#include "core/ui/modUiGlobals.h"
#include "support/ui/UiTestWorld.h"
#include "widgets/fxbutton.h"

#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

class RecordWindowTest : public ::testing::Test, protected UiTestWorld {
protected:
    void SetUp() override
    {
        gfrmRecord = new frmRecord(nullptr);
        gfrmRecord->show();
        gfrmRecord->hide();
    }
    void TearDown() override
    {
        delete gfrmRecord.data();
    }
    QStringList Lines() const
    {
        QStringList lines;
        for (int i = 0; i < gfrmRecord->List1->count(); ++i) lines << gfrmRecord->List1->item(i)->text();
        return lines;
    }
    std::string ReadFile(const std::filesystem::path& path) const
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

}

TEST_F(RecordWindowTest, CollectsLinesOnlyWhileLoggingIsOn)
{
    QtUiSeam qtSeam;
    zelo::SetUi(&qtSeam);
    gCommon->Record("before the project");
    gCommon->setEnable_Record(true);
    gCommon->Record("probe.dat");
    gCommon->Record("Fit gespeichert");
    gCommon->setEnable_Record(false);
    gCommon->Record("during the automatic transform");
    gCommon->setEnable_Record(true);
    gCommon->Record("G(r) gespeichert");
    zelo::SetUi(&seam);
    EXPECT_EQ(Lines(), QStringList({"probe.dat", "Fit gespeichert", "G(r) gespeichert"}));
    EXPECT_FALSE(gfrmRecord->isVisible()) << "recording does not show the window";
}

TEST_F(RecordWindowTest, SpeichernWritesTheLinesLeavesLoggingOnAndReportsAnUnwritableFile)
{
    gCommon->Set_Dateiname(env.Root().string() + "/probe.dat");
    gCommon->setEnable_Record(true);
    gfrmRecord->List1->addItem("probe.dat");
    gfrmRecord->List1->addItem("Fit gespeichert");
    gfrmRecord->Speichern();
    const auto file = env.Root() / "probe1" / "probe.rex";
    EXPECT_EQ(ReadFile(file), "probe.dat\r\nFit gespeichert\r\n");
    EXPECT_TRUE(gCommon->Enable_Record()) << "later actions are still logged";

    gfrmRecord->List1->clear();
    gfrmRecord->Speichern();
    EXPECT_EQ(ReadFile(file), "") << "an empty log gives an empty file";

    std::ofstream(env.Root() / "blocker") << "a file where the folder should be";
    gCommon->setOrdner((env.Root() / "blocker").string());
    gfrmRecord->List1->addItem("probe.dat");
    gfrmRecord->Speichern();
    EXPECT_GE(seam.errorWindows, 1);
    EXPECT_EQ(gError->ErrorFunction(), "RecordFile_Open");
    EXPECT_EQ(gfrmRecord->List1->count(), 1);
}

TEST_F(RecordWindowTest, OkHidesTheWindowAndKeepsItsLines)
{
    gfrmRecord->List1->addItem("probe.dat");
    gfrmRecord->show();
    QTest::mouseClick(gfrmRecord->cmdOK, Qt::LeftButton);
    EXPECT_FALSE(gfrmRecord->isVisible());
    EXPECT_EQ(Lines(), QStringList({"probe.dat"}));
}

TEST_F(RecordWindowTest, ResizingKeepsTheButtonInTheCornerBelowTheList)
{
    gfrmRecord->show();
    gfrmRecord->resize(500, 300);
    const QRect button = gfrmRecord->cmdOK->geometry();
    EXPECT_EQ(button.bottomRight(), QPoint(499, 299));
    EXPECT_EQ(gfrmRecord->List1->height(), button.top() - 2 * gfrmRecord->List1->y());

    gfrmRecord->resize(10, 10);
    EXPECT_EQ(gfrmRecord->cmdOK->geometry().topLeft(), button.topLeft()) << "a placement that does not fit is skipped";
    EXPECT_EQ(gfrmRecord->List1->width(), 10);
}
