#include "update/VersionFile.h"

#include "core/clsLanguage.h"
#include "core/modCommon.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <utility>

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

namespace {

// The version a field holds: the field without the blanks around it and the line end that closes
// its line. Blanks or line breaks inside belong to the version, which is then none.
std::string_view VersionText(std::string_view field)
{
    const size_t end = field.find_last_not_of(" \t\r\n");
    if (end == std::string_view::npos) return {};
    field = field.substr(0, end + 1);
    return field.substr(std::min(field.find_first_not_of(" \t"), field.size()));
}

}

Comparison Compare(std::string_view online, double major, double minor, double revision)
{
    // Only the field's own line end goes: a version broken over lines is none, since its row would
    // show no more than its first line of what was compared.
    const std::vector<std::string> parts = Split(VersionText(online), '.');
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

std::string Shown(std::string_view text)
{
    size_t characters = 0;
    int continued = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        // Up to three bytes that continue a UTF-8 sequence belong to the character before them;
        // any further one is shown as a character of its own.
        const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        if (continuation && continued < 3) {
            ++continued;
            continue;
        }
        continued = 0;
        if (++characters > kMaxShownChars) return std::string(text.substr(0, i)) + "…";
    }
    return std::string(text);
}

namespace {

bool ToNumber(const std::string& text, double& value)
{
    try {
        size_t used = 0;
        value = std::stod(text, &used);
        return used == text.size();
    } catch (const std::exception&) {
        return false;
    }
}

std::string Text(int32_t number) { return gLanguage ? gLanguage->Caption(number) : std::string(); }

// "The version file cannot be evaluated:" and, on its own line, what was wrong.
Evaluation Failed(Evaluation result, const std::string& what)
{
    result.failure = Text(650) + "\r\n" + what;
    return result;
}

Evaluation Too_Few_Fields(Evaluation result, size_t found)
{
    return Failed(std::move(result), Text(651) + " " + std::to_string(found));
}

// The modules of the rows whose versions are compared, as the window names them.
constexpr const char* kCompared[] = {"ZELO", "ZELO (Preview Version)", "FreeImage Library"};

// A web page (a server's error or login page, a folder listing) where the file should be: it
// begins with markup, after a byte-order mark and blanks at most.
bool Html_Page(std::string_view data)
{
    if (data.starts_with("\xEF\xBB\xBF")) data.remove_prefix(3);
    const size_t first = data.find_first_not_of(" \t\r\n\f\v");
    return first != std::string_view::npos && data[first] == '<';
}

// "The server's reply is not a version file." and, on its own line, what it is or lacks.
Evaluation Not_A_Version_File(Evaluation result, int32_t why)
{
    result.failure = Text(670) + "\r\n" + Text(why);
    return result;
}

Evaluation No_Version(Evaluation result, size_t row, std::string_view field)
{
    return Failed(std::move(result), Text(652) + " " + kCompared[row] + ": \"" + Shown(field) + "\"");
}

}

Evaluation Evaluate(std::string_view data, const std::array<double, 3>& program, const std::string& library)
{
    Evaluation result;
    // An error page or a broken transfer can bring binary bytes; their parts would only read as
    // "Type mismatch".
    if (data.find('\0') != std::string_view::npos) {
        result.failure = Text(470);
        return result;
    }
    // A "#" in a page's markup (a colour, a link to an anchor) does not make it a version file.
    if (Html_Page(data)) return Not_A_Version_File(std::move(result), 671);
    const auto fields = Fields(data);
    if (!fields) return Not_A_Version_File(std::move(result), 672);
    result.found = true;
    for (size_t row = 0; row < 5 && row < fields->size(); ++row) result.online.push_back(Shown((*fields)[row]));
    if (fields->size() < 5) return Too_Few_Fields(std::move(result), fields->size());

    for (size_t row = 0; row < 2; ++row) {
        const Comparison comparison = Compare((*fields)[row], program[0], program[1], program[2]);
        if (comparison == Comparison::Invalid) return No_Version(std::move(result), row, (*fields)[row]);
        result.icons[row] = comparison == Comparison::Newer ? 110 : 109;
    }

    if (library == "n/a") return result;
    const std::vector<std::string> localParts = Split(library, '.');
    double local[3] = {};
    if (localParts.size() < 3) return result;
    for (size_t i = 0; i < 3; ++i)
        if (!ToNumber(localParts[i], local[i])) return result;
    const std::vector<std::string> online = Split(VersionText((*fields)[2]), '.');
    if (online.size() < 3) return No_Version(std::move(result), 2, (*fields)[2]);
    const std::string firstParts = online[0] + "." + online[1] + "." + online[2];
    result.online[2] = Shown(firstParts);
    const Comparison comparison = Compare(firstParts, local[0], local[1], local[2]);
    if (comparison == Comparison::Invalid) return No_Version(std::move(result), 2, (*fields)[2]);
    result.icons[2] = comparison == Comparison::Newer ? 110 : 109;
    return result;
}

}
