#pragma once
// The galactic cosmic-ray spectra of hydrogen to nickel outside the
// magnetosphere, modulated by the heliocentric potential of a date (force
// field), written to GCR_MODELS/ISO_GCR2.OUT for the dose computation.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tolv7 {

struct EngineContext;

inline constexpr int kSpectrumElements = 28;
inline constexpr int kSpectrumEnergies = 100;

// The 100 kinetic energies per nucleon (GeV) of the spectra, index j - 1:
// the work grid, bins 35-50, 77-80, 82 and 83 held as single-precision values.
extern const std::array<double, kSpectrumEnergies> kKepn;

// The spectra as the file holds them: each value is its printed E11.3 text
// read back, so the dose computation can use them without reading the file.
// Element z = 1-28 and energy bin j = 1-100 sit at index(z, j).
struct PrimarySpectrum {
    std::array<double, kSpectrumElements * kSpectrumEnergies> total_energy{};  // E x N, GeV
    std::array<double, kSpectrumElements * kSpectrumEnergies> flux{};
    // Which computation filled the values: a new number for every one.
    std::uint64_t generation = 0;

    static std::size_t index(int z, int j) {
        return static_cast<std::size_t>(z - 1) * kSpectrumEnergies + static_cast<std::size_t>(j - 1);
    }
};

// The spectra of one potential, as text lines 3-2802 of the file and as
// read back; they depend on the potential alone.
struct KeptSpectrum {
    double phi = 0.0;
    std::string lines;
    PrimarySpectrum values;
};

// The spectra of the last few potentials computed, newest last: a list of
// dates keeps coming back to the same monthly and daily potentials.
struct SpectrumCache {
    std::vector<std::unique_ptr<KeptSpectrum>> kept;
};

// Writes the spectra of the date's potential to GCR_MODELS/ISO_GCR2.OUT
// (the depth only goes to the first line) and returns them as read back.
// The spectra of an unchanged potential are not computed again (unless
// caching is off); the file is written at every call.
const PrimarySpectrum& get_hpd_iso(const EngineContext& p, double date, double depth);

struct GcrFlux {
    double total_energy = 0.0;   // E x N, GeV
    double rigidity_flux = 0.0;  // C beta'^ALPHA / R'^GAMMA (R / R')^2
    double flux = 0.0;
};

// Flux of element z at kinetic energy per nucleon e (GeV) with rigidity r at
// e, for the heliocentric potential phi in GV.
GcrFlux iso_gcr_flux2(int z, double r, double e, double phi);

// Rigidity in GV of element z at kinetic energy per nucleon e in GeV.
double rigidity(double e, int z);
// Total kinetic energy in GeV of element z at rigidity r in GV.
double kinetic(int z, double r);
// Momentum of a nucleon of kinetic energy e, and that momentum over z.
double p(double e);
double r(double e, int z);
// Heliocentric potential in MV of a decimal-year date; when the run marked
// the date as a yearly or monthly average (useaves), that of the average of
// the date's year or month.
double findu(const EngineContext& prog, double date);
// 1.0 on the energy grid (1 <= i <= 100), else the single-precision 1e-8.
double fluxmod(double any, int i);

}  // namespace tolv7
