#pragma once
// Program-wide settings. (For now the few that start-up needs, held in memory.)
#include <cstdint>
#include <string>

class clsOptions {
public:
    int32_t Sprache() const { return sprache_; }
    void setSprache(int32_t value) { sprache_ = value; }
    int32_t ButtonStyle() const { return buttonStyle_; }
    void setButtonStyle(int32_t value) { buttonStyle_ = value; }
    float Delta_k() const { return deltaK_; }
    void setDelta_k(float value) { deltaK_ = value; }
    // The last folder chosen in a file or folder dialog.
    std::string Reg_Folder() const { return regFolder_; }
    void setReg_Folder(const std::string& value) { regFolder_ = value; }
    int32_t FFT_Bits() const { return 14; }
    int32_t FFT_Points() const { return 1 << FFT_Bits(); }

private:
    int32_t sprache_ = 0;
    int32_t buttonStyle_ = 3;
    float deltaK_ = 0.0f;
    std::string regFolder_;
};
