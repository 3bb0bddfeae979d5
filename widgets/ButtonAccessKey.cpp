#include "widgets/ButtonAccessKey.h"

namespace ButtonAccessKey {

std::optional<QChar> FromCaption(const QString& caption)
{
    if (caption.size() < 2)
        return std::nullopt;
    qsizetype amp = caption.indexOf('&');
    if (amp < 0 || amp == caption.size() - 1)
        return std::nullopt;
    if (caption.at(amp + 1) != '&')
        return caption.at(amp + 1).toLower();
    // Only this first "&&" pair is skipped.
    amp = caption.indexOf('&', amp + 2);
    if (amp < 0 || amp == caption.size() - 1 || caption.at(amp + 1) == '&')
        return std::nullopt;
    return caption.at(amp + 1).toLower();
}

}
