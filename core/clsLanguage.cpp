#include "core/clsLanguage.h"

#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/StringTable.h"
#include "core/modCommon.h"

#include <limits>

namespace {

bool Nachschlagen(int64_t number, std::string& text)
{
    if (number < std::numeric_limits<int32_t>::min() || number > std::numeric_limits<int32_t>::max()) return false;
    const auto& table = zelo::stringTable();
    const auto it = table.find(static_cast<int32_t>(number));
    if (it == table.end()) return false;
    text = it->second;
    return true;
}

}

std::string clsLanguage::GetLanguageName(int32_t Index) const
{
    std::string name;
    Nachschlagen(static_cast<int64_t>(Index) * 10000, name);
    return name;
}

std::string clsLanguage::GetLanguageVersion(const std::string&) const { return ""; }

void clsLanguage::OpenLanguageEx(int32_t Offset)
{
    Guarded("clsLanguage", "OpenLanguageEx", [&] {
        const int64_t base = static_cast<int64_t>(Offset) * 10000;
        if (base < std::numeric_limits<int32_t>::min() || base > std::numeric_limits<int32_t>::max())
            rt::Raise(rt::errOverflow);
        base_ = static_cast<int32_t>(base);
    });
}

std::string clsLanguage::Caption(int32_t Index) const
{
    if (Index == -1) return "";
    std::string text;
    if (Nachschlagen(static_cast<int64_t>(base_) + Index, text)) return text;
    return "Language Error Index" + std::to_string(Index);
}

std::string Orbital_Text(int32_t index)
{
    static const char* const prefixes[] = {"s-", "p-", "d-", "f-"};
    if (index < 0 || index > 3) return "";
    return prefixes[index] + gLanguage->Caption(129);
}

std::string Strahlung_Text(int32_t kind)
{
    switch (kind) {
    case 0: return gLanguage->Caption(200);
    case 1: return gLanguage->Caption(201);
    case 2: return gLanguage->Caption(202);
    default: return gLanguage->Caption(197);
    }
}
