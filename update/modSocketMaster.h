#pragma once
// The service behind every socket object: counts the living objects, keeps which object owns which
// socket, name lookup and accepted connection, and delivers the sockets' notifications. Nothing
// waits by itself: whoever runs the event loop calls Pump, which polls the registered sockets once
// and hands each readiness to its owner as a socket message, on the calling thread.
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

class CSocketMaster;

namespace modSocketMaster {

inline constexpr uint32_t LookupMessage = 0x8000;
inline constexpr uint32_t SocketMessage = 0x8001;

// Event codes of a socket message (low 16 bits of lParam; the error code is in the high 16 bits).
enum SocketEvent : int32_t { EventRead = 1, EventWrite = 2, EventAccept = 8, EventConnect = 16, EventClose = 32 };

inline int32_t MakeLParam(int32_t event, int32_t error) { return static_cast<int32_t>((static_cast<uint32_t>(error) << 16) | (static_cast<uint32_t>(event) & 0xFFFF)); }
inline int32_t LowWord(int32_t value) { return static_cast<int32_t>(static_cast<uint32_t>(value) & 0xFFFF); }
inline int32_t HighWord(int32_t value) { return static_cast<int32_t>(static_cast<uint32_t>(value) >> 16); }

// Whoever owns a socket or a lookup.
class SocketOwner {
public:
    virtual ~SocketOwner() = default;
    // A routed message: wParam is the socket or lookup handle.
    virtual void WndProc(uint32_t uMsg, int32_t wParam, int32_t lParam) = 0;
    // The events the owner waits for now (a sum of SocketEvent); readiness is level-triggered, so
    // an owner asks only for what it can act on.
    virtual int32_t WantedEvents() const = 0;
};

// Something that needs the pump's time (timeouts, releasing objects outside their own handlers).
class PumpClient {
public:
    virtual ~PumpClient() = default;
    virtual void PumpTick(std::chrono::steady_clock::time_point now) = 0;
};

// Every socket object calls these at its creation and its release; the result is 0.
int32_t InitiateProcesses();
int32_t FinalizeProcesses();
// The number of living socket objects.
int32_t ReferenceCount();

bool RegisterSocket(int32_t socket, SocketOwner* owner);
void UnregisterSocket(int32_t socket);
bool IsSocketRegistered(int32_t socket);
void ChangeSocketOwner(int32_t socket, SocketOwner* owner);

// Accepted connections that wait for an owner: adding makes a holder object for the socket.
void AddAccept(int32_t socket);
bool IsAccepted(int32_t socket);
// Takes the holder out of the list.
std::unique_ptr<CSocketMaster> TakeAccepted(int32_t socket);
void RemoveAccept(int32_t socket);

// Starts a lookup of a host name in the background; its end arrives as a lookup message with the
// error code in the high 16 bits. Returns the lookup handle, 0 when it could not be started.
int32_t StartLookup(const std::string& name, SocketOwner* owner);
// Drops a lookup: a result that still comes is not delivered.
void RemoveLookup(int32_t handle);
// The first IPv4 address found by a finished lookup, in network byte order.
uint32_t LookupAddress(int32_t handle);

// Looks a name or a dotted address up at once; 0 or the socket error number.
int32_t ResolveNow(const std::string& name, uint32_t& address);
// The dotted text of an address in network byte order.
std::string DottedAddress(uint32_t address);

void AddPumpClient(PumpClient* client);
void RemovePumpClient(PumpClient* client);

// Polls the registered sockets once, waiting at most timeoutMs, and delivers what is ready;
// returns the number of messages delivered.
int32_t Pump(int32_t timeoutMs);

}
