#include "core/RegionalFormat.h"

#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>

namespace zelo {

namespace {

// Inserts the locale's thousands separator into a run of digits.
std::string Ziffern_Gruppieren(const std::string& digits)
{
    const lconv* conv = std::localeconv();
    const std::string separator = conv->thousands_sep ? conv->thousands_sep : "";
    const char* grouping = conv->grouping ? conv->grouping : "";
    if (separator.empty() || *grouping == 0 || *grouping == CHAR_MAX) return digits;

    std::string grouped;
    size_t end = digits.size();
    int group = *grouping;
    while (end > static_cast<size_t>(group)) {
        grouped.insert(0, separator + digits.substr(end - static_cast<size_t>(group), static_cast<size_t>(group)));
        end -= static_cast<size_t>(group);
        if (grouping[1] != 0) {
            ++grouping;
            if (*grouping == CHAR_MAX) break;
            group = *grouping;
        }
    }
    return digits.substr(0, end) + grouped;
}

std::string Dezimalzeichen()
{
    const lconv* conv = std::localeconv();
    return conv->decimal_point && *conv->decimal_point ? conv->decimal_point : ".";
}

}

std::string FormatNumber(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(std::fabs(value) * scale) / scale;
    char text[512];
    // Formatted in the C form ("1234.5"), then given the locale's signs.
    std::snprintf(text, sizeof text, "%.*f", decimals, rounded);
    std::string plain = text;
    for (char& c : plain)
        if (c < '0' || c > '9') c = '.';
    const size_t point = plain.find('.');
    std::string result = Ziffern_Gruppieren(plain.substr(0, point));
    if (point != std::string::npos) result += Dezimalzeichen() + plain.substr(point + 1);
    const bool negative = value < 0 && rounded != 0;
    return negative ? "-" + result : result;
}

std::string FormatGroupedDigits(uint64_t value)
{
    return value == 0 ? "" : Ziffern_Gruppieren(std::to_string(value));
}

}
