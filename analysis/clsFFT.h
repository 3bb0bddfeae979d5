#pragma once
// The radix-2 Fourier sine transforms.

class clsFFT {
public:
    void SetupFFT() {}
};
