#include "core/Runtime.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <limits>
#include <map>

namespace rt {

std::string ErrorDescription(int32_t number)
{
    static const std::map<int32_t, std::string> texts = {
        {errInvalidCall, "Invalid procedure call or argument"},
        {errOverflow, "Overflow"},
        {errOutOfMemory, "Out of memory"},
        {errSubscript, "Subscript out of range"},
        {errDivisionByZero, "Division by zero"},
        {errTypeMismatch, "Type mismatch"},
        {errObjectNotSet, "Object variable or With block variable not set"},
        {errBadFileNumber, "Bad file name or number"},
        {errFileNotFound, "File not found"},
        {errBadFileMode, "Bad file mode"},
        {errFileAlreadyOpen, "File already open"},
        {errDiskFull, "Disk full"},
        {errInputPastEnd, "Input past end of file"},
        {errPermissionDenied, "Permission denied"},
        {errPathFileAccess, "Path/File access error"},
        {errPathNotFound, "Path not found"},
        {errBadFileFormat, "Invalid file format"},
    };
    const auto it = texts.find(number);
    return it == texts.end() ? "Application-defined or object-defined error" : it->second;
}

RuntimeError::RuntimeError(int32_t number) : RuntimeError(number, ErrorDescription(number)) {}

RuntimeError::RuntimeError(int32_t number, const std::string& description)
    : std::runtime_error(description), number_(number)
{
}

void Raise(int32_t number) { throw RuntimeError(number); }

namespace {


std::string Zahltext(double value, int digits, int maxFixedExponent)
{
    if (std::isnan(value) || std::isinf(value)) Raise(errOverflow);
    if (value == 0.0) return "0";
    // to_chars, unlike printf, ignores the C locale's decimal separator (Qt sets it from the user's).
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits - 1);
    // buffer: [-]d.ddddde[+-]xx
    std::string text(buffer, written.ptr);
    const auto ePos = text.find('e');
    const int exponent = std::stoi(text.substr(ePos + 1));
    std::string mantissa = text.substr(0, ePos);
    const bool negative = mantissa[0] == '-';
    if (negative) mantissa.erase(0, 1);
    std::string significant;
    for (char c : mantissa)
        if (c != '.') significant += c;
    while (significant.size() > 1 && significant.back() == '0') significant.pop_back();

    std::string out;
    if (exponent >= maxFixedExponent || exponent < -4) {
        out = significant.substr(0, 1);
        if (significant.size() > 1) out += "." + significant.substr(1);
        char expText[16];
        std::snprintf(expText, sizeof expText, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        out += expText;
    } else if (exponent < 0) {
        out = "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + significant;
    } else {
        const auto intDigits = static_cast<size_t>(exponent + 1);
        if (significant.size() <= intDigits) {
            out = significant + std::string(intDigits - significant.size(), '0');
        } else {
            out = significant.substr(0, intDigits) + "." + significant.substr(intDigits);
        }
    }
    return negative ? "-" + out : out;
}

}

// Independent of the current floating-point rounding mode.
double RoundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5) return lower + 1.0;
    if (fraction < 0.5) return lower;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

int32_t CLng(double value)
{
    if (!std::isfinite(value)) Raise(errOverflow);
    const double r = RoundHalfEven(value);
    if (r < std::numeric_limits<int32_t>::min() || r > std::numeric_limits<int32_t>::max()) Raise(errOverflow);
    return static_cast<int32_t>(r);
}

int16_t CInt(double value)
{
    if (!std::isfinite(value)) Raise(errOverflow);
    const double r = RoundHalfEven(value);
    if (r < std::numeric_limits<int16_t>::min() || r > std::numeric_limits<int16_t>::max()) Raise(errOverflow);
    return static_cast<int16_t>(r);
}

double Int(double value) { return std::floor(value); }
double Fix(double value) { return std::trunc(value); }

double Divide(double numerator, double denominator)
{
    if (denominator == 0.0) Raise(numerator == 0.0 ? errOverflow : errDivisionByZero);
    return numerator / denominator;
}

std::string SingleText(float value) { return Zahltext(value, 7, 7); }
std::string SingleText(float value, int digits) { return Zahltext(value, digits, 7); }
std::string DoubleText(double value) { return Zahltext(value, 15, 15); }

std::string NowText()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%d.%m.%Y %H:%M:%S", &local);
    return buffer;
}

std::string TimeText() { return NowText().substr(11); }

}
