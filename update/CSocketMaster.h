#pragma once
// An event-driven TCP or UDP socket with the interface of a socket control: end points as
// properties, methods to connect, bind, listen, accept, send and read, and events that the socket
// service delivers on the event loop's thread. Refused calls return false and leave their error in
// LastError(); asynchronous failures set State 9 and arrive through OnError.
#include "update/modSocketMaster.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

struct SocketFailure {
    int32_t Number = 0;
    std::string Description;
    std::string Source;
};

// The arguments of the Error event; a handler that clears CancelDisplay gets a message box.
struct SocketErrorEvent {
    int32_t Number = 0;
    std::string Description;
    int32_t sCode = 0;
    std::string Source;
    std::string HelpFile;
    int32_t HelpContext = 0;
    bool CancelDisplay = true;
};

class CSocketMaster : public modSocketMaster::SocketOwner {
public:
    enum StateValue : int32_t {
        sckClosed = 0, sckOpen = 1, sckListening = 2, sckConnectionPending = 3, sckResolvingHost = 4,
        sckHostResolved = 5, sckConnecting = 6, sckConnected = 7, sckClosing = 8, sckError = 9
    };
    enum ProtocolValue : int32_t { sckTCPProtocol = 0, sckUDPProtocol = 1 };

    CSocketMaster();
    ~CSocketMaster() override;
    CSocketMaster(const CSocketMaster&) = delete;
    CSocketMaster& operator=(const CSocketMaster&) = delete;

    std::function<void()> OnCloseSck;
    std::function<void()> OnConnect;
    std::function<void(int32_t requestID)> OnConnectionRequest;
    std::function<void(int32_t bytesTotal)> OnDataArrival;
    std::function<void(SocketErrorEvent&)> OnError;
    std::function<void()> OnSendComplete;
    std::function<void(int32_t bytesSent, int32_t bytesRemaining)> OnSendProgress;
    // Every change of State, for whoever watches the connection's progress.
    std::function<void(int32_t state)> OnStateChanged;

    void WndProc(uint32_t uMsg, int32_t wParam, int32_t lParam) override;
    int32_t WantedEvents() const override;

    int32_t RemotePort() const { return remotePort_; }
    bool setRemotePort(int32_t value);
    std::string RemoteHost() const { return remoteHost_; }
    bool setRemoteHost(const std::string& value);
    std::string RemoteHostIP() const { return remoteHostIP_; }
    int32_t LocalPort() const { return boundPort_ != 0 ? boundPort_ : localPort_; }
    bool setLocalPort(int32_t value);
    int32_t State() const { return state_; }
    std::string LocalHostName();
    std::string LocalIP();
    int32_t BytesReceived() const;
    int32_t SocketHandle() const { return socket_; }
    std::string Tag() const { return tag_; }
    void setTag(const std::string& value) { tag_ = value; }
    int32_t Protocol() const { return protocol_; }
    bool setProtocol(int32_t value);

    void CloseSck();
    bool Connect(std::optional<std::string> remoteHost = {}, std::optional<int32_t> remotePort = {});
    bool Bind(std::optional<int32_t> localPort = {}, const std::string& localIP = "");
    // Text goes out one byte per character.
    bool SendData(const std::string& data);
    // A number goes out as its memory image (little-endian); a Boolean as 2 bytes, 0 or -1.
    template <class T>
    bool SendValue(T value)
    {
        static_assert(std::is_arithmetic_v<T>);
        if constexpr (std::is_same_v<T, bool>) return SendValue<int16_t>(value ? -1 : 0);
        std::string bytes(sizeof(T), '\0');
        std::memcpy(bytes.data(), &value, sizeof(T));
        return SendData(bytes);
    }
    // Reads text (one character per byte): all waiting bytes, or at most maxLen.
    bool GetData(std::string& data, std::optional<int32_t> maxLen = {}) { return ReadText(data, maxLen, false); }
    bool PeekData(std::string& data, std::optional<int32_t> maxLen = {}) { return ReadText(data, maxLen, true); }
    // Reads exactly the size of T; with fewer bytes waiting nothing is taken and value is left.
    template <class T>
    bool GetValue(T& value) { return ReadValue(value, false); }
    template <class T>
    bool PeekValue(T& value) { return ReadValue(value, true); }
    bool Listen();
    bool Accept(int32_t requestID);

    const SocketFailure& LastError() const { return lastError_; }

private:
    bool Refuse(int32_t number, const std::string& source, const std::string& description = "");
    void ReportAsync(int32_t number, const std::string& source);
    void SetState(int32_t state);
    bool SocketExists();
    bool ProcessOptions();
    bool BindInternal(std::optional<int32_t> port, const std::string& address);
    bool ResolveAndConnect();
    void LookupEnded(int32_t handle, int32_t error);
    bool ConnectToIP(uint32_t address, bool callerWaits);
    void PostSocket(int32_t event, int32_t error);
    void ReadNotification();
    void AcceptNotification();
    void ReadEndPoints();
    void SendBufferTcp();
    bool SendBufferUdp();
    int32_t RecvDataToBuffer();
    int32_t DatagramSize() const;
    bool CanRead(const char* source);
    bool TakeBytes(std::string& bytes, size_t count, bool peek, const char* source);
    bool ReadText(std::string& data, std::optional<int32_t> maxLen, bool peek);
    template <class T>
    bool ReadValue(T& value, bool peek)
    {
        static_assert(std::is_arithmetic_v<T>);
        constexpr size_t size = std::is_same_v<T, bool> ? 2 : sizeof(T);
        if (!CanRead(peek ? "CSocketMaster.PeekData" : "CSocketMaster.GetData")) return false;
        if (static_cast<size_t>(BytesReceived()) < size) return true;
        std::string bytes;
        if (!TakeBytes(bytes, size, peek, "CSocketMaster.RecvData")) return false;
        if constexpr (std::is_same_v<T, bool>) {
            int16_t raw = 0;
            std::memcpy(&raw, bytes.data(), 2);
            value = raw != 0;
        } else {
            std::memcpy(&value, bytes.data(), size);
        }
        return true;
    }
    void CancelLookups();
    void DestroySocket();

    int32_t socket_ = -1;
    int32_t state_ = sckClosed;
    std::string tag_;
    std::string remoteHost_;
    int32_t remotePort_ = 0;
    std::string remoteHostIP_;
    int32_t localPort_ = 0;
    int32_t boundPort_ = 0;
    std::string localAddress_;
    int32_t protocol_ = sckTCPProtocol;
    int32_t sendChunk_ = 0;
    int32_t receiveChunk_ = 0;
    std::string sendBuffer_;
    size_t sendOffset_ = 0;  // bytes of sendBuffer_ already handed over
    std::string receiveBuffer_;
    bool acceptHolder_ = false;
    uint64_t datagramsTaken_ = 0;
    std::vector<int32_t> pendingLookups_;
    SocketFailure lastError_;
};
