#include "update/CDownload.h"

#include "core/clsLoader.h"
#include "core/modCommon.h"
#include "support/FakeHttpServer.h"
#include "support/TestWorld.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using Reply = FakeHttpServer::Reply;

class CDownloadTest : public ::testing::Test, protected TestWorld {
protected:
    CDownloadTest()
    {
        download.OnStarting = [this](int32_t size, const std::string&) { events.push_back("Starting " + std::to_string(size)); };
        download.OnDataArrival = [this](int32_t bytes) { events.push_back("Data " + std::to_string(bytes)); };
        download.OnError = [this](int32_t number, const std::string&) { events.push_back("Error " + std::to_string(number)); };
        download.OnCompleted = [this] { events.push_back("Completed"); };
    }

    // Downloads url and runs until the transfer has ended; the last event.
    std::string Get(const std::string& url)
    {
        events.clear();
        download.Download(url);
        return Run();
    }
    std::string Run()
    {
        PumpUntil([this] { return !events.empty() && (events.back() == "Completed" || events.back().rfind("Error", 0) == 0); });
        return events.empty() ? "" : events.back();
    }

    std::string File(const std::string& text = "")
    {
        const std::string path = (env.Root() / "partial.txt").string();
        if (!text.empty()) std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    static std::string Read(const std::string& path)
    {
        std::ostringstream text;
        text << std::ifstream(path, std::ios::binary).rdbuf();
        return text.str();
    }

    CDownload download;
    std::vector<std::string> events;
};

}

TEST_F(CDownloadTest, SendsTheRequestAndReportsAHeaderEndingWithItsPiece)
{
    FakeHttpServer server({{{"HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\n", "hello"}}});
    EXPECT_EQ(Get(server.Url("/zelo/v_zelo.txt")), "Completed");
    const std::string host = "127.0.0.1:" + std::to_string(server.Port());
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0],
              "GET /zelo/v_zelo.txt HTTP/1.0\r\n"
              "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/vnd.ms-powerpoint, "
              "application/vnd.ms-excel, application/msword, application/x-shockwave-flash, */*\r\n"
              "Referer: " + host + "\r\n"
              "User-Agent: (KPW ZeloWebUpdater - 2.32.0880-" + gLoader->UserName() + ")\r\n"
              "Host: " + host + "\r\n\r\n");
    EXPECT_EQ(events, (std::vector<std::string>{"Starting 5", "Data 0", "Data 5", "Completed"}));
    EXPECT_EQ(download.DownloadData(), "hello");
    EXPECT_EQ(download.FileSize(), 0);
}

TEST_F(CDownloadTest, FollowsALocationAndRefusesARedirectLoopFailedShortAndOversizedReplies)
{
    FakeHttpServer moved({{{"HTTP/1.0 302 Found\r\nContent-Location: /x\r\nlocation: /v2.txt\r\n\r\n"}},
                          {{"HTTP/1.0 200 OK\r\n\r\nv2"}}});
    EXPECT_EQ(Get(moved.Url()), "Completed");
    ASSERT_EQ(moved.Requests().size(), 2u);
    EXPECT_EQ(moved.Requests()[1].substr(0, 25), "GET /v2.txt HTTP/1.0\r\nAcc");
    EXPECT_EQ(download.DownloadData(), "v2");

    FakeHttpServer loop({{{"HTTP/1.0 301 Moved\r\nLocation: /again\r\n\r\n"}}}, true);
    EXPECT_EQ(Get(loop.Url()), "Error " + std::to_string(CDownload::errTooManyRedirects));
    EXPECT_EQ(loop.Requests().size(), 1u + CDownload::kMaxRedirects);

    FakeHttpServer shortBody({{{"HTTP/1.0 200 OK\r\ncontent-length: 100\r\n\r\n", std::string(50, 'b')}}});
    EXPECT_EQ(Get(shortBody.Url()), "Error " + std::to_string(CDownload::errBodyIncomplete));
    EXPECT_EQ(events.front(), "Starting 100");

    FakeHttpServer failing({{{"HTTP/1.0 500 Internal Server Error\r\n\r\noops"}}});
    EXPECT_EQ(Get(failing.Url()), "Error 500");

    FakeHttpServer endless({{{"HTTP/1.0 200 OK\r\nX: " + std::string(70 * 1024, 'h')}, false}});
    EXPECT_EQ(Get(endless.Url()), "Error " + std::to_string(CDownload::errHeaderTooLong));

    FakeHttpServer silent({{{}, false}});
    download.setTimeoutMs(300);
    EXPECT_EQ(Get(silent.Url()), "Error 10060");
}

TEST_F(CDownloadTest, ResumesWithARangeUnlessTheServerSendsEverything)
{
    FakeHttpServer ranged({{{"HTTP/1.0 206 Partial\r\nContent-Range: bytes 3-5/6\r\n\r\ndef"}}});
    download.ResumeDownload(ranged.Url(), File("abc"));
    EXPECT_EQ(Run(), "Completed");
    EXPECT_NE(ranged.Requests().at(0).find("\r\nRange: bytes=3-\r\nHost: "), std::string::npos);
    EXPECT_EQ(Read(File()), "abcdef");

    FakeHttpServer whole({{{"HTTP/1.0 200 OK\r\n\r\nabcdef"}}});
    events.clear();
    download.ResumeDownload(whole.Url(), File("xyz"));
    EXPECT_EQ(Run(), "Completed");
    EXPECT_EQ(Read(File()), "abcdef");
}
