// The reply header parser and the URL splitting on any bytes: each keeps the promises its header makes.
#include "update/HttpReply.h"
#include "update/HttpRequest.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const size_t end = http::HeaderEnd(text);
    if (end != std::string_view::npos && (end > size || text.substr(end - 4, 4) != "\r\n\r\n")) std::abort();
    const http::ReplyHeader reply = http::ParseReplyHeader(text.substr(0, end));
    if (reply.valid && (reply.status < 0 || reply.status > 999)) std::abort();
    for (const auto& field : reply.fields)
        if (const auto number = http::LeadingNumber(field.second); number && (*number < 0 || *number > (int64_t{1} << 53)))
            std::abort();
    const http::HostAndPort host = http::SplitHostPort(http::HostOfUrl(text));
    if (host.valid && (host.host.empty() || host.port < 1 || host.port > 65535)) std::abort();
    for (int32_t accessType : {0, 1}) {
        const std::string target = http::RequestTarget(text, accessType);
        if (accessType == 0 && (target.empty() || target.front() != '/')) std::abort();
        const std::string request = http::BuildRequest(target, host.host, "2.33.1", "user", static_cast<int64_t>(size));
        if (!request.ends_with("\r\n\r\n")) std::abort();
    }
    return 0;
}
