#pragma once
// _Y names the curve by its y values, as the stage store keeps them.
// One curve on an equidistant grid: the values with their first x, step, curve kind and the stage
// level at which it was saved. The stage store keeps its curves in it; elsewhere it is a plain
// container of a curve.
#include <cstdint>
#include <vector>

class cls_Y {
    // Reads form-factor files through the copy that lets a run-time error pass to its handler.
    friend class clsFMK;

public:
    // Copies the curve that gInput read last into Y from value 1 on; Anzahl must already hold at
    // least that many values (else "Subscript out of range" is reported and nothing copied).
    void CopyArrayFromInput();

    int32_t level() const { return level_; }
    void setlevel(int32_t value) { level_ = value; }
    int32_t Anzahl() const { return static_cast<int32_t>(y_.size()); }
    // Sizes Y afresh to value zeros; a negative count changes nothing.
    void setAnzahl(int32_t value);
    // Value Index (1-based); 0 outside the curve.
    float Y(int32_t Index) const;
    // Sets value Index; outside the curve nothing happens.
    void setY(int32_t Index, float Value);
    void Add_Y(int32_t Index, float Value) { setY(Index, Value); }
    float Delta_X() const { return deltaX_; }
    void setDelta_X(float value) { deltaX_ = value; }
    float X_Min() const { return xMin_; }
    void setX_Min(float value) { xMin_ = value; }
    int32_t Typ() const { return typ_; }
    void setTyp(int32_t value) { typ_ = value; }

private:
    void CopyArrayFromInput_Ungeschuetzt();

    std::vector<float> y_;
    float xMin_ = 0.0f;
    float deltaX_ = 0.0f;
    int32_t typ_ = 0;
    int32_t level_ = 0;
};
