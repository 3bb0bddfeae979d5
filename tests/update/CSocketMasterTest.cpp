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
    Listener()
    {
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

TEST(CSocketMaster, ConnectsByAddressAndByNameRefusesPortZeroAndReportsARefusedConnection)
{
    Listener server;
    EXPECT_EQ(ConnectAndWatch("127.0.0.1", server.port), (std::vector<int32_t>{6, 7}));
    EXPECT_EQ(ConnectAndWatch("localhost", server.port), (std::vector<int32_t>{4, 5, 6, 7}));

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

