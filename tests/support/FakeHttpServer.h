#pragma once
// A scripted server on 127.0.0.1 (port chosen by the system) that answers each connection with the
// next reply, piece by piece, on a thread of its own. It stops by itself after ten seconds.
#include "update/modSocketMaster.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class FakeHttpServer {
public:
    struct Reply {
        std::vector<std::string> pieces;
        bool close = true;  // false: stay connected and silent
    };
    // With repeatLast the last reply answers every further connection.
    explicit FakeHttpServer(std::vector<Reply> replies, bool repeatLast = false);
    ~FakeHttpServer();

    int Port() const { return port_; }
    std::string Url(const std::string& path = "/v_zelo.txt") const;
    std::vector<std::string> Requests() const;

private:
    void Run();

    std::vector<Reply> replies_;
    bool repeatLast_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

// Drives the socket pump until done() holds or the time runs out; returns done().
template <class Done>
bool PumpUntil(Done done, int milliseconds = 5000)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (int pass = 0; pass < 100000 && !done() && std::chrono::steady_clock::now() < end; ++pass)
        modSocketMaster::Pump(10);
    return done();
}
