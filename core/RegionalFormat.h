#pragma once
// Number text in the user's regional settings (the C library's numeric locale, which the ui
// selects from the environment at start-up): decimal sign and thousands grouping.
#include <cstdint>
#include <string>

namespace zelo {

// value with the given number of decimals, grouped, with a leading zero ("1,023.0", "0.5");
// halves are rounded away from zero.
std::string FormatNumber(double value, int decimals);

// A whole number in the pattern "#,###,###": grouped, and 0 gives "".
std::string FormatGroupedDigits(uint64_t value);

}
