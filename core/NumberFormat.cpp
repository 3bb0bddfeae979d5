#include "core/NumberFormat.h"

#include "core/Runtime.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "core/modString.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>

namespace {

// A decimal number: sign, digits (an integer without leading zeros, "0" for zero) and the power
// of ten of the last digit.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// The value with the given number of significant digits; 150 digits are exact for every Single.
Decimal Dezimal_Von(double value, int significantDigits)
{
    char buffer[200];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significantDigits - 1);
    const std::string text(buffer, written.ptr);  // [-]d.ddde[+-]xx
    Decimal d;
    d.negative = text[0] == '-';
    const auto e = text.find('e');
    for (size_t i = d.negative ? 1 : 0; i < e; ++i)
        if (text[i] != '.') d.digits += text[i];
    d.exponent = std::stoi(text.substr(e + 1)) - static_cast<int>(d.digits.size() - 1);
    return d;
}

// Rounds to the power of ten `place`, halves away from zero.
void Runden_An(Decimal& d, int place)
{
    if (d.exponent >= place) return;
    const auto drop = static_cast<size_t>(place - d.exponent);
    d.exponent = place;
    if (drop > d.digits.size()) {
        d.digits = "0";
        return;
    }
    const bool up = d.digits[d.digits.size() - drop] >= '5';
    d.digits.erase(d.digits.size() - drop);
    if (d.digits.empty()) d.digits = "0";
    if (!up) return;
    size_t i = d.digits.size();
    while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
    if (i == 0)
        d.digits.insert(0, "1");
    else
        ++d.digits[i - 1];
}

bool Ist_Null(const Decimal& d) { return d.digits.find_first_not_of('0') == std::string::npos; }

// The "0.0" pattern with the given number of decimals.
std::string Festkomma_Formatieren(double value, int decimals)
{
    Decimal d = Dezimal_Von(value, 150);
    Runden_An(d, -decimals);
    std::string digits = d.digits;
    if (digits.size() <= static_cast<size_t>(decimals)) digits.insert(0, decimals + 1 - digits.size(), '0');
    const size_t point = digits.size() - static_cast<size_t>(decimals);
    std::string text = digits.substr(0, point);
    if (decimals > 0) text += "." + digits.substr(point);
    return d.negative && !Ist_Null(d) ? "-" + text : text;
}

// The "0.00E+00" pattern with the given number of decimals.
std::string Wissenschaftlich_Formatieren(double value, int decimals)
{
    Decimal d = Dezimal_Von(value, 150);
    Runden_An(d, d.exponent + static_cast<int>(d.digits.size()) - 1 - decimals);
    // Rounding may have carried into a new leading digit (9.995 -> 10.00).
    const int power = d.exponent + static_cast<int>(d.digits.size()) - 1;
    d.digits.resize(static_cast<size_t>(decimals) + 1);
    std::string text = d.digits.substr(0, 1) + "." + d.digits.substr(1);
    const std::string magnitude = std::to_string(std::abs(power));
    text += std::string(power < 0 ? "E-" : "E+") + (magnitude.size() < 2 ? "0" : "") + magnitude;
    return d.negative ? "-" + text : text;
}

}

std::string Zahl_Text(float x)
{
    if (x == Kein_Wert) return "";
    // Zero keeps its fixed comma text whatever the separator of the other numbers.
    if (x == 0.0f) return "0,0";
    if (!std::isfinite(x)) return "";
    const double magnitude = std::fabs(std::log(std::fabs(static_cast<double>(x))) / std::log(10.0));
    return magnitude <= 3.0 ? Festkomma_Formatieren(x, 1) : Wissenschaftlich_Formatieren(x, 2);
}

std::string ScientificText(double x, int32_t decimals) { return Wissenschaftlich_Formatieren(x, decimals); }

std::string FixedText(double x, int32_t decimals) { return std::isfinite(x) ? Festkomma_Formatieren(x, decimals) : ""; }

std::string FixedTextLocal(double x, int32_t decimals)
{
    std::string text = FixedText(x, decimals);
    const char* zeichen = std::localeconv()->decimal_point;
    if (zeichen && *zeichen) std::replace(text.begin(), text.end(), '.', *zeichen);
    return text;
}

std::string Zahl_Rechtsbuendig(int32_t n, int32_t width)
{
    const std::string text = std::to_string(n);
    const auto size = static_cast<int32_t>(text.size());
    return width > size ? std::string(static_cast<size_t>(width - size), ' ') + text : text;
}

double Runden(double x, int16_t d)
{
    // The largest magnitude a 28-digit decimal holds (2^96 - 1).
    constexpr double kDecimalLimit = 79228162514264337593543950335.0;
    if (d < -28 || d > 28 || !std::isfinite(x)) return x;
    if (std::fabs(x) >= kDecimalLimit || std::fabs(x) * std::pow(10.0, d) >= kDecimalLimit) return x;
    Decimal value = Dezimal_Von(x, 15);
    Runden_An(value, -d);
    const std::string text = (value.negative ? "-" : "") + value.digits + "e" + std::to_string(value.exponent);
    double result = x;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

float Log_Sicher(float x)
{
    if (!(x > 0.0f)) return 0.0f;
    const double result = std::log(static_cast<double>(x));
    return std::isfinite(result) ? static_cast<float>(result) : 0.0f;
}

TextBoxWert TextBox_Wert(float x)
{
    if (x == Kein_Wert) return {gLanguage->Caption(197), rt::DoubleText(-3E+38)};
    return {SingleToStr(x), "0"};
}
