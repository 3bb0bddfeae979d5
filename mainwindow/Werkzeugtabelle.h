#pragma once
// The 25 tool buttons of the main window as the window creates them: place, mode, caption, tooltip,
// picture and whether they show at start.
#include <array>
#include <cstdint>

inline constexpr int32_t kWerkzeuge = 25;
inline constexpr int32_t kModusPush = 0;
inline constexpr int32_t kModusToggle = 1;
inline constexpr int32_t kModusOption = 2;
// The tools the program sets by name; the step buttons are the kSchritt_ indices of clsSchritte.h.
inline constexpr int32_t kWerkzeug_Fit = 11;
inline constexpr int32_t kWerkzeug_Falten = 12;
inline constexpr int32_t kWerkzeug_Extras = 18;
inline constexpr int32_t kWerkzeug_Vorschau = 19;
inline constexpr int32_t kWerkzeug_AutoFTR = 20;
inline constexpr int32_t kWerkzeug_Weiter = 23;
inline constexpr int32_t kWerkzeug_Peaks = 25;
// Caption numbers beside the text numbers: no caption, and the literal caption given.
inline constexpr int32_t kOhneText = -1;
inline constexpr int32_t kLiteralText = -2;

struct Werkzeug {
    int32_t Index;
    int32_t Left;
    // For "Weiter" (23) counted from the top of the panel frame.
    int32_t Top;
    int32_t Width;
    int32_t Height;
    int32_t Mode;
    int32_t Caption;
    int32_t ToolTip;
    bool Visible;
    // Picture number 101..108, 0 for none.
    int32_t Icon;
    const char* Literal;
};

// In the order the window creates them (19 before 18).
const std::array<Werkzeug, kWerkzeuge>& Werkzeugtabelle();
// The entry of tool index 1..25.
const Werkzeug& Werkzeug_Daten(int32_t index);
