#include "panels/PanelZahlen.h"

#include "core/Runtime.h"
#include "core/modString.h"

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cmath>

std::optional<float> Feld_Zahl(const std::string& text)
{
    if (std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c); })) return std::nullopt;
    const float wert = StrToSingle(text);
    if (wert == Kein_Wert) return std::nullopt;
    return wert;
}

std::string Lokale_Zahl(float value)
{
    std::string text = rt::SingleText(value);
    const char* zeichen = std::localeconv()->decimal_point;
    if (zeichen && *zeichen) std::replace(text.begin(), text.end(), '.', *zeichen);
    return text;
}

int32_t Ganze_Prozent(float gewicht)
{
    const float prozent = gewicht * 100.0f;
    return static_cast<int32_t>(std::trunc(prozent));
}
