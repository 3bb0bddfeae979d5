#pragma once
// The server side of an HTTP exchange as the client reads it: the status line and the header
// fields, parsed from bytes that nobody checked.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace http {

// A header longer than this without its blank line is refused.
inline constexpr size_t kMaxHeaderBytes = 64 * 1024;

struct ReplyHeader {
    bool valid = false;  // the status line reads "HTTP/<version> <three digits>"
    int32_t status = 0;
    std::string reason;
    std::vector<std::pair<std::string, std::string>> fields;

    // The value of the first field of that name (letter case does not count), blanks cut; "" when absent.
    std::string Field(std::string_view name) const;
    bool Has(std::string_view name) const;
};

// The end of the header: the index just after the first CR LF CR LF, or npos.
size_t HeaderEnd(std::string_view bytes);
// Parses a header up to and including its blank line; each field at the start of its own line.
ReplyHeader ParseReplyHeader(std::string_view header);
// The whole number at the start of a text (after blanks); nullopt when none or above 2^53.
std::optional<int64_t> LeadingNumber(std::string_view text);

}
