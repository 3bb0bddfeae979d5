#include "update/CSocketMaster.h"

#include "support/FakeHttpServer.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A plain listening socket on 127.0.0.1 that never accepts by itself.
struct Listener {
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int port = 0;
    explicit Listener(int receiveBuffer = 0)
    {
        if (receiveBuffer > 0) setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
        sockaddr_in end{};
        end.sin_family = AF_INET;
        end.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof end;
        bind(fd, reinterpret_cast<sockaddr*>(&end), sizeof end);
        listen(fd, 4);
        getsockname(fd, reinterpret_cast<sockaddr*>(&end), &length);
        port = ntohs(end.sin_port);
    }
    ~Listener() { close(fd); }
};

int ConnectPlain(int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in end{};
    end.sin_family = AF_INET;
    end.sin_port = htons(static_cast<uint16_t>(port));
    end.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connect(fd, reinterpret_cast<sockaddr*>(&end), sizeof end);
    return fd;
}

std::vector<int32_t> ConnectAndWatch(const std::string& host, int port)
{
    CSocketMaster client;
    std::vector<int32_t> states;
    bool connected = false;
    client.OnStateChanged = [&](int32_t state) { states.push_back(state); };
    client.OnConnect = [&] { connected = true; };
    EXPECT_TRUE(client.Connect(host, port));
    EXPECT_TRUE(PumpUntil([&] { return connected; }));
    return states;
}

}

TEST(CSocketMaster, ConnectsByAddressAndByName)
{
    Listener server;
    EXPECT_EQ(ConnectAndWatch("127.0.0.1", server.port), (std::vector<int32_t>{6, 7}));
    EXPECT_EQ(ConnectAndWatch("localhost", server.port), (std::vector<int32_t>{4, 5, 6, 7}));
}

TEST(CSocketMaster, RefusesPortZeroAndReportsARefusedConnection)
{
    CSocketMaster client;
    EXPECT_FALSE(client.Connect("127.0.0.1", 0));
    EXPECT_EQ(client.LastError().Number, 40014);
    EXPECT_EQ(client.State(), 0);

    int closedPort = 0;
    {
        Listener gone;
        closedPort = gone.port;
    }
    SocketErrorEvent seen;
    client.OnError = [&](SocketErrorEvent& event) { seen = event; };
    ASSERT_TRUE(client.Connect("127.0.0.1", closedPort));
    ASSERT_TRUE(PumpUntil([&] { return seen.Number != 0; }));
    EXPECT_EQ(seen.Number, 10061);
    EXPECT_EQ(seen.Description, "Connection refused.");
    EXPECT_EQ(client.State(), 9);
}

TEST(CSocketMaster, ReportsProgressWhileTheServerDoesNotReadAndCompletesOnce)
{
    Listener server(4096);
    CSocketMaster client;
    bool connected = false, blocked = false;
    int finalProgress = 0, completes = 0;
    client.OnConnect = [&] { connected = true; };
    client.OnSendProgress = [&](int32_t sent, int32_t remaining) {
        EXPECT_GT(sent, 0);
        if (remaining > 0) blocked = true;
        else ++finalProgress;
    };
    client.OnSendComplete = [&] { ++completes; };
    ASSERT_TRUE(client.Connect("127.0.0.1", server.port));
    ASSERT_TRUE(PumpUntil([&] { return connected; }));
    ASSERT_TRUE(client.SendData(std::string(8 * 1024 * 1024, 'x')));
    ASSERT_TRUE(PumpUntil([&] { return blocked; }));
    EXPECT_EQ(completes, 0);

    const int peer = accept(server.fd, nullptr, nullptr);
    std::vector<char> sink(1 << 16);
    size_t drained = 0;
    PumpUntil([&] {
        ssize_t got;
        while ((got = recv(peer, sink.data(), sink.size(), MSG_DONTWAIT)) > 0) drained += static_cast<size_t>(got);
        return drained == 8u * 1024 * 1024 && completes > 0;
    }, 20000);
    close(peer);
    EXPECT_EQ(finalProgress, 1);
    EXPECT_EQ(completes, 1);
}

TEST(CSocketMaster, ListensAcceptsWithEarlyBytesAndReadsByPeekAndGet)
{
    CSocketMaster server, taker;
    ASSERT_TRUE(server.Bind(0));
    ASSERT_TRUE(server.Listen());
    ASSERT_GT(server.LocalPort(), 0);
    server.OnConnectionRequest = [&](int32_t id) { EXPECT_TRUE(taker.Accept(id)); };
    const int client = ConnectPlain(server.LocalPort());
    send(client, "early", 5, 0);
    ASSERT_TRUE(PumpUntil([&] { return taker.BytesReceived() == 5; }));
    EXPECT_EQ(taker.State(), 7);

    std::string first, second, taken;
    EXPECT_TRUE(taker.PeekData(first));
    EXPECT_TRUE(taker.PeekData(second));
    EXPECT_EQ(first, "early");
    EXPECT_EQ(second, "early");
    int32_t tooBig = 7;
    EXPECT_TRUE(taker.GetValue(tooBig));  // four of five bytes: a 32-bit value is taken
    EXPECT_TRUE(taker.GetData(taken));
    EXPECT_EQ(taken, "y");
    EXPECT_EQ(taker.BytesReceived(), 0);
    close(client);
}

TEST(CSocketMaster, ReceivesTwoDatagrams)
{
    CSocketMaster receiver, sender;
    ASSERT_TRUE(receiver.setProtocol(CSocketMaster::sckUDPProtocol));
    ASSERT_TRUE(receiver.Bind(0, "127.0.0.1"));
    ASSERT_TRUE(sender.setProtocol(CSocketMaster::sckUDPProtocol));
    ASSERT_TRUE(sender.setRemoteHost("127.0.0.1"));
    ASSERT_TRUE(sender.setRemotePort(receiver.LocalPort()));
    std::vector<std::string> received;
    receiver.OnDataArrival = [&](int32_t) {
        std::string datagram;
        receiver.GetData(datagram);
        received.push_back(datagram);
    };
    ASSERT_TRUE(sender.SendData("one"));
    ASSERT_TRUE(sender.SendData("two"));
    ASSERT_TRUE(PumpUntil([&] { return received.size() == 2; }));
    EXPECT_EQ(received, (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(receiver.RemotePort(), sender.LocalPort());
}
