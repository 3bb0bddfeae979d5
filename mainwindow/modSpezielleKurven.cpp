#include "mainwindow/modSpezielleKurven.h"

#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"

#include <filesystem>
#include <system_error>

std::string Spezielle_Kurve_Name(int32_t spezial)
{
    switch (spezial) {
    case PTS_Rechteck_IK: return "Rechteck_IK";
    case PTS_Lorch_IK: return "Lorch_IK";
    case PTS_Demo_IK: return "Demo_IK";
    case PTS_Testpeaks_IK: return "PeakBuilder_IK";
    case PTS_Testpeaks_GR: return "PeakBuilder_GR";
    case PTS_Demo_JK: return "Demo_JK";
    default: return "Kurve";
    }
}

bool Spezielle_Kurve_Beschreiben(int32_t projektTyp, int32_t spezial)
{
    try {
        clsCommon& common = rt::Object(gCommon);
        // Generated curves have no file of their own: their results go to the user's data folder.
        const std::string ordner = rt::Object(gLoader).ApplicationPath() + "Ergebnisse/";
        std::error_code fehler;
        std::filesystem::create_directories(ordner, fehler);
        if (fehler) rt::Raise(rt::errPathNotFound);
        common.Pfad_Zerlegen(ordner + Spezielle_Kurve_Name(spezial), false);
        common.setProjektTyp(projektTyp);
        common.setProjektTyp_Spezial(spezial);
        common.setEnable_Record(true);
        return true;
    } catch (const rt::RuntimeError& e) {
        gError->Report("modCommon", "Spezielle_Kurve_Beschreiben", e);
        return false;
    }
}
