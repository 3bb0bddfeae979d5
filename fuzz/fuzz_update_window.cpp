// The update window's reading of a downloaded version file on any bytes: which rows it fills (each
// text within the characters it may show), which icons it draws and the one failure it reports.
#include "FuzzWelt.h"

#include "update/VersionFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzWelt::Get().Neu();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool text_ohne_null = text.find('\0') == std::string_view::npos;
    // A web page is no version file, whatever "#" its markup holds: markup first, after a
    // byte-order mark and blanks.
    std::string_view anfang = text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text;
    anfang.remove_prefix(std::min(anfang.size(), anfang.find_first_not_of(" \t\r\n\f\v")));
    const bool seite = anfang.starts_with('<');
    for (const char* bibliothek : {"3.18.0", "n/a", "3.x"}) {
        const versionfile::Evaluation result = versionfile::Evaluate(text, {2, 32, 880}, bibliothek);
        if (result.found != (text_ohne_null && !seite && text.find('#') != std::string_view::npos)) std::abort();
        if (!result.found && result.failure.empty()) std::abort();
        if (!text_ohne_null && result.failure.empty()) std::abort();
        if (result.online.size() > 5 || (!result.found && !result.online.empty())) std::abort();
        for (const std::string& field : result.online)
            if (field.size() > 4 * versionfile::kMaxShownChars + std::string_view("…").size()) std::abort();
        for (const int32_t icon : result.icons)
            if (icon != 0 && icon != 109 && icon != 110) std::abort();
        // Rows are evaluated in order: a later row has an icon only when the earlier ones have.
        if ((result.icons[1] != 0 && result.icons[0] == 0) || (result.icons[2] != 0 && result.icons[1] == 0))
            std::abort();
        // A failure names what was wrong, with the field cut as the window would cut it.
        if (result.failure.size() > 4 * versionfile::kMaxShownChars + 1000) std::abort();
    }
    return 0;
}
