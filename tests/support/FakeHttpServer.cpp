#include "support/FakeHttpServer.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

bool WaitReadable(int fd, const std::atomic<bool>& stop, Clock::time_point end)
{
    while (!stop && Clock::now() < end) {
        pollfd one{fd, POLLIN, 0};
        if (poll(&one, 1, 20) > 0) return true;
    }
    return false;
}

}

FakeHttpServer::FakeHttpServer(std::vector<Reply> replies, bool repeatLast)
    : replies_(std::move(replies)), repeatLast_(repeatLast)
{
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in end{};
    end.sin_family = AF_INET;
    end.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof end;
    bind(listener_, reinterpret_cast<sockaddr*>(&end), sizeof end);
    listen(listener_, 8);
    getsockname(listener_, reinterpret_cast<sockaddr*>(&end), &length);
    port_ = ntohs(end.sin_port);
    thread_ = std::thread([this] { Run(); });
}

FakeHttpServer::~FakeHttpServer()
{
    stop_ = true;
    thread_.join();
    close(listener_);
}

std::string FakeHttpServer::Url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<std::string> FakeHttpServer::Requests() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

void FakeHttpServer::Run()
{
    const auto end = Clock::now() + std::chrono::seconds(10);
    for (size_t index = 0; index < replies_.size() || (repeatLast_ && !replies_.empty()); ++index) {
        if (!WaitReadable(listener_, stop_, end)) return;
        const int client = accept(listener_, nullptr, nullptr);
        if (client < 0) return;
        std::string request;
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos && WaitReadable(client, stop_, end)) {
            const ssize_t got = recv(client, buffer, sizeof buffer, 0);
            if (got <= 0) break;
            request.append(buffer, static_cast<size_t>(got));
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            requests_.push_back(request);
        }
        const Reply& reply = replies_[std::min(index, replies_.size() - 1)];
        for (const std::string& piece : reply.pieces) {
            send(client, piece.data(), piece.size(), MSG_NOSIGNAL);
            // Separate pieces arrive as separate reads.
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
        }
        while (!reply.close && !stop_ && Clock::now() < end) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        close(client);
    }
}
