#pragma once
// The shower library: for each primary slot, primary energy, atmospheric
// depth, secondary particle kind and dose quantity, a fluence-to-dose
// conversion coefficient (ftdcc) and its uncertainty (ftdccs), read once at
// start-up from the 27 files under SHOWERS/.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace tolv7 {

struct EngineContext;

inline constexpr int kShowerSlots = 27;      // slot Z + 1 holds element Z; slot 1 is never looked up
inline constexpr int kShowerEnergies = 19;   // the coefficient energy grid
inline constexpr int kShowerDepths = 19;     // the depth axis, surface (1) to top (19)
inline constexpr int kShowerParticles = 38;  // particle codes 1-37 and 38 for all
inline constexpr int kAllParticles = kShowerParticles;  // the particle code of all particles together
inline constexpr int kDoseQuantities = 8;
// Dose kinds are particle + kShowerParticles x (quantity - 1): 1 to this.
inline constexpr int kDoseKinds = kShowerParticles * kDoseQuantities;
inline constexpr std::size_t kShowerValues =
    std::size_t{kShowerSlots} * kShowerEnergies * kShowerDepths * kShowerParticles * kDoseQuantities;

// Position of (slot, energy, depth, particle, quantity), each counted from 1,
// the slot varying fastest.
constexpr std::size_t shower_index(int s, int e, int d, int p, int q) {
    return static_cast<std::size_t>(
        (s - 1) + kShowerSlots * ((e - 1) + kShowerEnergies * ((d - 1) + kShowerDepths * ((p - 1) + kShowerParticles * (q - 1)))));
}

// File names by slot; the last two are never loaded.
inline constexpr std::array<const char*, 29> kShowerFiles = {
    "nushower.dat", "H_shower.dat", "Heshower.dat", "Lishower.dat", "Beshower.dat", "B_shower.dat",
    "C_shower.dat", "N_shower.dat", "O_shower.dat", "F_shower.dat", "Neshower.dat", "Nashower.dat",
    "Mgshower.dat", "Alshower.dat", "Sishower.dat", "P_shower.dat", "S_shower.dat", "Clshower.dat",
    "Arshower.dat", "K_shower.dat", "Cashower.dat", "Scshower.dat", "Tishower.dat", "V_shower.dat",
    "Crshower.dat", "Mnshower.dat", "Feshower.dat", "Coshower.dat", "Nishower.dat",
};

// One number field of a shower record: blanks ignored, all blank reads as 0,
// 3 implied decimals when no point is written; nullopt when it holds no number.
std::optional<double> shower_field(std::string_view field);

// Reads the 27 files into p.engine.ftdcc and ftdccs and adjusts the top depth.
void loadftdccs(const EngineContext& p);

}  // namespace tolv7
