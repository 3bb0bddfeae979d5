#include "curves/CurveLog.h"

#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"

void CurveRecord(const std::string& line)
{
    if (gCommon) gCommon->Record(line);
}

std::string TimeOfDay()
{
    const std::string now = rt::NowText();
    return now.substr(now.find(' ') + 1);
}

std::string CurveText(int32_t n) { return gLanguage ? gLanguage->Caption(n) : ""; }
