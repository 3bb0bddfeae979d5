#include "update/HttpReply.h"

#include <cctype>

namespace http {

namespace {

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

bool ParseStatusLine(std::string_view line, ReplyHeader& header)
{
    if (line.substr(0, 5) != "HTTP/") return false;
    const size_t blank = line.find(' ');
    if (blank == std::string_view::npos || line.size() < blank + 4) return false;
    int32_t status = 0;
    for (size_t i = blank + 1; i < blank + 4; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(line[i]))) return false;
        status = status * 10 + (line[i] - '0');
    }
    if (line.size() > blank + 4 && line[blank + 4] != ' ') return false;
    header.status = status;
    header.reason = std::string(Trimmed(line.substr(std::min(line.size(), blank + 4))));
    return true;
}

}

std::string ReplyHeader::Field(std::string_view name) const
{
    for (const auto& [fieldName, value] : fields)
        if (SameName(fieldName, name)) return value;
    return "";
}

bool ReplyHeader::Has(std::string_view name) const
{
    for (const auto& field : fields)
        if (SameName(field.first, name)) return true;
    return false;
}

size_t HeaderEnd(std::string_view bytes)
{
    const size_t found = bytes.find("\r\n\r\n");
    return found == std::string_view::npos ? found : found + 4;
}

ReplyHeader ParseReplyHeader(std::string_view header)
{
    ReplyHeader result;
    size_t start = 0;
    bool first = true;
    while (start < header.size()) {
        size_t end = header.find('\n', start);
        if (end == std::string_view::npos) end = header.size();
        const std::string_view raw = header.substr(start, end - start);
        const std::string_view line = Trimmed(raw);
        start = end + 1;
        if (first) {
            first = false;
            if (!ParseStatusLine(line, result)) return result;
            continue;
        }
        if (line.empty()) break;
        const size_t colon = line.find(':');
        // A line without a name is not a field; a folded continuation line is not honoured either.
        if (colon == std::string_view::npos || colon == 0 || raw.front() == ' ' || raw.front() == '\t') continue;
        result.fields.emplace_back(std::string(Trimmed(line.substr(0, colon))), std::string(Trimmed(line.substr(colon + 1))));
    }
    result.valid = true;
    return result;
}

std::optional<int64_t> LeadingNumber(std::string_view text)
{
    text = Trimmed(text);
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text.front()))) return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) break;
        value = value * 10 + (c - '0');
        if (value > (int64_t{1} << 53)) return std::nullopt;
    }
    return value;
}

}
