#pragma once
// Number helpers of the formula evaluator: reading an operand text, checking a computed value, and
// the hexadecimal text of a Long.
#include <cstdint>
#include <string>

namespace formula {

// A decimal number with a point or a comma as separator and an optional sign and exponent, or an
// "&H" literal of up to eight hexadecimal digits (eight digits give a negative Long from 80000000).
// Raises "Type mismatch" for any other text and "Overflow" beyond the double range; a magnitude
// below it reads as 0.
double ReadNumber(const std::string& text);

// The value itself; a result that is not a number raises "Invalid procedure call or argument",
// an infinite one "Overflow".
double Checked(double value);

// The run time's text of a checked value (15 significant digits, decimal point).
std::string ValueText(double value);

// The value rounded to 15 significant digits, as carrying it as text does.
double Carry(double value);

// The run time's Hex of a Long: upper-case digits without leading zeros, negative values as their
// 32-bit two's complement ("FFFFFFFF" for -1).
std::string HexDigits(int32_t value);

}
