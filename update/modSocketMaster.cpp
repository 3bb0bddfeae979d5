#include "update/modSocketMaster.h"

#include "update/CSocketMaster.h"
#include "update/SocketErrors.h"

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <map>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <vector>

namespace modSocketMaster {

namespace {

struct Route {
    SocketOwner* owner = nullptr;
    uint64_t serial = 0;  // tells a reused socket number from the one that was polled
};

// One lookup runs on its own thread; the pump delivers its end on the event loop's thread.
struct Lookup {
    std::atomic<bool> done{false};
    int32_t error = 0;
    uint32_t address = 0;
};

struct LookupRoute {
    SocketOwner* owner = nullptr;
    std::shared_ptr<Lookup> state;
};

int32_t referenceCount = 0;
uint64_t nextSerial = 1;
int32_t nextLookup = 1;
std::map<int32_t, Route> sockets;
std::map<int32_t, std::unique_ptr<CSocketMaster>> acceptList;
std::map<int32_t, LookupRoute> lookups;
std::vector<PumpClient*> pumpClients;

void RunLookup(std::string name, std::shared_ptr<Lookup> state)
{
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    const int result = getaddrinfo(name.c_str(), nullptr, &hints, &found);
    if (result != 0 || !found) {
        state->error = sockerr::FromLookupFailure(result != 0 ? result : EAI_NONAME);
    } else {
        state->address = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    }
    if (found) freeaddrinfo(found);
    state->done.store(true, std::memory_order_release);
}

int32_t PendingError(int32_t socket)
{
    int error = 0;
    socklen_t length = sizeof error;
    if (getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &length) != 0) error = errno;
    return error == 0 ? 0 : sockerr::FromErrno(error);
}

int32_t DeliverLookups()
{
    std::vector<int32_t> finished;
    for (const auto& [handle, route] : lookups)
        if (route.state->done.load(std::memory_order_acquire)) finished.push_back(handle);
    int32_t delivered = 0;
    for (int32_t handle : finished) {
        const auto found = lookups.find(handle);
        if (found == lookups.end()) continue;  // an earlier handler removed it
        const int32_t error = found->second.state->error;
        found->second.owner->WndProc(LookupMessage, handle, MakeLParam(0, error));
        ++delivered;
    }
    return delivered;
}

// The event of one polled socket, with its error code.
std::pair<int32_t, int32_t> EventOf(int32_t socket, int32_t wanted, short revents)
{
    const bool failed = revents & (POLLERR | POLLHUP | POLLNVAL);
    if (wanted & EventConnect) return {EventConnect, PendingError(socket)};
    if ((wanted & EventAccept) && (revents & POLLIN)) return {EventAccept, 0};
    if ((wanted & EventRead) && (revents & POLLIN)) return {EventRead, 0};
    if (failed) return {EventClose, PendingError(socket)};
    if ((wanted & EventWrite) && (revents & POLLOUT)) return {EventWrite, 0};
    return {0, 0};
}

}

int32_t InitiateProcesses()
{
    ++referenceCount;
    return 0;
}

int32_t FinalizeProcesses()
{
    if (referenceCount > 0) --referenceCount;
    return 0;
}

int32_t ReferenceCount() { return referenceCount; }

bool RegisterSocket(int32_t socket, SocketOwner* owner)
{
    auto& route = sockets[socket];
    if (!route.owner) route.serial = nextSerial++;
    route.owner = owner;
    return true;
}

void UnregisterSocket(int32_t socket) { sockets.erase(socket); }

bool IsSocketRegistered(int32_t socket) { return sockets.count(socket) != 0; }

void ChangeSocketOwner(int32_t socket, SocketOwner* owner)
{
    const auto found = sockets.find(socket);
    if (found != sockets.end()) found->second.owner = owner;
}

void AddAccept(int32_t socket)
{
    auto holder = std::make_unique<CSocketMaster>();
    holder->Accept(socket);
    acceptList[socket] = std::move(holder);
}

