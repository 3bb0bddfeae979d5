#pragma once
// The fields of the working curve that its editing changes, seen through references, so that the
// editing, jump correction and formula conversion live in files of their own and can be tested
// on a few plain variables. Indices are 1-based; Y(i) is stored at Y[i - 1].
#include <cstdint>
#include <vector>

struct CurveView {
    std::vector<float>& Y;
    int32_t& Punkte;
    float& Schrittweite;
    float& Minimum_X;
    float& Maximum_X;
    // The clip level and the stored lowest value.
    float& Maximum_Y;
    float& Minimum;
    float& Mitte;
    int32_t& Mitte_Index;

    // (i - 1) · Schrittweite + Minimum_X in double precision, for any i.
    float x(int32_t i) const;
    // Y(i), or 0 outside 1..Punkte.
    float ValueAt(int32_t i) const;
    // Y(i) for writing; an index outside 1..Punkte raises "Subscript out of range".
    float& At(int32_t i);
    // The grid index nearest to X (halves to the even index); a zero step raises.
    int32_t Index(float X) const;
    // Punkte = n and Y cut or extended to n values (new ones 0).
    void Resize(int32_t n);
};

// The copy buffer and the selected range.
struct PieceView {
    std::vector<float>& Y_Temp;
    std::vector<float>& YU;
    int32_t& Temp_Punkte;
    int32_t& X_StartIndex;
    int32_t& X_StartIndex_Rechts;
    bool& Punkte_Kopiert;
};
