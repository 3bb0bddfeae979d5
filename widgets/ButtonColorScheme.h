#pragma once
// The preset colour schemes of the button looks: which scheme a look starts with and which back
// colour a look takes in a scheme.
#include <QColor>
#include <cstdint>
#include <optional>

namespace ButtonColorScheme {

constexpr int32_t kCustomScheme = 3;

// The scheme a look brings along when it is chosen; looks without one keep the current scheme.
int32_t DefaultScheme(int32_t look, int32_t currentScheme);

// The back colour of a look in a scheme; none where the look or the scheme keeps the colour it has.
std::optional<QColor> SchemeBackColor(int32_t look, int32_t scheme);

// Looks that draw the focus rectangle by default.
bool ShowsFocusRect(int32_t look);

}
