#include "FuzzWelt.h"

#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"

#include <cmath>
#include <fstream>

FuzzWelt& FuzzWelt::Get()
{
    static FuzzWelt welt;
    return welt;
}

FuzzWelt::FuzzWelt()
{
    StartStageStore();
    MakeCurveMath();
    gOptions->setFaktor_X(1.0f);
}

void FuzzWelt::Neu()
{
    // The seam records every message; millions of inputs must not pile them up.
    seam.messages.clear();
    seam.logLines.clear();
    seam.dialogs.clear();
    seam.answers.clear();
    seam.dialogAnswers.clear();
    seam.errorWindows = 0;
    seam.redraws = 0;
    seam.events = 0;
    gError->setError(false);
}

std::string FuzzWelt::Datei(const std::string& name, const uint8_t* data, size_t size)
{
    Neu();
    const std::string path = name.starts_with('/') ? name : (env.Root() / name).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                  static_cast<std::streamsize>(size));
    return path;
}

void FuzzWelt::Arbeitskurve()
{
    gCalc->Punkte_Loeschen();
    for (int32_t i = 0; i < 400; ++i) gCalc->Punkte_Plus(0.0f, 100.0f + 10.0f * std::sin(0.3f * static_cast<float>(i)));
    gCalc->setMinimum_X(0.0f);
    gCalc->setSchrittweite(0.1f);
    gCalc->setMaximum_X(40.0f);
    gCalc->Extremwerte_suchen();
}
