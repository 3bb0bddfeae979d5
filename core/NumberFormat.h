#pragma once
// Display texts of numbers, decimal rounding and the logarithm of the logarithmic axes.
#include <cstdint>
#include <string>

// A measured value for display: "" for Kein_Wert, "0,0" for 0, one decimal when the magnitude of
// its decimal logarithm is at most 3 ("999.9"), else scientific with two decimals ("1.23E+03").
std::string Zahl_Text(float x);

// The run time's named format "Scientific": two decimals and a signed exponent ("1.23E+03"); the
// same form with more or fewer decimals in the mantissa when asked.
std::string ScientificText(double x, int32_t decimals = 2);

// The "0.0" pattern with the given number of decimals ("12.0"); "" for a value that is not finite.
std::string FixedText(double x, int32_t decimals);
// The same with the decimal sign of the user's number format, as the panels' labels show values.
std::string FixedTextLocal(double x, int32_t decimals);

// The decimal text of n with blanks in front up to width characters; never cut.
std::string Zahl_Rechtsbuendig(int32_t n, int32_t width);

// x rounded to d decimals (d < 0 rounds to tens, hundreds, ...) in exact decimal arithmetic on the
// value's 15 significant digits, halves away from zero: Runden(2.345, 2) = 2.35, Runden(-2.5, 0) = -3.
// x itself when d is outside -28..28 or the result would leave the range of 28-digit decimals.
double Runden(double x, int16_t d);

// The natural logarithm for x > 0, else 0.
float Log_Sicher(float x);

// What a text box shows for a value, and its tag, which tells a shown unknown value from a real one.
struct TextBoxWert {
    std::string Text;
    std::string Tag;
};
// Text: the shortest text of x, tag "0"; for Kein_Wert the text for unknown (text 197) and the
// tag "-3E+38".
TextBoxWert TextBox_Wert(float x);
