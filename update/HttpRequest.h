#pragma once
// The client side of an HTTP/1.0 GET: the parts of a URL and the request bytes.
#include <cstdint>
#include <string>
#include <string_view>

namespace http {

// The host of a URL as it is written, with a ":port" when there is one ("example.org:8080").
std::string HostOfUrl(std::string_view url);

struct HostAndPort {
    std::string host;
    int32_t port = 80;
    bool valid = false;  // false for an empty host or a port that is not 1 to 65535
};
// Splits "host" or "host:port".
HostAndPort SplitHostPort(std::string_view hostText);

// What the request line asks for: the whole URL (accessType 1, a proxy that gets the full
// address), else the path from its first "/" on, or "/".
std::string RequestTarget(std::string_view url, int32_t accessType);

// The request bytes; a Range line only when resumeOffset is at least 1.
std::string BuildRequest(const std::string& target, const std::string& host, const std::string& version,
                         const std::string& user, int64_t resumeOffset);

}
