// A server that trickles its reply byte by byte is ended by the download's deadline; a reply
// longer than its Content-Length is refused.
#include "update/CDownload.h"

#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "support/FakeHttpServer.h"
#include "support/TestWorld.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

using Reply = FakeHttpServer::Reply;

class DownloadLimits : public ::testing::Test, protected TestWorld {
protected:
    DownloadLimits()
    {
        download.OnError = [this](int32_t number, const std::string& description) {
            ende = "Error " + std::to_string(number);
            text = description;
        };
        download.OnCompleted = [this] { ende = "Completed"; };
    }
    std::string Get(const std::string& url, int milliseconds = 5000)
    {
        ende.clear();
        download.Download(url);
        PumpUntil([this] { return !ende.empty(); }, milliseconds);
        return ende;
    }

    CDownload download;
    std::string ende;
    std::string text;
};

// A reply of 200 pieces of one byte, 30 ms apart: six seconds in all, never silent for long.
Reply Getroepfelt()
{
    Reply reply{{"HTTP/1.0 200 OK\r\n\r\n"}, false};
    for (int i = 0; i < 200; ++i) reply.pieces.push_back("x");
    return reply;
}

}

TEST_F(DownloadLimits, ATricklingServerIsEndedByTheDeadlineWithAMessageNamingIt)
{
    FakeHttpServer server({Getroepfelt()});
    download.setDeadlineMs(1500);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Get(server.Url()), "Error 10060");
    const auto dauer = std::chrono::steady_clock::now() - start;
    EXPECT_GE(dauer, std::chrono::milliseconds(1400));
    EXPECT_LT(dauer, std::chrono::milliseconds(4500)) << "ended by the deadline, not by the end of the reply";
    EXPECT_EQ(text, gLanguage->Caption(472) + " (1.5 s)");
    EXPECT_LT(download.DownloadData().size(), 200u);
    EXPECT_EQ(CDownload::kDefaultDeadlineMs, 60000);
}

TEST_F(DownloadLimits, TheDeadlineCoversRedirectionsAndAQuickReplyIsUntouched)
{
    FakeHttpServer server({{{"HTTP/1.0 302 Found\r\nLocation: /weiter.txt\r\n\r\n"}}, Getroepfelt()});
    download.setDeadlineMs(1000);
    EXPECT_EQ(Get(server.Url()), "Error 10060");
    EXPECT_EQ(server.Requests().size(), 2u);

    FakeHttpServer quick({{{"HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\n", "hello"}}});
    EXPECT_EQ(Get(quick.Url()), "Completed");
    EXPECT_EQ(download.DownloadData(), "hello");
}

TEST_F(DownloadLimits, ABodyLongerThanItsContentLengthIsRefused)
{
    FakeHttpServer inOne({{{"HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhello world"}}});
    EXPECT_EQ(Get(inOne.Url()), "Error " + std::to_string(CDownload::errBodyBeyondLength));
    EXPECT_EQ(text, gLanguage->Caption(473) + ": 5");

    FakeHttpServer later({{{"HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhel", "lo", "!"}}});
    EXPECT_EQ(Get(later.Url()), "Error " + std::to_string(CDownload::errBodyBeyondLength));

    FakeHttpServer exact({{{"HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhel", "lo"}}});
    EXPECT_EQ(Get(exact.Url()), "Completed");
    EXPECT_EQ(download.DownloadData(), "hello");
}
