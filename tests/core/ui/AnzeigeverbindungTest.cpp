// The start waits for an X display that refuses connections for a moment (a server resetting after
// its last client left) and holds a connection while the toolkit connects; a display that never
// answers is given up, and another platform is left alone.
#include "core/ui/Anzeigeverbindung.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using namespace std::chrono_literals;

// A display on an abstract socket that starts listening only after a delay and answers every
// connection with the shortest accepted X setup reply, keeping it open until the client leaves.
class LateXServer {
public:
    explicit LateXServer(std::chrono::milliseconds delay) : number_(7000 + getpid() % 2000)
    {
        thread_ = std::thread([this, delay] { Run(delay); });
    }
    ~LateXServer()
    {
        stop_ = true;
        thread_.join();
    }
    std::string Display() const { return ":" + std::to_string(number_); }
    int Connections() const { return connections_; }
    // False when the display's name could not be taken.
    bool WaitUntilListening() const
    {
        while (!listening_ && !failed_) std::this_thread::sleep_for(5ms);
        return listening_;
    }

private:
    void Run(std::chrono::milliseconds delay)
    {
        std::this_thread::sleep_for(delay);
        const int listener = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string name = "/tmp/.X11-unix/X" + std::to_string(number_);
        std::memcpy(address.sun_path + 1, name.data(), name.size());  // abstract: a leading zero byte
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
        if (bind(listener, reinterpret_cast<sockaddr*>(&address), length) != 0 || listen(listener, 8) != 0) {
            failed_ = true;
            close(listener);
            return;
        }
        listening_ = true;
        int client = -1;
        while (!stop_) {
            if (client < 0 && (client = accept(listener, nullptr, nullptr)) >= 0) {
                ++connections_;
                char request[64];
                if (read(client, request, sizeof request) <= 0) continue;
                // Success, protocol 11.0, 8 words of data: no vendor, formats or screens.
                unsigned char reply[40] = {1, 0, 11, 0, 0, 0, 8, 0};
                if (write(client, reply, sizeof reply) != sizeof reply) continue;
            }
            std::this_thread::sleep_for(5ms);
        }
        if (client >= 0) close(client);
        close(listener);
    }

    int number_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> listening_{false};
    std::atomic<bool> failed_{false};
    std::atomic<int> connections_{0};
    std::thread thread_;
};

class DisplayConnection : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"DISPLAY", "QT_QPA_PLATFORM"})
            saved_.emplace_back(name, std::getenv(name) ? std::getenv(name) : "");
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
    void TearDown() override
    {
        for (const auto& [name, value] : saved_) setenv(name.c_str(), value.c_str(), 1);
    }
    std::vector<std::pair<std::string, std::string>> saved_;
};

}

TEST_F(DisplayConnection, ADisplayThatRefusesForAMomentIsWaitedForAndHeld)
{
    LateXServer server(300ms);
    setenv("DISPLAY", server.Display().c_str(), 1);
    {
        const Anzeigeverbindung held(5s);
        EXPECT_TRUE(held.Gehalten());
        EXPECT_EQ(server.Connections(), 1);
    }
}

TEST_F(DisplayConnection, ADisplayThatNeverAnswersIsGivenUpAndAnotherPlatformIsLeftAlone)
{
    setenv("DISPLAY", ":6999", 1);
    EXPECT_FALSE(Anzeigeverbindung(100ms).Gehalten());

    LateXServer server(0ms);
    setenv("DISPLAY", server.Display().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ASSERT_TRUE(server.WaitUntilListening());
    EXPECT_FALSE(Anzeigeverbindung(1s).Gehalten());
    EXPECT_EQ(server.Connections(), 0);
}
