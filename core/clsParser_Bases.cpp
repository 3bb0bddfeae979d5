// Number bases: the conversion of whole numbers between bases 2 to 36 and the base texts that
// the calculator shows beside a result.
#include "core/clsParser.h"

#include "core/FormulaNumbers.h"
#include "core/Runtime.h"

#include <cctype>
#include <cmath>

namespace {

int Ziffernwert(char c)
{
    const auto upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper >= '0' && upper <= '9') return upper - '0';
    if (upper >= 'A' && upper <= 'Z') return upper - 'A' + 10;
    return -1;
}

char Ziffernzeichen(int value) { return "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"[value]; }

}

// The digits of a whole number in base from, written in base to; "Error" for an empty text or a
// base outside 2..36, "---" for a character that is no digit of base from, or a value beyond the
// double range.
std::string clsParser::ConvertBase(const std::string& digits, int from, int to)
{
    if (digits.empty() || from < 2 || from > 36 || to < 2 || to > 36) return "Error";
    double value = 0.0;
    for (const char c : digits) {
        const int digit = Ziffernwert(c);
        if (digit < 0 || digit >= from) return "---";
        value = value * from + digit;
    }
    if (std::isinf(value)) return "---";
    std::string result;
    do {
        // fmod is exact, so no digit goes wrong even where the quotient is rounded.
        const double remainder = std::fmod(value, to);
        value = (value - remainder) / to;
        result.insert(result.begin(), Ziffernzeichen(static_cast<int>(remainder)));
    } while (value > 0.0);
    return result;
}

// The ConvertBase text of a number given as text; "---" for text with a comma or no number.
std::string clsParser::Basistext(const std::string& Zahl, int base) const
{
    if (Zahl.find(',') != std::string::npos) return "---";
    try {
        return ConvertBase(formula::ValueText(ConvertNumber_Ungeschuetzt(Zahl)), 10, base);
    } catch (const rt::RuntimeError&) {
        return "---";
    }
}

std::string clsParser::CHex(const std::string& Zahl) const
{
    std::string digits = Basistext(Zahl, 16);
    if (digits.find("--") != std::string::npos) return "---";
    if (digits.size() % 2 != 0) digits = "0" + digits;
    return digits + "h";
}

std::string clsParser::CHex(double Zahl) const { return std::isfinite(Zahl) ? CHex(rt::DoubleText(Zahl)) : "---"; }

std::string clsParser::COct(const std::string& Zahl) const
{
    const std::string digits = Basistext(Zahl, 8);
    if (digits.find("--") != std::string::npos) return "---";
    return digits + "o";
}

std::string clsParser::COct(double Zahl) const { return std::isfinite(Zahl) ? COct(rt::DoubleText(Zahl)) : "---"; }

std::string clsParser::CBin(const std::string& Zahl) const { return Basistext(Zahl, 2); }

std::string clsParser::CBin(double Zahl) const { return std::isfinite(Zahl) ? CBin(rt::DoubleText(Zahl)) : "---"; }

std::string clsParser::FormatBin(const std::string& binwert)
{
    if (binwert == "1") return "0001b";
    if (binwert == "0") return "0000b";
    if (binwert.size() == 4) return binwert + "b";
    if (binwert.find_first_of(",-") != std::string::npos) return "---";
    std::string digits = binwert;
    digits.insert(0, (4 - digits.size() % 4) % 4, '0');
    std::string text;
    for (size_t i = 0; i < digits.size(); i += 4) {
        if (i > 0) text += ' ';
        text += digits.substr(i, 4);
    }
    return text + "b";
}
