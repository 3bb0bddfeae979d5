#include "update/CSocketMaster.h"

#include "core/UiSeam.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "update/SocketErrors.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int32_t kOutOfMemory = 7;
// The largest UDP payload over IPv4.
constexpr int32_t kMaxDatagram = 65507;

std::string TextOf(int32_t number)
{
    switch (number) {
    case sockerr::InvalidOperation: return "Invalid operation at current state";
    case sockerr::BadArgument:
        return "The argument passed to a function was not in the correct format or in the specified range.";
    case sockerr::UnsupportedType: return "Unsupported variant type.";
    case sockerr::WrongProtocolOrState:
        return "Wrong protocol or connection state for the requested transaction or request";
    case kOutOfMemory: return "Out of memory";
    default: return sockerr::ErrorText(number);
    }
}

int32_t LastSystemError() { return sockerr::FromErrno(errno); }

bool IsPort(int32_t value) { return value >= 0 && value <= 65535; }

sockaddr_in Endpoint(uint32_t address, int32_t port)
{
    sockaddr_in end{};
    end.sin_family = AF_INET;
    end.sin_port = htons(static_cast<uint16_t>(port));
    end.sin_addr.s_addr = address;
    return end;
}

}

CSocketMaster::CSocketMaster() { modSocketMaster::InitiateProcesses(); }

CSocketMaster::~CSocketMaster()
{
    CancelLookups();
    // A holder's socket belongs to the object that accepted it.
    if (!acceptHolder_ && socket_ != -1) {
        ::close(socket_);
        modSocketMaster::UnregisterSocket(socket_);
    }
    modSocketMaster::FinalizeProcesses();
}

bool CSocketMaster::Refuse(int32_t number, const std::string& source, const std::string& description)
{
    lastError_ = {number, description.empty() ? TextOf(number) : description, source};
    if (gError) {
        const size_t dot = source.find('.');
        gError->ErrorMsg(source.substr(0, dot), dot == std::string::npos ? "" : source.substr(dot + 1), true, number,
                         lastError_.Description);
    }
    return false;
}

void CSocketMaster::ReportAsync(int32_t number, const std::string& source)
{
    SetState(sckError);
    SocketErrorEvent event{number, TextOf(number), 0, source, "", 0, true};
    lastError_ = {number, event.Description, source};
    if (OnError) OnError(event);
    if (!event.CancelDisplay) zelo::Ui().MsgBox(event.Description, zelo::MsgButtons::OK, zelo::MsgIcon::None, source);
}

void CSocketMaster::SetState(int32_t state)
{
    state_ = state;
    if (OnStateChanged) OnStateChanged(state);
}

int32_t CSocketMaster::WantedEvents() const
{
    using namespace modSocketMaster;
    switch (state_) {
    case sckOpen: return protocol_ == sckUDPProtocol ? EventRead : 0;
    case sckListening: return EventAccept;
    case sckConnecting: return EventConnect;
    case sckConnected: return EventRead | (sendOffset_ < sendBuffer_.size() ? EventWrite : 0);
    default: return 0;
    }
}

void CSocketMaster::WndProc(uint32_t uMsg, int32_t wParam, int32_t lParam)
{
    if (uMsg == modSocketMaster::LookupMessage) LookupEnded(wParam, modSocketMaster::HighWord(lParam));
    else if (uMsg == modSocketMaster::SocketMessage) PostSocket(modSocketMaster::LowWord(lParam), modSocketMaster::HighWord(lParam));
}

bool CSocketMaster::setRemotePort(int32_t value)
{
    if (protocol_ == sckTCPProtocol && state_ != sckClosed) return Refuse(sockerr::InvalidOperation, "CSocketMaster.RemotePort");
    if (!IsPort(value)) return Refuse(sockerr::BadArgument, "CSocketMaster.RemotePort");
    remotePort_ = value;
    return true;
}