bool IsAccepted(int32_t socket) { return acceptList.count(socket) != 0; }

std::unique_ptr<CSocketMaster> TakeAccepted(int32_t socket)
{
    const auto found = acceptList.find(socket);
    if (found == acceptList.end()) return nullptr;
    auto holder = std::move(found->second);
    acceptList.erase(found);
    return holder;
}

void RemoveAccept(int32_t socket) { acceptList.erase(socket); }

int32_t StartLookup(const std::string& name, SocketOwner* owner)
{
    auto state = std::make_shared<Lookup>();
    try {
        std::thread(RunLookup, name, state).detach();
    } catch (const std::system_error&) {
        return 0;
    }
    const int32_t handle = nextLookup++;
    lookups[handle] = {owner, state};
    return handle;
}

void RemoveLookup(int32_t handle) { lookups.erase(handle); }

uint32_t LookupAddress(int32_t handle)
{
    const auto found = lookups.find(handle);
    return found == lookups.end() ? 0 : found->second.state->address;
}

int32_t ResolveNow(const std::string& name, uint32_t& address)
{
    address = 0;
    if (name.empty()) return 0;
    in_addr dotted{};
    if (inet_pton(AF_INET, name.c_str(), &dotted) == 1) {
        address = dotted.s_addr;
        return 0;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    const int result = getaddrinfo(name.c_str(), nullptr, &hints, &found);
    if (result != 0 || !found) {
        if (found) freeaddrinfo(found);
        return sockerr::FromLookupFailure(result != 0 ? result : EAI_NONAME);
    }
    address = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    freeaddrinfo(found);
    return 0;
}

std::string DottedAddress(uint32_t address)
{
    char text[INET_ADDRSTRLEN] = {};
    in_addr value{};
    value.s_addr = address;
    inet_ntop(AF_INET, &value, text, sizeof text);
    return text;
}

void AddPumpClient(PumpClient* client)
{
    if (std::find(pumpClients.begin(), pumpClients.end(), client) == pumpClients.end()) pumpClients.push_back(client);
}

void RemovePumpClient(PumpClient* client) { std::erase(pumpClients, client); }

int32_t Pump(int32_t timeoutMs)
{
    int32_t delivered = DeliverLookups();

    std::vector<pollfd> polled;
    std::vector<std::pair<uint64_t, int32_t>> polledRoutes;  // serial and wanted events
    for (const auto& [socket, route] : sockets) {
        const int32_t wanted = route.owner ? route.owner->WantedEvents() : 0;
        if (wanted == 0) continue;
        short events = 0;
        if (wanted & (EventRead | EventAccept | EventClose)) events |= POLLIN;
        if (wanted & (EventWrite | EventConnect)) events |= POLLOUT;
        polled.push_back({socket, events, 0});
        polledRoutes.emplace_back(route.serial, wanted);
    }
    // A pending lookup is not a descriptor: wake up soon to look at it again.
    const int32_t wait = lookups.empty() || delivered > 0 ? (delivered > 0 ? 0 : timeoutMs) : std::min(timeoutMs, 5);
    const int ready = poll(polled.data(), polled.size(), wait);
    for (size_t i = 0; ready > 0 && i < polled.size(); ++i) {
        if (polled[i].revents == 0) continue;
        const auto route = sockets.find(polled[i].fd);
        // A handler before this one may have closed the socket or handed it on.
        if (route == sockets.end() || route->second.serial != polledRoutes[i].first || !route->second.owner) continue;
        const auto [event, error] = EventOf(polled[i].fd, polledRoutes[i].second, polled[i].revents);
        if (event == 0) continue;
        route->second.owner->WndProc(SocketMessage, polled[i].fd, MakeLParam(event, error));
        ++delivered;
    }

    const auto now = std::chrono::steady_clock::now();
    for (PumpClient* client : std::vector<PumpClient*>(pumpClients))
        if (std::find(pumpClients.begin(), pumpClients.end(), client) != pumpClients.end()) client->PumpTick(now);
    return delivered;
}

}
