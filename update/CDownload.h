#pragma once
// Fetches one resource by HTTP/1.0 GET over a socket object, directly or through a proxy, into
// memory and optionally into a file, following redirections and resuming a partial file. The
// owner hears of it through Starting, DataArrival, Error and Completed, in that order.
#include "update/CSocketMaster.h"
#include "update/modSocketMaster.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CDownload : public modSocketMaster::PumpClient {
public:
    static constexpr int32_t kMaxRedirects = 5;
    static constexpr size_t kMaxBodyInMemory = 16 * 1024 * 1024;
    static constexpr int32_t kDefaultTimeoutMs = 30000;
    // The whole transfer, redirections included, ends by then: a server that trickles bytes keeps
    // the silence timeout from ever running out.
    static constexpr int32_t kDefaultDeadlineMs = 60000;
    // The downloader's own error numbers; a refused reply carries its HTTP status instead.
    static constexpr int32_t errBadUrl = 40014;
    static constexpr int32_t errBadReply = 40030;
    static constexpr int32_t errTooManyRedirects = 40031;
    static constexpr int32_t errHeaderTooLong = 40032;
    static constexpr int32_t errBodyIncomplete = 40033;
    static constexpr int32_t errBodyTooLong = 40034;
    static constexpr int32_t errBodyBeyondLength = 40035;
    static constexpr int32_t errFile = 75;

    CDownload();
    ~CDownload() override;
    CDownload(const CDownload&) = delete;
    CDownload& operator=(const CDownload&) = delete;

    std::function<void(int32_t FileSize, const std::string& Header)> OnStarting;
    std::function<void(int32_t bytes)> OnDataArrival;
    std::function<void(int32_t Number, const std::string& Description)> OnError;
    std::function<void()> OnCompleted;

    std::string Proxy() const { return proxy_; }
    void setProxy(const std::string& value);
    int32_t ProxyPort() const { return proxyPort_; }
    void setProxyPort(int32_t value) { proxyPort_ = value; }
    // 0 the URL's own host; 1 a proxy asked for the whole URL; anything else a proxy asked for the path.
    int32_t AccessType() const { return accessType_; }
    void setAccessType(int32_t value) { accessType_ = value; }
    std::string URL() const { return url_; }
    void setURL(const std::string& value);
    std::string Destination() const { return destination_; }
    void setDestination(const std::string& value);
    bool DisableRedirection() const { return disableRedirection_; }
    void setDisableRedirection(bool value) { disableRedirection_ = value; }
    // The reply's Content-Length, 0 when absent and after the transfer.
    int32_t FileSize() const { return fileSize_; }
    // Every body byte received so far.
    const std::string& DownloadData() const { return downloadData_; }
    // How long connecting or a silent server may take before the transfer fails with 10060.
    void setTimeoutMs(int32_t value) { timeoutMs_ = value; }
    // How long a whole download may take before it fails with 10060; counted from Download or
    // ResumeDownload.
    void setDeadlineMs(int32_t value) { deadlineMs_ = value; }

    void Download(std::optional<std::string> url = {}, std::optional<std::string> destination = {}, bool toFile = false);
    // Continues the file at Destination: asks for the bytes after its length.
    void ResumeDownload(std::optional<std::string> url = {}, std::optional<std::string> destination = {});
    // Ends the transfer without an event.
    void Cancel() { Reset(); }

    void PumpTick(std::chrono::steady_clock::time_point now) override;

private:
    void StartDeadline();
    void StartTransfer(const std::optional<std::string>& url, const std::optional<std::string>& destination);
    void Connected();
    void DataArrived();
    bool HeaderArrived(std::string& piece);
    bool HandleBody(const std::string& piece);
    void Closed();
    bool PrepareFile();
    void RestartFile();
    void Fail(int32_t number, const std::string& description);
    void Reset();
    void Touch();

    std::string proxy_;
    int32_t proxyPort_ = 0;
    int32_t accessType_ = 0;
    std::string url_;
    std::string destination_;
    bool disableRedirection_ = false;
    bool fileMode_ = false;
    bool resume_ = false;
    int64_t resumeOffset_ = 0;
    std::string header_;
    bool headerComplete_ = false;
    std::FILE* file_ = nullptr;
    int32_t fileSize_ = 0;
    std::optional<int64_t> contentLength_;
    int64_t bodyBytes_ = 0;
    std::string downloadData_;
    int32_t redirects_ = 0;
    bool active_ = false;
    int32_t timeoutMs_ = kDefaultTimeoutMs;
    std::chrono::steady_clock::time_point deadline_;
    int32_t deadlineMs_ = kDefaultDeadlineMs;
    std::chrono::steady_clock::time_point overallDeadline_;
    std::unique_ptr<CSocketMaster> cmSocket_;
    // Sockets dropped inside their own events; released by the next pump pass.
    std::vector<std::unique_ptr<CSocketMaster>> retired_;
};