bool CSocketMaster::setRemoteHost(const std::string& value)
{
    if (protocol_ == sckTCPProtocol && state_ != sckClosed) return Refuse(sockerr::InvalidOperation, "CSocketMaster.RemoteHost");
    remoteHost_ = value;
    return true;
}

bool CSocketMaster::setLocalPort(int32_t value)
{
    if (state_ != sckClosed) return Refuse(sockerr::InvalidOperation, "CSocketMaster.LocalPort");
    if (!IsPort(value)) return Refuse(sockerr::BadArgument, "CSocketMaster.LocalPort");
    localPort_ = value;
    return true;
}

bool CSocketMaster::setProtocol(int32_t value)
{
    if (state_ != sckClosed) return Refuse(sockerr::InvalidOperation, "CSocketMaster.Protocol");
    protocol_ = value == sckUDPProtocol ? sckUDPProtocol : sckTCPProtocol;
    return true;
}

std::string CSocketMaster::LocalHostName()
{
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) {
        Refuse(LastSystemError(), "CSocketMaster.GetLocalHostName");
        return "";
    }
    return name;
}

std::string CSocketMaster::LocalIP()
{
    if (state_ == sckConnected) return localAddress_;
    uint32_t address = 0;
    const int32_t error = modSocketMaster::ResolveNow(LocalHostName(), address);
    if (error != 0) {
        Refuse(error, "CSocketMaster.GetLocalIP");
        return "";
    }
    return modSocketMaster::DottedAddress(address);
}

int32_t CSocketMaster::BytesReceived() const
{
    return protocol_ == sckTCPProtocol ? static_cast<int32_t>(receiveBuffer_.size()) : DatagramSize();
}

int32_t CSocketMaster::DatagramSize() const
{
    int waiting = 0;
    if (socket_ == -1 || ioctl(socket_, FIONREAD, &waiting) != 0) return 0;
    return waiting;
}

