#include "analysis/TransformGroesse.h"

#include "analysis/clsFFT.h"
#include "analysis/clsGR.h"
#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"

void FFT_Bits_Setzen(int32_t bits)
{
    Guarded("TransformGroesse", "FFT_Bits_Setzen", [bits] {
        clsOptions& options = rt::Object(gOptions);
        const int32_t alt = options.FFT_Bits();
        if (bits == alt) return;
        options.setFFT_Bits(bits);
        try {
            rt::Object(gFFT).SetupFFT_Ungeschuetzt();
        } catch (const rt::RuntimeError&) {
            options.setFFT_Bits(alt);
            throw;
        }
        clsGR& gr = rt::Object(gGR);
        if (gr.Punkte() > 0) gr.setVeraltet(true);
    });
}
