#pragma once
// Numbers as text and back, the "no value" marker, and small text helpers shared by every reader,
// writer, text box and setting. Numbers are read with a decimal comma or point alike and written
// with a point, whatever the user's locale.
#include <string>
#include <vector>

// Stands for "no value" (or text that is not a number) wherever a Single is stored. Compare it by
// exact equality: the stored 32-bit value is always exactly this one.
inline constexpr float Kein_Wert = -3E+38f;

// The text before its first NUL character; the whole text when it holds none.
std::string NulTrim(const std::string& text);

// Two texts as words of one line: one blank between them unless either side brings its own (the
// language table's texts end with a blank in one language and without it in the other).
std::string Woerter(const std::string& vorn, const std::string& hinten);

// Fills target (from index 0) with the non-empty pieces of text between any of the separator
// characters; leaves it empty when there are none.
void SplitText(const std::string& text, std::vector<std::string>& target, const std::string& separators = " ");

// The number a text gives: decimal comma or point, optional sign, exponent and surrounding blanks;
// a missing leading zero (".5", "-,5", "+.5") is mended. "" gives 0; anything else that is not a
// Single-range number gives Kein_Wert. Never raises.
float StrToSingle(const std::string& text);

// The run time's text of the Single (at most seven significant digits), with a decimal point; ""
// for Kein_Wert and for values without a text (not finite).
std::string SingleToStr(float value);
// The shortest text that reads back to the same Single, with a decimal point (up to nine digits);
// "" as for SingleToStr. For numbers a file must give back exactly.
std::string SingleToStr_Exakt(float value);

// The arc sine of x in radians; 0 for x > 1 (or not a number). x = 1 and x = -1 raise "Division
// by zero", x < -1 raises "Invalid procedure call or argument".
float ArcSin(float x);
