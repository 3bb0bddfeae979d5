#pragma once
// The size of the sine transforms, chosen in the options window.
#include <cstdint>

// Sets the number of transform bits. The r grid of G(r) follows the setting at once, so the
// transform is sized anew with it, and a G(r) made on the old grid is marked stale. A size the
// transform cannot take is reported as "Invalid procedure call" and keeps the old one.
void FFT_Bits_Setzen(int32_t bits);
