#pragma once
// The elements hydrogen (Z = 1) to nickel (Z = 28): integer mass number,
// atomic mass and rest energy per nucleon in GeV (single-precision values
// widened, as the models use them).
#include <array>

namespace tolv7 {

struct Element {
    int mass_number;     // A
    double atomic_mass;  // M
    double rest_energy;  // m, GeV per nucleon
};

// Index Z - 1.
inline constexpr std::array<Element, 28> kAtomic = {{
    {1, 1.0f, 0.938f},   {4, 4.0f, 0.939f},   {7, 6.9f, 0.939f},   {9, 9.0f, 0.939f},
    {11, 10.8f, 0.939f}, {12, 12.0f, 0.939f}, {14, 14.0f, 0.939f}, {16, 16.0f, 0.939f},
    {19, 19.0f, 0.939f}, {20, 20.2f, 0.939f}, {23, 23.0f, 0.939f}, {24, 24.3f, 0.939f},
    {27, 27.0f, 0.939f}, {28, 28.1f, 0.939f}, {31, 31.0f, 0.939f}, {32, 32.1f, 0.939f},
    {35, 35.4f, 0.939f}, {40, 39.9f, 0.939f}, {39, 39.1f, 0.939f}, {40, 40.1f, 0.939f},
    {45, 44.9f, 0.939f}, {48, 47.9f, 0.939f}, {51, 50.9f, 0.939f}, {52, 52.0f, 0.939f},
    {55, 54.9f, 0.939f}, {56, 55.8f, 0.939f}, {59, 58.9f, 0.939f}, {59, 58.7f, 0.939f},
}};

inline const Element& atomic(int z) { return kAtomic[static_cast<std::size_t>(z - 1)]; }

}  // namespace tolv7
