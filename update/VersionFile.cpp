#include "update/VersionFile.h"

#include <cctype>

namespace versionfile {

std::optional<std::vector<std::string>> Fields(std::string_view data)
{
    const size_t hash = data.find('#');
    if (hash == std::string_view::npos) return std::nullopt;
    // The file's closing line break is not part of the last field, which the window shows as text.
    std::string_view rest = data.substr(hash + 1);
    while (!rest.empty() && (rest.back() == '\n' || rest.back() == '\r')) rest.remove_suffix(1);
    return Split(rest, '/');
}

std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        const size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::optional<int16_t> PartNumber(std::string_view part)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!part.empty() && blank(part.front())) part.remove_prefix(1);
    while (!part.empty() && blank(part.back())) part.remove_suffix(1);
    bool negative = false;
    if (!part.empty() && (part.front() == '-' || part.front() == '+')) {
        negative = part.front() == '-';
        part.remove_prefix(1);
    }
    if (part.empty()) return std::nullopt;
    int32_t value = 0;
    for (char c : part) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 32768) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > 32767) return std::nullopt;
    return static_cast<int16_t>(value);
}

Comparison Compare(std::string_view online, double major, double minor, double revision)
{
    const std::vector<std::string> parts = Split(online, '.');
    const auto part = [&parts](size_t index) {
        return index < parts.size() ? PartNumber(parts[index]) : std::nullopt;
    };
    const auto p0 = part(0);
    if (!p0) return Comparison::Invalid;
    if (*p0 > major) return Comparison::Newer;
    const auto p1 = part(1);
    if (!p1) return Comparison::Invalid;
    if (*p0 == major && *p1 > minor) return Comparison::Newer;
    const auto p2 = part(2);
    if (!p2) return Comparison::Invalid;
    if (*p0 == major && *p1 == minor && *p2 > revision) return Comparison::Newer;
    return Comparison::NotNewer;
}

}
