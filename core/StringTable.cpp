#include "core/StringTable.h"

#include "core/Resources.h"

#include <charconv>
#include <sstream>

namespace zelo {

namespace {

std::string Demaskieren(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 'n' ? '\n' : next == 't' ? '\t' : next;
    }
    return out;
}

}

std::map<int32_t, std::string> ParseStringTable(const std::string& content)
{
    std::map<int32_t, std::string> table;
    std::istringstream lines(content);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const auto tab = line.find('\t');
        if (tab == std::string::npos) continue;
        int32_t number = 0;
        const auto [end, ec] = std::from_chars(line.data(), line.data() + tab, number);
        if (ec != std::errc() || end != line.data() + tab) continue;
        table[number] = Demaskieren(line.substr(tab + 1));
    }
    return table;
}

const std::map<int32_t, std::string>& stringTable()
{
    static const std::map<int32_t, std::string> table = [] {
        const auto bytes = Resource("strings");
        return ParseStringTable(std::string(bytes.begin(), bytes.end()));
    }();
    return table;
}

}
