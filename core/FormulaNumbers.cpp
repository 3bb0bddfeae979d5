#include "core/FormulaNumbers.h"

#include "core/Runtime.h"

#include <array>
#include <bit>
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

// The powers of ten that a double holds exactly.
constexpr std::array<double, 23> kZehnerpotenzen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                    1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// For each binary exponent from -24 to 49: the power k of ten that gives 15 whole digits to a
// number of that exponent below the next power of ten, and that power (close, not always exact).
struct Dekade {
    int k = 0;
    double schwelle = 0.0;
};
constexpr int kKleinsterExponent = -24;

const std::array<Dekade, 74> kDekaden = [] {
    std::array<Dekade, 74> tabelle{};
    for (size_t i = 0; i < tabelle.size(); ++i) {
        const long double zwei = std::ldexp(1.0L, static_cast<int>(i) + kKleinsterExponent);
        int d = static_cast<int>(std::floor(std::log10(zwei)));
        while (std::pow(10.0L, d + 1) <= zwei) ++d;
        while (std::pow(10.0L, d) > zwei) --d;
        tabelle[i] = {14 - d, static_cast<double>(std::pow(10.0L, d + 1))};
    }
    return tabelle;
}();

// p = a·s (s a power of ten) rounded to a whole number, half to even by the exact product (p plus
// the product's rounding error, needed only at a tie). p lies between 1e14 and 1e15, so it has at
// least three fraction bits: its fraction is exact and the error lies within half of its last bit.
double Ganzzahl(double a, double s, double p)
{
    // Adding and taking away 2^52 leaves a whole number next to p; the comparisons make it the
    // nearest in any rounding mode.
    double ganz = (p + 0x1p52) - 0x1p52;
    double bruch = p - ganz;
    if (bruch > 0.5) {
        ganz += 1.0;
        bruch -= 1.0;
    } else if (bruch < -0.5) {
        ganz -= 1.0;
        bruch += 1.0;
    }
    if (bruch != 0.5 && bruch != -0.5) return ganz;
    const double unten = bruch > 0.0 ? ganz : ganz - 1.0;
    const double fehler = std::fma(a, s, -p);
    if (fehler != 0.0) return fehler > 0.0 ? unten + 1.0 : unten;
    return std::fmod(unten, 2.0) != 0.0 ? unten + 1.0 : unten;
}

// The magnitude a rounded to 15 significant digits, half to even as the text of a double rounds,
// computed without text: a·10^k is brought to 15 whole digits and rounded, and that whole number
// divided by the exact power of ten is the double nearest to the 15-digit decimal, as reading the
// text gives. At p = 1e14 or 1e15 the next scale gives the same value. False where no exact power
// of ten serves (below 1e-7, from 1e15 on, and for no number).
bool Fuenfzehn_Stellen(double a, double& gerundet)
{
    if (!(a >= 1e-7 && a < 1e15)) return false;
    const int binaer = static_cast<int>((std::bit_cast<uint64_t>(a) >> 52) & 0x7FF) - 1023;
    const Dekade& dekade = kDekaden[static_cast<size_t>(binaer - kKleinsterExponent)];
    int k = dekade.k - (a >= dekade.schwelle ? 1 : 0);
    // A power of ten that a double does not hold exactly can put a neighbour on the wrong side.
    for (int versuch = 0; versuch < 3; ++versuch) {
        if (k < 0 || k >= static_cast<int>(kZehnerpotenzen.size())) return false;
        const double s = kZehnerpotenzen[static_cast<size_t>(k)];
        const double p = a * s;
        if (p < 1e14) {
            ++k;
        } else if (p > 1e15) {
            --k;
        } else {
            gerundet = Ganzzahl(a, s, p) / s;
            return true;
        }
    }
    return false;
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

double Carry(double value)
{
    double gerundet = 0.0;
    if (Fuenfzehn_Stellen(std::fabs(value), gerundet)) return value < 0.0 ? -gerundet : gerundet;
    if (Checked(value) == 0.0) return 0.0;
    return ReadNumber(ValueText(value));
}

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
