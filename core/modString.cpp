#include "core/modString.h"

#include "core/Runtime.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace {

bool Ist_Leerzeichen(char c) { return c == ' ' || c == '\t'; }

bool Ist_Ziffer(char c) { return c >= '0' && c <= '9'; }

// Trims spaces only, as the readers' piece splitting expects (a TAB is a separator there).
std::string Leerzeichen_Abschneiden(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Every occurrence of pattern, found from left to right without overlap, is dropped.
std::string Alle_Entfernen(const std::string& text, const std::string& pattern)
{
    if (pattern.empty()) return text;
    std::string rest;
    for (size_t pos = 0;;) {
        const size_t found = text.find(pattern, pos);
        rest.append(text, pos, found == std::string::npos ? std::string::npos : found - pos);
        if (found == std::string::npos) return rest;
        pos = found + pattern.size();
    }
}

// Puts the zero in front of a number text that begins with its decimal separator.
std::string Fuehrende_Null_Ergaenzen(std::string text)
{
    for (const char separator : {'.', ','}) {
        if (text[0] == separator) text = "0" + text;
        if (text.size() > 1 && text[0] == '-' && text[1] == separator) text = "-0" + text.substr(1);
        if (text.size() > 1 && text[0] == '+' && text[1] == separator) text = "0" + text.substr(1);
    }
    return text;
}

// Checks the form [blanks][sign]digits[sep digits][E[sign]digits][blanks], with a comma or a point as
// the separator and at least one mantissa digit, and rewrites it for the C-locale parser.
bool Normalisieren(const std::string& text, std::string& plain)
{
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && Ist_Leerzeichen(text[i])) ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    size_t digits = 0;
    for (; i < n && Ist_Ziffer(text[i]); ++i, ++digits) plain += text[i];
    if (i < n && (text[i] == '.' || text[i] == ',')) {
        plain += '.';
        for (++i; i < n && Ist_Ziffer(text[i]); ++i, ++digits) plain += text[i];
    }
    if (digits == 0) return false;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        plain += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        size_t exponentDigits = 0;
        for (; i < n && Ist_Ziffer(text[i]); ++i, ++exponentDigits) plain += text[i];
        if (exponentDigits == 0) return false;
    }
    while (i < n && Ist_Leerzeichen(text[i])) ++i;
    return i == n;
}

}

std::string NulTrim(const std::string& text)
{
    const auto pos = text.find('\0');
    return pos == std::string::npos ? text : text.substr(0, pos);
}

std::string Woerter(const std::string& vorn, const std::string& hinten)
{
    const bool blank = !vorn.empty() && !hinten.empty() && !std::isspace(static_cast<unsigned char>(vorn.back())) &&
                       !std::isspace(static_cast<unsigned char>(hinten.front()));
    return blank ? vorn + " " + hinten : vorn + hinten;
}

void SplitText(const std::string& text, std::vector<std::string>& target, const std::string& separators)
{
    target.clear();
    const bool blankTrennt = separators.find(' ') != std::string::npos;
    size_t start = 0;
    // Whether the stretch since start, without its outer blanks, holds separators only: then a
    // one-character separator leaves nothing of it, and a long run of separators is not cut
    // out again and again.
    bool nurTrenner = true;
    bool zeichen = false;
    bool luecke = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (separators.find(c) != std::string::npos && !(nurTrenner && separators.size() == 1)) {
            std::string piece = Alle_Entfernen(Leerzeichen_Abschneiden(text.substr(start, i - start)), separators);
            // An empty stretch is taken into the next piece, where trimming removes it again.
            if (!piece.empty()) {
                target.push_back(std::move(piece));
                start = i + 1;
                nurTrenner = true;
                zeichen = luecke = false;
                continue;
            }
        }
        if (c == ' ' && !blankTrennt) {
            luecke = zeichen;
        } else {
            if (luecke || separators.find(c) == std::string::npos) nurTrenner = false;
            zeichen = true;
        }
    }
    const std::string rest = Alle_Entfernen(text.substr(start), separators);
    if (!rest.empty()) target.push_back(rest);
}

float StrToSingle(const std::string& text)
{
    std::string plain;
    if (!Normalisieren(Fuehrende_Null_Ergaenzen(text.empty() ? "0" : text), plain)) return Kein_Wert;
    float value = 0.0f;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc()) return value;
    if (error != std::errc::result_out_of_range) return Kein_Wert;
    // Out of range: too small a magnitude reads as zero, too large a one is no Single.
    double wide = 0.0;
    const auto [wideEnd, wideError] = std::from_chars(plain.data(), plain.data() + plain.size(), wide);
    if (wideError == std::errc() && std::fabs(wide) < 1.0) return wide < 0.0 ? -0.0f : 0.0f;
    if (wideError == std::errc::result_out_of_range && plain.find("e-") != std::string::npos)
        return plain[0] == '-' ? -0.0f : 0.0f;
    return Kein_Wert;
}

std::string SingleToStr(float value)
{
    if (value == Kein_Wert) return "";
    try {
        return rt::SingleText(value);
    } catch (const rt::RuntimeError&) {
        return "";
    }
}

std::string SingleToStr_Exakt(float value)
{
    if (value == Kein_Wert) return "";
    try {
        // Seven digits do not always give the same Single back; nine always do.
        for (int digits = 1; digits < 9; ++digits) {
            std::string text = rt::SingleText(value, digits);
            if (StrToSingle(text) == value) return text;
        }
        return rt::SingleText(value, 9);
    } catch (const rt::RuntimeError&) {
        return "";
    }
}

float ArcSin(float x)
{
    if (!(x <= 1.0f)) return 0.0f;
    if (x == 1.0f || x == -1.0f) rt::Raise(rt::errDivisionByZero);
    if (x < -1.0f) rt::Raise(rt::errInvalidCall);
    const double wide = x;
    return static_cast<float>(std::atan(wide / std::sqrt(1.0 - wide * wide)));
}
