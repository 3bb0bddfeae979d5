#include "update/CDownload.h"

#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"
#include "update/HttpReply.h"
#include "update/HttpRequest.h"
#include "update/SocketErrors.h"

#include <algorithm>
#include <filesystem>
#include <limits>

namespace {

// A text of the string table; the downloader also runs where no language was chosen.
std::string Text(int32_t number) { return gLanguage ? gLanguage->Caption(number) : std::to_string(number); }

// Milliseconds as seconds with one decimal when they need it: "60", "1.5".
std::string Seconds(int32_t milliseconds)
{
    const int32_t tenths = (milliseconds + 50) / 100;
    return std::to_string(tenths / 10) + (tenths % 10 != 0 ? "." + std::to_string(tenths % 10) : "");
}

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}

CDownload::CDownload() { modSocketMaster::AddPumpClient(this); }

CDownload::~CDownload()
{
    modSocketMaster::RemovePumpClient(this);
    if (file_) std::fclose(file_);
}

void CDownload::setProxy(const std::string& value) { proxy_ = Trimmed(value); }
void CDownload::setURL(const std::string& value) { url_ = Trimmed(value); }
void CDownload::setDestination(const std::string& value) { destination_ = Trimmed(value); }

void CDownload::Download(std::optional<std::string> url, std::optional<std::string> destination, bool toFile)
{
    Reset();
    fileMode_ = toFile;
    downloadData_.clear();
    redirects_ = 0;
    StartDeadline();
    StartTransfer(url, destination);
}

void CDownload::ResumeDownload(std::optional<std::string> url, std::optional<std::string> destination)
{
    Reset();
    // Resuming only makes sense for a file, so it writes one.
    fileMode_ = true;
    resume_ = true;
    redirects_ = 0;
    StartDeadline();
    StartTransfer(url, destination);
}

void CDownload::StartDeadline()
{
    overallDeadline_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(deadlineMs_);
}

void CDownload::Touch() { deadline_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs_); }

void CDownload::StartTransfer(const std::optional<std::string>& url, const std::optional<std::string>& destination)
{
    if (url) setURL(*url);
    if (destination) setDestination(*destination);
    if (cmSocket_) {
        cmSocket_->CloseSck();
        retired_.push_back(std::move(cmSocket_));
    }
    cmSocket_ = std::make_unique<CSocketMaster>();
    cmSocket_->OnConnect = [this] { Connected(); };
    cmSocket_->OnDataArrival = [this](int32_t) { DataArrived(); };
    cmSocket_->OnCloseSck = [this] { Closed(); };
    cmSocket_->OnError = [this](SocketErrorEvent& event) { Fail(event.Number, event.Description); };
    active_ = true;
    Touch();

    http::HostAndPort target{proxy_, proxyPort_, true};
    if (accessType_ == 0) target = http::SplitHostPort(http::HostOfUrl(url_));
    if (!target.valid) {
        Fail(errBadUrl, "Invalid URL: " + url_);
        return;
    }
    CSocketMaster* socket = cmSocket_.get();
    if (!socket->Connect(target.host, target.port)) Fail(socket->LastError().Number, socket->LastError().Description);
}

void CDownload::Connected()
{
    Touch();
    if (fileMode_ && !PrepareFile()) {
        Fail(errFile, "Cannot write " + destination_);
        return;
    }
    const std::string version = gLoader ? gLoader->Version() : "";
    const std::string user = gLoader ? gLoader->UserName() : "";
    const std::string request = http::BuildRequest(http::RequestTarget(url_, accessType_), http::HostOfUrl(url_),
                                                   version, user, resume_ ? resumeOffset_ : 0);
    if (!cmSocket_->SendData(request)) Fail(cmSocket_->LastError().Number, cmSocket_->LastError().Description);
}

void CDownload::DataArrived()
{
    Touch();
    std::string piece;
    cmSocket_->GetData(piece);
    if (!headerComplete_ && !HeaderArrived(piece)) return;
    HandleBody(piece);
}

