#include "update/HttpRequest.h"

#include <cctype>

namespace http {

namespace {

constexpr std::string_view kScheme = "http://";

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::string_view WithoutScheme(std::string_view url)
{
    url = Trimmed(url);
    if (url.size() >= kScheme.size()) {
        bool same = true;
        for (size_t i = 0; i < kScheme.size() && same; ++i)
            same = std::tolower(static_cast<unsigned char>(url[i])) == kScheme[i];
        if (same) url.remove_prefix(kScheme.size());
    }
    return url;
}

}

std::string HostOfUrl(std::string_view url)
{
    const std::string_view rest = WithoutScheme(url);
    return std::string(rest.substr(0, rest.find('/')));
}

HostAndPort SplitHostPort(std::string_view hostText)
{
    HostAndPort result;
    const size_t colon = hostText.rfind(':');
    result.host = std::string(hostText.substr(0, colon));
    if (colon != std::string_view::npos) {
        const std::string_view digits = hostText.substr(colon + 1);
        if (digits.empty() || digits.size() > 5) return result;
        int32_t port = 0;
        for (char c : digits) {
            if (!std::isdigit(static_cast<unsigned char>(c))) return result;
            port = port * 10 + (c - '0');
        }
        if (port < 1 || port > 65535) return result;
        result.port = port;
    }
    result.valid = !result.host.empty();
    return result;
}

std::string RequestTarget(std::string_view url, int32_t accessType)
{
    if (accessType == 1) return std::string(Trimmed(url));
    const std::string_view rest = WithoutScheme(url);
    const size_t slash = rest.find('/');
    return slash == std::string_view::npos ? "/" : std::string(rest.substr(slash));
}

std::string BuildRequest(const std::string& target, const std::string& host, const std::string& version,
                         const std::string& user, int64_t resumeOffset)
{
    std::string request = "GET " + target + " HTTP/1.0\r\n";
    request += "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/vnd.ms-powerpoint, "
               "application/vnd.ms-excel, application/msword, application/x-shockwave-flash, */*\r\n";
    request += "Referer: " + host + "\r\n";
    request += "User-Agent: (KPW ZeloWebUpdater - " + version + "-" + user + ")\r\n";
    if (resumeOffset >= 1) request += "Range: bytes=" + std::to_string(resumeOffset) + "-\r\n";
    request += "Host: " + host + "\r\n\r\n";
    return request;
}

}
