#pragma once
// The demonstration I(K) as the resource carries it.
#include <cstdint>
#include <span>
#include <vector>

// The values of resource bytes laid out as a 32-bit count N and then N 32-bit floats, all
// little-endian; empty when the count is below 1 or the bytes end before N values.
std::vector<float> Demo_Werte(std::span<const std::uint8_t> daten);