// Collects the header; true when it is complete and accepted, with piece cut to the body's start.
bool CDownload::HeaderArrived(std::string& piece)
{
    header_ += piece;
    const size_t end = http::HeaderEnd(header_);
    if (end == std::string::npos || end > http::kMaxHeaderBytes) {
        if (header_.size() > http::kMaxHeaderBytes) Fail(errHeaderTooLong, "Reply header too long");
        return false;
    }
    headerComplete_ = true;
    piece = header_.substr(end);
    header_.resize(end);
    const http::ReplyHeader reply = http::ParseReplyHeader(header_);
    if (!reply.valid) {
        Fail(errBadReply, "Invalid reply header");
        return false;
    }
    const bool redirect = reply.status >= 300 && reply.status < 400;
    if (redirect && !disableRedirection_) {
        const std::string location = reply.Field("Location");
        if (location.empty()) {
            Fail(reply.status, "HTTP " + std::to_string(reply.status) + " " + reply.reason);
        } else if (redirects_ >= kMaxRedirects) {
            Fail(errTooManyRedirects, "Too many redirections");
        } else {
            // The scheme stays, so that a proxy gets a whole address again.
            const std::string next = location.front() == '/' ? "http://" + http::HostOfUrl(url_) + location : location;
            const int32_t redirects = redirects_ + 1;
            Reset();
            downloadData_.clear();
            redirects_ = redirects;
            StartTransfer(next, std::nullopt);
        }
        return false;
    }
    if (!redirect && (reply.status < 200 || reply.status >= 300)) {
        Fail(reply.status, "HTTP " + std::to_string(reply.status) + " " + reply.reason);
        return false;
    }
    contentLength_ = http::LeadingNumber(reply.Field("Content-Length"));
    fileSize_ = static_cast<int32_t>(std::min<int64_t>(contentLength_.value_or(0), std::numeric_limits<int32_t>::max()));
    if (resume_ && !reply.Has("Content-Range")) RestartFile();  // the server sent the whole resource
    if (OnStarting) OnStarting(fileSize_, header_);
    return true;
}

bool CDownload::HandleBody(const std::string& piece)
{
    // Bytes beyond the announced length are not the resource: the reply cannot be trusted.
    if (contentLength_ && bodyBytes_ + static_cast<int64_t>(piece.size()) > *contentLength_) {
        Fail(errBodyBeyondLength, Text(473) + ": " + std::to_string(*contentLength_));
        return false;
    }
    if (downloadData_.size() + piece.size() > kMaxBodyInMemory) {
        Fail(errBodyTooLong, "Reply body too long");
        return false;
    }
    if (file_ && std::fwrite(piece.data(), 1, piece.size(), file_) != piece.size()) {
        Fail(errFile, "Cannot write " + destination_);
        return false;
    }
    downloadData_ += piece;
    bodyBytes_ += static_cast<int64_t>(piece.size());
    if (OnDataArrival) OnDataArrival(static_cast<int32_t>(piece.size()));
    return true;
}

void CDownload::Closed()
{
    if (!headerComplete_) {
        // A reply that never had a header is a bare body; a header cut short is a failure.
        if (header_.rfind("HTTP/", 0) == 0) {
            Fail(errBadReply, "Connection closed inside the reply header");
            return;
        }
        const std::string body = std::move(header_);
        header_.clear();
        if (resume_) RestartFile();
        if (OnStarting) OnStarting(static_cast<int32_t>(body.size()), "");
        if (!HandleBody(body)) return;
    } else if (contentLength_ && bodyBytes_ < *contentLength_) {
        Fail(errBodyIncomplete, "Connection closed after " + std::to_string(bodyBytes_) + " of " +
                                    std::to_string(*contentLength_) + " bytes");
        return;
    }
    Reset();
    if (OnCompleted) OnCompleted();
}

bool CDownload::PrepareFile()
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (!fs::is_regular_file(destination_, error)) {
        resume_ = false;
    } else if (!resume_) {
        fs::remove(destination_, error);
    } else {
        resumeOffset_ = static_cast<int64_t>(fs::file_size(destination_, error));
        if (error) resumeOffset_ = 0;
    }
    file_ = std::fopen(destination_.c_str(), "ab");
    return file_ != nullptr;
}

void CDownload::RestartFile()
{
    if (!file_) return;
    std::fclose(file_);
    file_ = std::fopen(destination_.c_str(), "wb");
}

void CDownload::Fail(int32_t number, const std::string& description)
{
    Reset();
    if (OnError) OnError(number, description);
}

void CDownload::Reset()
{
    if (cmSocket_) {
        cmSocket_->CloseSck();
        retired_.push_back(std::move(cmSocket_));
    }
    if (file_) std::fclose(file_);
    file_ = nullptr;
    header_.clear();
    headerComplete_ = false;
    resume_ = false;
    resumeOffset_ = 0;
    fileMode_ = false;
    fileSize_ = 0;
    contentLength_.reset();
    bodyBytes_ = 0;
    active_ = false;
}

void CDownload::PumpTick(std::chrono::steady_clock::time_point now)
{
    retired_.clear();
    if (active_ && now > overallDeadline_)
        Fail(sockerr::TimedOut, Text(472) + " (" + Seconds(deadlineMs_) + " s)");
    else if (active_ && now > deadline_)
        Fail(sockerr::TimedOut, sockerr::ErrorText(sockerr::TimedOut));
}
