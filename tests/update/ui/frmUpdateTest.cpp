#include "update/ui/frmUpdate.h"

#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "support/FakeHttpServer.h"
#include "support/Spitzenspeicher.h"
#include "support/ui/UiTestWorld.h"
#include "support/ui/Bildschirmfoto.h"
#include "update/VersionFile.h"
#include "widgets/fxbutton.h"

#include <QCoreApplication>
#include <QLabel>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

class UpdateWindowTest : public ::testing::Test, protected UiTestWorld {
protected:
    // Opens the window against a server with one reply and waits until the check has ended; shown,
    // the window is on the screen before the reply comes, as the menu opens it.
    std::unique_ptr<frmUpdate> Check(FakeHttpServer& server, bool shown = false)
    {
        gOptions->setUpdate_URL(server.Url());
        auto window = std::make_unique<frmUpdate>(nullptr);
        if (shown) window->show();
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
    foto::Ablegen(*window, "update/update_window.png");
}

TEST_F(UpdateWindowTest, AVersionWithLineBreaksKeepsTheWindowOnTheScreenWithItsOKButton)
{
    // Every kind of line break in the language fields, which are only shown; CR LF also after the
    // compared version, whose parts may end in blanks and line breaks.
    std::string breaks;
    for (const char* brk : {"\n", "\r\n", "\r", "\v", "\f", "\u0085", "\u2028", "\u2029"})
        for (int i = 0; i < 30; ++i) breaks += brk;
    std::string lines;
    for (int i = 0; i < 200; ++i) lines += "\r\n";
    FakeHttpServer server(
        {{{"HTTP/1.0 200 OK\r\n\r\nZELO v#2.33.0001" + lines + "/2.32.0880/1.0.0/1.2" + breaks + "/1.3" + breaks}}});
    auto window = Check(server);
    window->show();
    QCoreApplication::processEvents();
    foto::Ablegen(*window, "update/update_window_line_breaks.png");

    const QRect screen = window->screen()->availableGeometry();
    EXPECT_LE(window->frameGeometry().height(), screen.height());
    EXPECT_TRUE(window->cmdOK->isVisible());
    EXPECT_TRUE(window->rect().contains(window->cmdOK->geometry())) << "OK button outside the window";
    EXPECT_EQ(window->Icon(0), 110) << "the version before the line breaks is still compared";
    const QString shown = window->lblVersionOnline[0]->text();
    EXPECT_TRUE(shown.startsWith("2.33.0001 ")) << shown.left(20).toStdString();
    EXPECT_EQ(window->lblVersionOnline[3]->text().trimmed(), "1.2");
    for (int row = 0; row < frmUpdate::kRows; ++row)
        EXPECT_EQ(window->lblVersionOnline[row]->sizeHint().height(), window->lblMyVersion[row]->sizeHint().height()) << row;
}

TEST_F(UpdateWindowTest, EveryModuleNameFitsItsColumnWhenTheReplyWidensTheWindowItCameTo)
{
    // A language field with line breaks makes the online column as wide as it gets.
    std::string lines;
    for (int i = 0; i < 40; ++i) lines += "\r\n";
    FakeHttpServer server({{{"HTTP/1.0 200 OK\r\n\r\nZELO v#2.33.1/2.32.0880/1.0.0/1.2" + lines + "x/1.3"}}}, true);
    for (const int32_t language : {0, 3}) {
        gLanguage->OpenLanguageEx(language);
        auto window = Check(server, true);
        QCoreApplication::processEvents();
        if (language == 0) foto::Ablegen(*window, "update/update_window_wide_reply.png");
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || label == window->lblVersionOnline[3]) continue;
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
                << label->text().toStdString() << " language " << language;
        }
    }
}

TEST_F(UpdateWindowTest, ShowsErrorForAMissingFileAndForNoVersionText)
{
    FakeHttpServer missing({{{"HTTP/1.0 404 Not Found\r\n\r\nnothing here"}}});
    EXPECT_EQ(Check(missing)->lblWait->text(), "Error");
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "URL not found");

    FakeHttpServer noHash({{{"HTTP/1.0 200 OK\r\n\r\n2.33.0001/2.32.0880"}}});
    EXPECT_EQ(Check(noHash)->lblWait->text(), "Error");
    ASSERT_EQ(seam.messages.size(), 2u) << "the user hears why";
    EXPECT_EQ(seam.messages[1].text, gLanguage->Caption(670) + "\r\n" + gLanguage->Caption(672));

    // A server that answers with a page of its own.
    FakeHttpServer page({{{"HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<html><body bgcolor=\"#ffffff\">"
                           "Directory listing</body></html>"}}});
    auto window = Check(page);
    EXPECT_EQ(window->lblWait->text(), "Error");
    EXPECT_EQ(window->lblVersionOnline[0]->text(), "n/a");
    EXPECT_EQ(seam.errorWindows, 0);
    ASSERT_EQ(seam.messages.size(), 3u);
    EXPECT_EQ(seam.messages[2].text, gLanguage->Caption(670) + "\r\n" + gLanguage->Caption(671));
    EXPECT_EQ(seam.messages[2].icon, zelo::MsgIcon::Exclamation);
}

