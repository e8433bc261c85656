#pragma once
// The fold of the dose rate: the primary flux of each element and energy bin
// that passes the geomagnetic cutoff, weighted by the sky and the bin's
// conversion coefficient, summed over hydrogen to iron, with the variance of
// the sum. Values in, values out: no files, no logs, no program state.
//
// Notation:
//   z        element, 1 (hydrogen) to 26 (iron); i energy bin, 1-100
//   F, V     flux of the bin and its variance (tables of 27 rows x 100 bins,
//            element fastest: index (z - 1) + 27 (i - 1))
//   U, S     conversion coefficient of the bin and its uncertainty
//            (index (z - 1) x 100 + i - 1)
//   H        top-bin factor of the element (bin 100 only; 1 for other bins)
//   W        sky weight: the share of the sky that passes times its weight
//   rc, ec   cutoff rigidity (GV) and the element's kinetic energy at rc (GeV)
//   lr, ur   bin edges in rigidity (GV); le, ue the same in total kinetic
//            energy (GeV)
//   O        fluence of the bin; d the dose sum, v its variance
#include <cstddef>
#include <functional>
#include <span>

namespace tolv7 {

inline constexpr int kFoldElements = 26;  // hydrogen to iron fold with the library
inline constexpr int kFoldRows = 27;      // rows of the flux tables
inline constexpr int kFoldBins = 100;
// The fold's normalisation: 0.72 times pi in single precision.
inline constexpr double kFoldNorm = 2.261946773529053;
static_assert(kFoldNorm == 0.72 * static_cast<double>(3.14159265f));

// Index of element z, bin i in the flux tables and in the coefficient tables.
inline std::size_t fold_flux_index(int z, int i) { return static_cast<std::size_t>((z - 1) + kFoldRows * (i - 1)); }
inline std::size_t fold_bin_index(int z, int i) { return static_cast<std::size_t>((z - 1) * kFoldBins + (i - 1)); }

// F and V, 27 x 100 each.
struct FoldSpectrum {
    std::span<const double> flux;
    std::span<const double> variance;
};

// What the geomagnetic filter lets through: rc and W.
struct FoldSky {
    double cutoff = 0.0;
    double weight = 0.0;
};

// U and S (26 x 100 each) and H (26, index z - 1).
struct FoldCoefficients {
    std::span<const double> ftd;
    std::span<const double> shows;
    std::span<const double> top;
};

struct FoldResult {
    double rate = 0.0;      // d, per hour
    double variance = 0.0;  // v
};

// The dose rate and its variance. Each bin below the cutoff adds nothing;
// each bin above it adds U x W x O with O = norm x H x (ue - le) x F; the bin
// the cutoff falls in adds only its part above ec. Its variance share is
// V (term / F)^2 + S^2 (term / U)^2. Throws std::invalid_argument for tables
// too small.
FoldResult fold_dose(const FoldSpectrum& spectrum, const FoldSky& sky, const FoldCoefficients& coefficients);

// The coefficients of one bin.
struct BinCoefficients {
    double u = 0.0;
    double s = 0.0;
    double h = 1.0;
};

// One bin of the fold as a trace shows it: the bin, its edges, the running
// values after it and the fluence and cutoff energy last set (they keep
// their values over bins that do not set them; 0 before the first).
struct FoldStep {
    int z = 0;
    int i = 0;
    double lr = 0.0, ur = 0.0, le = 0.0, ue = 0.0;
    double last_ec = 0.0;  // ec of the last bin the cutoff fell in
    double last_o = 0.0;   // O of the last bin that let flux through
    double flux = 0.0;
    BinCoefficients coefficients;
    double term = 0.0;     // what the bin added to d
    FoldResult sum;        // d and v after the bin
};

// The same fold, the coefficients asked of `coefficients_of(z, i)` bin by bin
// in the fold's order and each bin shown to `step` (when given) once added,
// so that a caller can interleave its own lines with the bins'. Gives the same result
// as fold_dose for the same coefficients.
FoldResult fold_dose_by_bin(const FoldSpectrum& spectrum, const FoldSky& sky,
                            const std::function<BinCoefficients(int z, int i)>& coefficients_of,
                            const std::function<void(const FoldStep&)>& step);

}  // namespace tolv7
