#pragma once
// Conversions and run-time errors shared by every module: integer conversion with the run time's
// half-to-even rounding, floor, the run time's text of a number, and the checked error that a
// procedure's handler reports with the run time's number and description.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace rt {

// Error numbers of the run time that the program's handlers report.
enum ErrorNumber : int32_t {
    errInvalidCall = 5,
    errOverflow = 6,
    errOutOfMemory = 7,
    errSubscript = 9,
    errDivisionByZero = 11,
    errTypeMismatch = 13,
    errObjectNotSet = 91,
    errBadFileNumber = 52,
    errFileNotFound = 53,
    errBadFileMode = 54,
    errFileAlreadyOpen = 55,
    errDiskFull = 61,
    errInputPastEnd = 62,
    errPermissionDenied = 70,
    errPathFileAccess = 75,
    errPathNotFound = 76,
    errBadFileFormat = 321,
};

// The run time's description of an error number ("Overflow", "Subscript out of range", ...).
std::string ErrorDescription(int32_t number);

// A run-time error as a procedure's handler sees it.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int32_t number);
    RuntimeError(int32_t number, const std::string& description);
    int32_t Number() const { return number_; }
    std::string Description() const { return what(); }

private:
    int32_t number_;
};

[[noreturn]] void Raise(int32_t number);

// The object a global holds; "Object variable or With block variable not set" when it holds none.
template <class T>
T& Object(const std::unique_ptr<T>& global)
{
    if (!global) Raise(errObjectNotSet);
    return *global;
}

// Conversion to a 32-bit (Long) or 16-bit (Integer) integer: halves go to the even neighbour;
// a value out of range or not finite raises Overflow.
int32_t CLng(double value);
// The nearest whole number, a half going to the even neighbour (2.5 → 2, 3.5 → 4).
double RoundHalfEven(double value);
int16_t CInt(double value);
// The largest whole number not above value (the run time's Int), and the whole part (Fix).
double Int(double value);
double Fix(double value);

// Division that raises "Division by zero" instead of producing infinity or NaN.
double Divide(double numerator, double denominator);

// The run time's text of a number: shortest form with 7 (Single) or 15 (Double) significant
// digits, a decimal point, scientific form "1.5E+07" / "1E-05" outside the fixed range.
std::string SingleText(float value);
std::string DoubleText(double value);
// The Single's text in the same form with the given number of significant digits (1 to 9).
std::string SingleText(float value, int digits);

// Local date and time as "dd.mm.yyyy hh:mm:ss".
std::string NowText();
// Local time of day as "hh:mm:ss".
std::string TimeText();

}
