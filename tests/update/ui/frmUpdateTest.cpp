#include "update/ui/frmUpdate.h"

#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "support/FakeHttpServer.h"
#include "support/ui/UiTestWorld.h"
#include "update/VersionFile.h"
#include "widgets/fxbutton.h"

#include <QCoreApplication>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

class UpdateWindowTest : public ::testing::Test, protected UiTestWorld {
protected:
    // Opens the window against a server with one reply and waits until the check has ended.
    std::unique_ptr<frmUpdate> Check(FakeHttpServer& server)
    {
        gOptions->setUpdate_URL(server.Url());
        auto window = std::make_unique<frmUpdate>(nullptr);
        PumpUntil([&] { return window->lblWait->text() != "Checking..."; });
        return window;
    }
};

}

TEST_F(UpdateWindowTest, MarksANewerVersionAndAnEqualOne)
{
    FakeHttpServer server({{{"HTTP/1.0 200 OK\r\n\r\nZELO v#2.33.0001/2.32.0880/1.0.0/1.2/1.3"}}});
    auto window = Check(server);
    EXPECT_EQ(window->lblWait->text(), "");
    EXPECT_EQ(window->lblVersionOnline[0]->text(), "2.33.0001");
    EXPECT_EQ(window->lblMyVersion[0]->text(), "2.32.0880");
    EXPECT_EQ(window->Icon(0), 110);
    EXPECT_TRUE(window->cmdDonwload[0]->isEnabled());
    EXPECT_EQ(window->Icon(1), 109);
    EXPECT_FALSE(window->cmdDonwload[1]->isEnabled());
    EXPECT_EQ(window->lblVersionOnline[4]->text(), "1.3");

    window->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->grab().save("update_window.png"));
}

TEST_F(UpdateWindowTest, ShowsErrorForAMissingFileAndForNoVersionText)
{
    FakeHttpServer missing({{{"HTTP/1.0 404 Not Found\r\n\r\nnothing here"}}});
    EXPECT_EQ(Check(missing)->lblWait->text(), "Error");
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "URL not found");

    FakeHttpServer noHash({{{"HTTP/1.0 200 OK\r\n\r\n2.33.0001/2.32.0880"}}});
    EXPECT_EQ(Check(noHash)->lblWait->text(), "Error");
}

TEST_F(UpdateWindowTest, AVersionFileWithZeroBytesIsReportedAsUnreadable)
{
    FakeHttpServer server({{{std::string("HTTP/1.0 200 OK\r\n\r\nZELO v#2.33\0.0001/2.32.0880/1.0.0/1.2/1.3", 60)}}});
    auto window = Check(server);
    EXPECT_EQ(window->lblWait->text(), "Error");
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_EQ(gError->ErrorNumber(), versionfile::errUnreadable);
    EXPECT_EQ(gError->ErrorDescription(), gLanguage->Caption(470));
    EXPECT_EQ(window->lblVersionOnline[0]->text(), "n/a");
    EXPECT_EQ(window->Icon(0), 0);
}
