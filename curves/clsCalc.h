#pragma once
// The working curve: the measured spectrum on its grid and its editing.

class clsCalc {
public:
    void Punkte_Loeschen() {}
};
