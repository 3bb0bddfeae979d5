#pragma once
// The access key of a button caption: the character after the first "&" that is not part of a
// leading "&&" pair ("&Datei" gives d, "A&&B&C" gives c, "A&&B" none), in lower case.
#include <QChar>
#include <QString>
#include <optional>

namespace ButtonAccessKey {

std::optional<QChar> FromCaption(const QString& caption);

}
