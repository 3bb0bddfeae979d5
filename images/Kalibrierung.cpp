#include "images/Kalibrierung.h"

#include "core/NumberFormat.h"
#include "core/modString.h"

#include <cmath>

float CF_Aus_Text(const std::string& text, float bisher)
{
    const float c = StrToSingle(text);
    if (c == Kein_Wert || !std::isfinite(c) || c <= 0.0f) return bisher;
    return static_cast<float>(c / 1000000.0 * 2.0 * 3.14159265358979);
}

std::string CF_Beschriftung(float cf) { return "CF = C/1E6 *2Pi = " + FixedText(cf, 6) + " 1/(Pixel nm)"; }