bool CSocketMaster::SocketExists()
{
    if (socket_ != -1) return true;
    const int type = protocol_ == sckTCPProtocol ? SOCK_STREAM : SOCK_DGRAM;
    const int made = ::socket(AF_INET, type | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (made < 0) {
        ReportAsync(LastSystemError(), "CSocketMaster.SocketExists");
        return false;
    }
    socket_ = made;
    if (!ProcessOptions()) return false;
    return modSocketMaster::RegisterSocket(socket_, this);
}

bool CSocketMaster::ProcessOptions()
{
    if (protocol_ == sckUDPProtocol) {
        const int on = 1;
        if (setsockopt(socket_, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) != 0)
            return Refuse(LastSystemError(), "CSocketMaster.ProcessOptions");
        sendChunk_ = receiveChunk_ = kMaxDatagram;
        return true;
    }
    int receive = 0, send = 0;
    socklen_t length = sizeof receive;
    if (getsockopt(socket_, SOL_SOCKET, SO_RCVBUF, &receive, &length) != 0) return Refuse(LastSystemError(), "CSocketMaster.ProcessOptions");
    length = sizeof send;
    if (getsockopt(socket_, SOL_SOCKET, SO_SNDBUF, &send, &length) != 0) return Refuse(LastSystemError(), "CSocketMaster.ProcessOptions");
    receiveChunk_ = std::max(receive, 1);
    sendChunk_ = std::max(send, 1);
    return true;
}

bool CSocketMaster::Bind(std::optional<int32_t> localPort, const std::string& localIP)
{
    if (state_ != sckClosed) return Refuse(sockerr::InvalidOperation, "CSocketMaster.Bind");
    if (!BindInternal(localPort, localIP)) return false;
    SetState(sckOpen);
    return true;
}

bool CSocketMaster::BindInternal(std::optional<int32_t> port, const std::string& address)
{
    if (state_ == sckOpen) return true;
    const int32_t wanted = port.value_or(localPort_);
    if (!IsPort(wanted)) return Refuse(sockerr::BadArgument, "CSocketMaster.BindInternal");
    uint32_t local = INADDR_ANY;
    if (modSocketMaster::ResolveNow(address, local) != 0)
        return Refuse(sockerr::BadArgument, "CSocketMaster.BindInternal", "Invalid argument");
    if (!SocketExists()) return false;
    const sockaddr_in end = Endpoint(local, wanted);
    if (::bind(socket_, reinterpret_cast<const sockaddr*>(&end), sizeof end) != 0)
        return Refuse(LastSystemError(), "CSocketMaster.BindInternal");
    if (wanted != 0) {
        localPort_ = wanted;
        return true;
    }
    sockaddr_in chosen{};
    socklen_t length = sizeof chosen;
    if (getsockname(socket_, reinterpret_cast<sockaddr*>(&chosen), &length) != 0)
        return Refuse(LastSystemError(), "CSocketMaster.BindInternal");
    boundPort_ = ntohs(chosen.sin_port);
    return true;
}

bool CSocketMaster::Connect(std::optional<std::string> remoteHost, std::optional<int32_t> remotePort)
{
    if (state_ != sckClosed) return Refuse(sockerr::InvalidOperation, "CSocketMaster.Connect");
    if (remotePort && (*remotePort < 1 || *remotePort > 65535)) return Refuse(sockerr::BadArgument, "CSocketMaster.Connect");
    if (remoteHost) remoteHost_ = *remoteHost;
    if (remotePort) remotePort_ = *remotePort;
    if (!SocketExists() || !BindInternal({}, "")) return false;
    if (protocol_ == sckUDPProtocol) {
        // Connecting a datagram socket only fixes the peer of SendData.
        SetState(sckOpen);
        return true;
    }
    return ResolveAndConnect();
}

bool CSocketMaster::ResolveAndConnect()
{
    in_addr dotted{};
    if (inet_pton(AF_INET, remoteHost_.c_str(), &dotted) == 1) return ConnectToIP(dotted.s_addr, true);
    SetState(sckResolvingHost);
    const int32_t handle = modSocketMaster::StartLookup(remoteHost_, this);
    if (handle == 0) {
        ReportAsync(sockerr::HostNotFound, "CSocketMaster.ResolveIfHostname");
        return true;
    }
    pendingLookups_.push_back(handle);
    return true;
}

void CSocketMaster::LookupEnded(int32_t handle, int32_t error)
{
    std::erase(pendingLookups_, handle);
    const uint32_t address = modSocketMaster::LookupAddress(handle);
    modSocketMaster::RemoveLookup(handle);
    if (state_ != sckResolvingHost) return;  // closed meanwhile
    if (error != 0) {
        ReportAsync(error, "CSocketMaster.ConnectToIP");
        return;
    }
    SetState(sckHostResolved);
    ConnectToIP(address, false);
}

bool CSocketMaster::ConnectToIP(uint32_t address, bool callerWaits)
{
    SetState(sckConnecting);
    const sockaddr_in end = Endpoint(address, remotePort_);
    // Success and "in progress" alike end in the connect notification.
    if (::connect(socket_, reinterpret_cast<const sockaddr*>(&end), sizeof end) == 0 || errno == EINPROGRESS) return true;
    const int32_t error = LastSystemError();
    if (error == sockerr::AddressNotAvailable && callerWaits) return Refuse(error, "CSocketMaster.ConnectToIP");
    ReportAsync(error, "CSocketMaster.ConnectToIP");
    return true;
}

void CSocketMaster::PostSocket(int32_t event, int32_t error)
{
    if (error != 0) {
        ReportAsync(error, "CSocketMaster.PostSocket");
        return;
    }
    switch (event) {
    case modSocketMaster::EventRead: ReadNotification(); break;
    case modSocketMaster::EventWrite:
        if (state_ == sckConnected && sendOffset_ < sendBuffer_.size()) {
            if (protocol_ == sckTCPProtocol) SendBufferTcp();
            else SendBufferUdp();
        }
        break;
    case modSocketMaster::EventAccept:
        if (state_ == sckListening) AcceptNotification();
        break;
    case modSocketMaster::EventConnect:
        if (state_ != sckConnecting) break;
        ReadEndPoints();
        SetState(sckConnected);
        if (OnConnect) OnConnect();
        break;
    case modSocketMaster::EventClose:
        if (state_ != sckConnected) break;
        SetState(sckClosing);
        if (OnCloseSck) OnCloseSck();
        break;
    default: break;
    }
}

void CSocketMaster::ReadNotification()
{
    if (protocol_ == sckUDPProtocol) {
        if (state_ != sckOpen) return;
        const int32_t size = DatagramSize();
        const uint64_t taken = datagramsTaken_;
        if (size > 0 && OnDataArrival) OnDataArrival(size);
        // A datagram the handler left unread is dropped, so that the next one can arrive.
        char dropped = 0;
        if (socket_ != -1 && datagramsTaken_ == taken) ::recv(socket_, &dropped, 1, MSG_DONTWAIT);
        return;
    }
    if (state_ != sckConnected) return;
    const int32_t received = RecvDataToBuffer();
    if (received > 0) {
        if (OnDataArrival) OnDataArrival(static_cast<int32_t>(receiveBuffer_.size()));
    } else if (received == 0) {
        // The peer's orderly close shows as a read of nothing.
        SetState(sckClosing);
        if (OnCloseSck) OnCloseSck();
    }
}

int32_t CSocketMaster::RecvDataToBuffer()
{
    std::string chunk(static_cast<size_t>(receiveChunk_), '\0');
    const ssize_t count = ::recv(socket_, chunk.data(), chunk.size(), 0);
    if (count >= 0) {
        receiveBuffer_.append(chunk.data(), static_cast<size_t>(count));
        return static_cast<int32_t>(count);
    }
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return -1;
    ReportAsync(LastSystemError(), "CSocketMaster.RecvDataToBuffer");
    return -1;
}

void CSocketMaster::ReadEndPoints()
{
    sockaddr_in end{};
    socklen_t length = sizeof end;
    if (getsockname(socket_, reinterpret_cast<sockaddr*>(&end), &length) == 0) {
        boundPort_ = ntohs(end.sin_port);
        localAddress_ = modSocketMaster::DottedAddress(end.sin_addr.s_addr);
    }
    length = sizeof end;
    if (getpeername(socket_, reinterpret_cast<sockaddr*>(&end), &length) == 0) {
        remotePort_ = ntohs(end.sin_port);
        remoteHostIP_ = modSocketMaster::DottedAddress(end.sin_addr.s_addr);
        remoteHost_.clear();
    }
}

void CSocketMaster::AcceptNotification()
{
    const int accepted = ::accept4(socket_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (accepted < 0) {
        if (errno != EAGAIN && errno != EWOULDBLOCK) ReportAsync(LastSystemError(), "CSocketMaster.PostSocket");
        return;
    }
    modSocketMaster::AddAccept(accepted);
    const int32_t savedPort = remotePort_;
    const std::string savedIP = remoteHostIP_, savedHost = remoteHost_;
    sockaddr_in peer{};
    socklen_t length = sizeof peer;
    if (getpeername(accepted, reinterpret_cast<sockaddr*>(&peer), &length) == 0) {
        remotePort_ = ntohs(peer.sin_port);
        remoteHostIP_ = modSocketMaster::DottedAddress(peer.sin_addr.s_addr);
        remoteHost_.clear();
    }
    if (OnConnectionRequest) OnConnectionRequest(accepted);
    if (state_ == sckListening) {
        remotePort_ = savedPort;
        remoteHostIP_ = savedIP;
        remoteHost_ = savedHost;
    }
    // Nobody took the connection during the event: it is closed.
    if (modSocketMaster::IsAccepted(accepted)) {
        ::close(accepted);
        modSocketMaster::UnregisterSocket(accepted);
        modSocketMaster::RemoveAccept(accepted);
    }
}

bool CSocketMaster::SendData(const std::string& data)
{
    if (protocol_ == sckUDPProtocol) {
        if (!SocketExists() || !BindInternal({}, "")) return false;
        SetState(sckOpen);
    } else if (state_ != sckConnected) {
        return Refuse(sockerr::WrongProtocolOrState, "CSocketMaster.SendData");
    }
    if (data.empty()) return true;
    const bool wasEmpty = sendOffset_ >= sendBuffer_.size();
    sendBuffer_ += data;
    if (!wasEmpty) return true;  // the write notification goes on with it
    if (protocol_ == sckTCPProtocol) SendBufferTcp();
    else return SendBufferUdp();
    return true;
}

bool CSocketMaster::SendBufferUdp()
{
    uint32_t address = 0;
    const int32_t error = modSocketMaster::ResolveNow(remoteHost_, address);
    const std::string datagram = sendBuffer_.substr(sendOffset_);
    sendBuffer_.clear();
    sendOffset_ = 0;
    if (error != 0 || address == 0) {
        if (error == sockerr::AddressFamily) return Refuse(error, "CSocketMaster.SendBufferUdp");
        return Refuse(sockerr::BadArgument, "CSocketMaster.SendBufferUdp", "Invalid argument");
    }
    const sockaddr_in end = Endpoint(address, remotePort_);
    if (::sendto(socket_, datagram.data(), datagram.size(), MSG_NOSIGNAL, reinterpret_cast<const sockaddr*>(&end),
                 sizeof end) < 0)
        ReportAsync(LastSystemError(), "CSocketMaster.SendBufferUdp");
    return true;
}

void CSocketMaster::SendBufferTcp()
{
    int32_t sent = 0;
    while (socket_ != -1 && sendOffset_ < sendBuffer_.size()) {
        const size_t left = sendBuffer_.size() - sendOffset_;
        const ssize_t count = ::send(socket_, sendBuffer_.data() + sendOffset_,
                                     std::min(left, static_cast<size_t>(sendChunk_)), MSG_NOSIGNAL);
        if (count > 0) {
            sent += static_cast<int32_t>(count);
            sendOffset_ += static_cast<size_t>(count);
            if (sendOffset_ < sendBuffer_.size()) continue;
            sendBuffer_.clear();
            sendOffset_ = 0;
            if (OnSendProgress) OnSendProgress(sent, 0);
            sent = 0;
            if (OnSendComplete) OnSendComplete();
            continue;  // a handler may have sent more
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            // Drop what went out, so that a long buffer is not moved for every chunk.
            sendBuffer_.erase(0, sendOffset_);
            sendOffset_ = 0;
            if (sent >= 1 && OnSendProgress) OnSendProgress(sent, static_cast<int32_t>(sendBuffer_.size()));
            return;
        }
        ReportAsync(LastSystemError(), "CSocketMaster.SendBufferTcp");
        return;
    }
}

bool CSocketMaster::CanRead(const char* source)
{
    const bool readable = protocol_ == sckTCPProtocol ? state_ == sckConnected || acceptHolder_ : state_ == sckOpen;
    return readable ? true : Refuse(sockerr::WrongProtocolOrState, source);
}

bool CSocketMaster::TakeBytes(std::string& bytes, size_t count, bool peek, const char* source)
{
    if (protocol_ == sckTCPProtocol) {
        bytes = receiveBuffer_.substr(0, count);
        if (!peek) receiveBuffer_.erase(0, count);
        return true;
    }
    std::string datagram(static_cast<size_t>(std::max(DatagramSize(), 1)), '\0');
    sockaddr_in sender{};
    socklen_t length = sizeof sender;
    const ssize_t got = ::recvfrom(socket_, datagram.data(), datagram.size(), MSG_DONTWAIT | (peek ? MSG_PEEK : 0),
                                   reinterpret_cast<sockaddr*>(&sender), &length);
    if (got < 0) return Refuse(LastSystemError(), source);
    if (!peek) ++datagramsTaken_;
    remotePort_ = ntohs(sender.sin_port);
    remoteHostIP_ = modSocketMaster::DottedAddress(sender.sin_addr.s_addr);
    remoteHost_.clear();
    bytes = datagram.substr(0, std::min(count, static_cast<size_t>(got)));
    return true;
}

bool CSocketMaster::ReadText(std::string& data, std::optional<int32_t> maxLen, bool peek)
{
    if (!CanRead(peek ? "CSocketMaster.PeekData" : "CSocketMaster.GetData")) return false;
    if (protocol_ == sckUDPProtocol && DatagramSize() == 0) return true;
    if (maxLen && *maxLen < 0) return Refuse(sockerr::BadArgument, peek ? "CSocketMaster.PeekData" : "CSocketMaster.GetData");
    const auto available = static_cast<size_t>(BytesReceived());
    if (maxLen && (*maxLen == 0 || available == 0)) {
        data.clear();
        if (protocol_ == sckUDPProtocol) {
            char dropped = 0;
            ::recv(socket_, &dropped, 1, MSG_DONTWAIT);
            ++datagramsTaken_;
            return Refuse(sockerr::MessageTooLong, "CSocketMaster.RecvData");
        }
        return true;
    }
    const size_t count = maxLen ? std::min(available, static_cast<size_t>(*maxLen)) : available;
    return TakeBytes(data, count, peek, "CSocketMaster.RecvData");
}

bool CSocketMaster::Listen()
{
    if (state_ != sckClosed && state_ != sckOpen) return Refuse(sockerr::InvalidOperation, "CSocketMaster.Listen");
    if (!SocketExists() || !BindInternal({}, "")) return false;
    if (::listen(socket_, 5) != 0) return Refuse(LastSystemError(), "CSocketMaster.Listen");
    SetState(sckListening);
    return true;
}

bool CSocketMaster::Accept(int32_t requestID)
{
    if (state_ != sckClosed) return Refuse(sockerr::InvalidOperation, "CSocketMaster.Accept");
    protocol_ = sckTCPProtocol;
    socket_ = requestID;
    ProcessOptions();
    if (!modSocketMaster::IsAccepted(requestID)) {
        if (modSocketMaster::IsSocketRegistered(requestID)) {
            socket_ = -1;
            sendChunk_ = receiveChunk_ = 0;
            return Refuse(sockerr::WrongProtocolOrState, "CSocketMaster.Accept");
        }
        // Holds the connection until a user object takes it.
        acceptHolder_ = true;
        SetState(sckConnected);
        ReadEndPoints();
        return modSocketMaster::RegisterSocket(socket_, this);
    }
    std::unique_ptr<CSocketMaster> holder = modSocketMaster::TakeAccepted(requestID);
    ReadEndPoints();
    SetState(sckConnected);
    if (holder->BytesReceived() > 0) {
        std::string early;
        holder->GetData(early);
        receiveBuffer_ += early;
    }
    modSocketMaster::ChangeSocketOwner(requestID, this);
    if (!receiveBuffer_.empty() && OnDataArrival) OnDataArrival(static_cast<int32_t>(receiveBuffer_.size()));
    if (holder->State() == sckClosing) {
        SetState(sckClosing);
        if (OnCloseSck) OnCloseSck();
    }
    return true;
}

void CSocketMaster::CloseSck()
{
    if (socket_ == -1) return;
    SetState(sckClosing);
    CancelLookups();
    DestroySocket();
    boundPort_ = 0;
    remoteHostIP_.clear();
    receiveBuffer_.clear();
    sendBuffer_.clear();
    sendOffset_ = 0;
    sendChunk_ = receiveChunk_ = 0;
    SetState(sckClosed);
}

void CSocketMaster::CancelLookups()
{
    for (int32_t handle : pendingLookups_) modSocketMaster::RemoveLookup(handle);
    pendingLookups_.clear();
}

void CSocketMaster::DestroySocket()
{
    if (::close(socket_) != 0 && errno != EINTR) {
        SetState(sckError);
        Refuse(LastSystemError(), "CSocketMaster.DestroySocket");
        return;
    }
    modSocketMaster::UnregisterSocket(socket_);
    socket_ = -1;
}
