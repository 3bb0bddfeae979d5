#pragma once
// A text of the program's language table, by number, for a window.
#include "core/Runtime.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"

#include <QString>

#include <cstdint>

inline QString Text(int32_t number) { return QString::fromStdString(rt::Object(gLanguage).Caption(number)); }