TEST_F(UpdateWindowTest, AnUnusableVersionFileIsToldInAPlainMessageNotAsAnInternalError)
{
    FakeHttpServer server({{{std::string("HTTP/1.0 200 OK\r\n\r\nZELO v#2.33\0.0001/2.32.0880/1.0.0/1.2/1.3", 60)}}});
    auto window = Check(server);
    EXPECT_EQ(window->lblWait->text(), "Error");
    EXPECT_EQ(seam.errorWindows, 0);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, gLanguage->Caption(470));
    EXPECT_EQ(window->lblVersionOnline[0]->text(), "n/a");
    EXPECT_EQ(window->Icon(0), 0);

    FakeHttpServer malformed({{{"HTTP/1.0 200 OK\r\n\r\nZELO v#2.33.0001/2..0880/1.0.0/1.2/1.3"}}});
    window = Check(malformed);
    EXPECT_EQ(window->lblWait->text(), "Error");
    EXPECT_EQ(seam.errorWindows, 0);
    ASSERT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(seam.messages[1].text, gLanguage->Caption(650) + "\r\n" + gLanguage->Caption(652) +
                                         " ZELO (Preview Version): \"2..0880\"");
    EXPECT_EQ(seam.messages[1].icon, zelo::MsgIcon::Exclamation);
    EXPECT_EQ(window->Icon(0), 110) << "the rows before the failure keep their results";
}

TEST_F(UpdateWindowTest, AHostileReplyIsShownAsPlainTextCutAndWithinBoundedMemory)
{
    // Anyone on the network path can answer the check: markup, a picture that would take gigabytes
    // to draw, and a field of a megabyte.
    const std::string picture = "<img src=x width=30000 height=30000>";
    const std::string huge(1 << 20, 'A');
    // ("/" separates the fields, so the markup goes without closing tags.)
    const std::string reply = "HTTP/1.0 200 OK\r\n\r\nZELO v#" + picture + "/<b>2.0.0/1.0.0/" + huge +
                              "/<table><tr><td>" + picture;
    std::string seen;
    // The window lives in a child process whose peak memory is measured; the server is made there too,
    // since its thread would not survive the fork.
    const Spitzenspeicher messung = Spitzenspeicher_Messen([&] {
        FakeHttpServer server({{{reply}}});
        auto window = Check(server);
        window->show();
        QCoreApplication::processEvents();
        const QImage bild = window->grab().toImage();
        foto::Ablegen(bild, "update/update_window_hostile.png");
        const bool drawn = !bild.isNull();
        bool plain = true;
        for (QLabel* label : window->findChildren<QLabel*>()) plain = plain && label->textFormat() == Qt::PlainText;
        const QString cut = window->lblVersionOnline[3]->text();
        return drawn && plain && window->lblVersionOnline[0]->text().toStdString() == picture &&
               window->lblVersionOnline[1]->text() == "<b>2.0.0" &&
               cut == QString(versionfile::kMaxShownChars, 'A') + QString::fromUtf8("…") &&
               window->width() < 2000;
    });
    ASSERT_TRUE(messung.gelaufen);
    EXPECT_TRUE(messung.ergebnis) << "the texts are shown as they came, the long one cut, in a window of bounded width";
    EXPECT_LT(messung.zuwachsBytes, 64 << 20) << messung.zuwachsBytes;
    std::printf("[ measured ] hostile reply: peak memory %.1f MB above the start\n", messung.zuwachsBytes / 1048576.0);
}

TEST_F(UpdateWindowTest, AFailureFromTheServerIsToldAsPlainTextCut)
{
    // The reason of an HTTP status comes from the server too.
    FakeHttpServer server({{{"HTTP/1.0 500 <b>" + std::string(5000, 'x') + "</b>\r\n\r\n"}}});
    Check(server);
    ASSERT_EQ(seam.messages.size(), 1u);
    const std::string& text = seam.messages[0].text;
    EXPECT_NE(text.find("500: HTTP 500 <b>xxx"), std::string::npos) << text.substr(0, 80);
    EXPECT_LT(text.size(), versionfile::kMaxShownChars + 100);
    EXPECT_EQ(text.substr(text.size() - std::string("…").size()), "…");
}
