// The downloader on whole replies from a server on 127.0.0.1: status line, header fields, body,
// redirections, a connection cut anywhere. The first byte picks the mode (memory, file, resumed
// file) and how the replies are cut into pieces; the rest holds up to six replies separated by
// "\0\0\0\0", connection n getting reply n (the last again when there are fewer). The downloader
// goes through a proxy on that server, so that no address in a reply leads anywhere else.
#include "FuzzWelt.h"

#include "update/CDownload.h"
#include "update/HttpReply.h"
#include "update/modSocketMaster.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

class Server {
public:
    Server()
    {
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        const int on = 1;
        setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in end{};
        end.sin_family = AF_INET;
        end.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof end;
        if (bind(listener_, reinterpret_cast<sockaddr*>(&end), sizeof end) != 0 || listen(listener_, 16) != 0) std::abort();
        getsockname(listener_, reinterpret_cast<sockaddr*>(&end), &length);
        port_ = ntohs(end.sin_port);
        fcntl(listener_, F_SETFL, O_NONBLOCK);
    }
    int Port() const { return port_; }

    // Starts a new exchange: the replies for the next connections.
    void Replies(std::vector<std::string> replies, size_t piece)
    {
        Close();
        replies_ = std::move(replies);
        piece_ = piece;
        connections_ = 0;
    }
    int Connections() const { return connections_; }

    // One step of the server: takes a waiting connection, reads its request, then sends its reply
    // piece by piece and closes the sending side.
    void Step()
    {
        const int client = accept(listener_, nullptr, nullptr);
        if (client >= 0) {
            Close();
            fcntl(client, F_SETFL, O_NONBLOCK);
            // Small pieces go out at once, not after the peer's delayed acknowledgement.
            const int on = 1;
            setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
            client_ = client;
            request_.clear();
            sent_ = 0;
            reply_ = replies_.empty() ? "" : replies_[std::min<size_t>(static_cast<size_t>(connections_), replies_.size() - 1)];
            ++connections_;
        }
        if (client_ < 0) return;
        char buffer[4096];
        const ssize_t got = recv(client_, buffer, sizeof buffer, 0);
        if (got > 0) request_.append(buffer, static_cast<size_t>(got));
        if (request_.find("\r\n\r\n") == std::string::npos || sent_ > reply_.size()) return;
        if (sent_ < reply_.size()) {
            const size_t count = std::min(piece_, reply_.size() - sent_);
            const ssize_t put = send(client_, reply_.data() + sent_, count, MSG_NOSIGNAL);
            if (put > 0) sent_ += static_cast<size_t>(put);
            if (put < 0 && errno != EAGAIN) sent_ = reply_.size();
        }
        if (sent_ == reply_.size()) {
            shutdown(client_, SHUT_WR);
            ++sent_;
        }
    }

    void Close()
    {
        if (client_ >= 0) close(client_);
        client_ = -1;
    }

private:
    int listener_ = -1;
    int port_ = 0;
    int client_ = -1;
    std::vector<std::string> replies_;
    size_t piece_ = 1;
    int connections_ = 0;
    std::string request_;
    std::string reply_;
    size_t sent_ = 0;
};

std::vector<std::string> Replies(std::string_view text)
{
    std::vector<std::string> replies;
    while (replies.size() < 5) {
        const size_t cut = text.find(std::string_view("\0\0\0\0", 4));
        if (cut == std::string_view::npos) break;
        replies.emplace_back(text.substr(0, cut));
        text.remove_prefix(cut + 4);
    }
    replies.emplace_back(text);
    return replies;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    FuzzWelt& welt = FuzzWelt::Get();
    welt.Neu();
    static Server server;
    const int mode = data[0] % 3;
    static constexpr size_t kPieces[] = {1 << 20, 16, 1 << 20, 3};
    server.Replies(Replies(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1)), kPieces[(data[0] / 3) % 4]);

    const std::string ziel = (welt.env.Root() / "download.txt").string();
    if (mode == 2) std::ofstream(ziel, std::ios::binary) << "abc";

    int ende = 0;
    bool fertig = false;
    std::string kopf;
    CDownload download;
    download.OnStarting = [&](int32_t, const std::string& header) { kopf = header; };
    download.OnError = [&](int32_t, const std::string&) { ++ende; };
    download.OnCompleted = [&] {
        ++ende;
        fertig = true;
    };
    download.setTimeoutMs(1000);
    download.setDeadlineMs(2000);
    download.setProxy("127.0.0.1");
    download.setProxyPort(server.Port());
    download.setAccessType(1 + data[0] % 2);
    const std::string url = "http://www.example.org/zelo/v_zelo.txt";
    if (mode == 0) download.Download(url);
    else if (mode == 1) download.Download(url, ziel, true);
    else download.ResumeDownload(url, ziel);

    const auto bis = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (ende == 0 && std::chrono::steady_clock::now() < bis) {
        server.Step();
        modSocketMaster::Pump(0);
    }
    server.Close();
    // The downloader ends every transfer once, by its deadline at the latest.
    if (ende != 1) std::abort();
    if (server.Connections() > CDownload::kMaxRedirects + 1) std::abort();
    if (download.DownloadData().size() > CDownload::kMaxBodyInMemory) std::abort();
    // A completed reply that announced its length brought exactly that many bytes.
    if (fertig && !kopf.empty() && mode == 0) {
        const auto laenge = http::LeadingNumber(http::ParseReplyHeader(kopf).Field("Content-Length"));
        if (laenge && static_cast<int64_t>(download.DownloadData().size()) != *laenge) std::abort();
    }
    return 0;
}
