#include "core/Vektorregister.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace {

// Only built for AVX; called only where the processor has it.
__attribute__((target("avx"))) void Leeren() { _mm256_zeroupper(); }

bool Hat_AVX()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx");
}

}

void Obere_Vektorhaelften_Leeren()
{
    static const bool hatAVX = Hat_AVX();
    if (hatAVX) Leeren();
}

#else

void Obere_Vektorhaelften_Leeren() {}

#endif
