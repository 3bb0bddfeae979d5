#include "core/FormulaNumbers.h"

#include "core/Runtime.h"

#include <charconv>
#include <cmath>

namespace formula {

namespace {

bool Ist_Ziffer(char c) { return c >= '0' && c <= '9'; }

int Hexwert(char c)
{
    if (Ist_Ziffer(c)) return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

double Hexliteral_Lesen(const std::string& digits)
{
    if (digits.empty()) rt::Raise(rt::errTypeMismatch);
    uint32_t value = 0;
    for (const char c : digits) {
        const int d = Hexwert(c);
        if (d < 0) rt::Raise(rt::errTypeMismatch);
        value = value * 16 + static_cast<uint32_t>(d);
    }
    if (digits.size() > 8) rt::Raise(rt::errOverflow);
    return static_cast<double>(static_cast<int32_t>(value));
}

// The decimal exponent of the leading digit of a mantissa text without sign ("120.5" 2, "0.03" -2);
// 0 for a mantissa of zeros only.
int Fuehrender_Exponent(const std::string& mantissa)
{
    const auto point = mantissa.find('.');
    const std::string whole = mantissa.substr(0, point);
    const auto firstWhole = whole.find_first_not_of('0');
    if (firstWhole != std::string::npos) return static_cast<int>(whole.size() - firstWhole) - 1;
    if (point == std::string::npos) return 0;
    const auto firstFraction = mantissa.find_first_not_of('0', point + 1);
    return firstFraction == std::string::npos ? 0 : -static_cast<int>(firstFraction - point);
}

}

double ReadNumber(const std::string& text)
{
    if (text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h'))
        return Hexliteral_Lesen(text.substr(2));

    // Checks [sign]digits[sep digits][e[sign]digits] and rewrites it for the locale-free reader.
    std::string plain;
    size_t i = 0;
    const size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    const size_t mantissaStart = plain.size();
    size_t digits = 0;
    for (; i < n && Ist_Ziffer(text[i]); ++i, ++digits) plain += text[i];
    if (i < n && (text[i] == '.' || text[i] == ',')) {
        plain += '.';
        for (++i; i < n && Ist_Ziffer(text[i]); ++i, ++digits) plain += text[i];
    }
    if (digits == 0) rt::Raise(rt::errTypeMismatch);
    const std::string mantissa = plain.substr(mantissaStart);
    long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        bool negative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negative = text[i] == '-';
            plain += text[i++];
        }
        size_t exponentDigits = 0;
        for (; i < n && Ist_Ziffer(text[i]); ++i, ++exponentDigits) {
            plain += text[i];
            if (exponent < 1000000) exponent = exponent * 10 + (text[i] - '0');
        }
        if (exponentDigits == 0) rt::Raise(rt::errTypeMismatch);
        if (negative) exponent = -exponent;
    }
    if (i != n) rt::Raise(rt::errTypeMismatch);

    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc()) return Checked(value);
    if (error != std::errc::result_out_of_range) rt::Raise(rt::errTypeMismatch);
    if (Fuehrender_Exponent(mantissa) + exponent > 0) rt::Raise(rt::errOverflow);
    return 0.0;
}

double Checked(double value)
{
    if (std::isnan(value)) rt::Raise(rt::errInvalidCall);
    if (std::isinf(value)) rt::Raise(rt::errOverflow);
    return value;
}

std::string ValueText(double value) { return rt::DoubleText(Checked(value)); }

double Carry(double value) { return ReadNumber(ValueText(value)); }

std::string HexDigits(int32_t value)
{
    static const char digits[] = "0123456789ABCDEF";
    auto bits = static_cast<uint32_t>(value);
    std::string text;
    do {
        text.insert(text.begin(), digits[bits % 16]);
        bits /= 16;
    } while (bits != 0);
    return text;
}

}
