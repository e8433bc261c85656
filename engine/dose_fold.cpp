// The fold of the dose rate (notation in dose_fold.hpp).
#include "engine/dose_fold.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "engine/atomic.hpp"
#include "engine/coefficient_lookup.hpp"
#include "engine/primary_spectrum.hpp"

namespace tolv7 {

namespace {

// lr, ur, le and ue of each bin (index as U); they depend on the element and
// bin alone.
struct BinEdges {
    std::vector<double> lr, ur, le, ue;
};

const BinEdges& bin_edges() {
    static const BinEdges edges = [] {
        BinEdges b;
        for (int z = 1; z <= kFoldElements; ++z)
            for (int i = 1; i <= kFoldBins; ++i) {
                double a = atomic(z).mass_number;
                b.le.push_back(le(z, i));
                b.ue.push_back(ue(z, i));
                b.lr.push_back(rigidity(b.le.back() / a, z));
                b.ur.push_back(rigidity(b.ue.back() / a, z));
            }
        return b;
    }();
    return edges;
}

// One bin of the fold: its fluence O (kept in `last_o`) when the sky lets
// it through and the cutoff leaves a share of it, the term U x W x O added
// to d and its variance to v. Returns the term (0 without a share).
inline double fold_bin(const BinEdges& edges, std::size_t b, double w, double rc, double ec, double hf, double flux,
                       double var, double u, double s, double& d, double& v, double& last_o) {
    if (w == 0.0) return 0.0;
    if (rc <= edges.lr[b]) {
        last_o = kFoldNorm * hf * (edges.ue[b] - edges.le[b]) * flux;
    } else if (rc < edges.ur[b]) {
        // The cutoff falls inside the bin: only the part above the cutoff
        // energy counts, and never less than nothing.
        last_o = kFoldNorm * std::max(0.0, edges.ue[b] - ec) * flux;
    } else {
        return 0.0;
    }
    const double term = u * w * last_o;
    d += term;
    if (flux != 0.0 && u != 0.0) {
        // The flux variance is 0: its share adds +0 to the sum (which leaves
        // it as it is) unless term / flux overflows, so it is computed only
        // then.
        double flux_share = 0.0;
        if (var != 0.0 || !(std::fabs(term) <= std::fabs(flux) * 1e150)) flux_share = var * ((term / flux) * (term / flux));
        v = v + flux_share + (s * s) * ((term / u) * (term / u));
    }
    return term;
}

void check_spectrum(const FoldSpectrum& spectrum) {
    constexpr std::size_t cells = std::size_t{kFoldRows} * kFoldBins;
    if (spectrum.flux.size() < cells || spectrum.variance.size() < cells)
        throw std::invalid_argument("the fold needs 27 x 100 flux and variance tables");
}

// The fold over every bin; `coefficients_of(z, i)` gives the bin's U, S and
// H, `step` sees each bin once added. With `Traced` false the running
// values a trace shows are not kept.
template <bool Traced, class CoefficientsOf, class Step>
FoldResult fold_bins(const FoldSpectrum& spectrum, const FoldSky& sky, CoefficientsOf&& coefficients_of, Step&& step) {
    check_spectrum(spectrum);
    const BinEdges& edges = bin_edges();
    const double w = sky.weight;
    const double rc = sky.cutoff;
    double d = 0.0;
    double v = 0.0;
    double last_ec = 0.0;
    double last_o = 0.0;
    for (int z = 1; z <= kFoldElements; ++z) {
        const double ec = kinetic(z, rc);
        for (int i = 1; i <= kFoldBins; ++i) {
            const std::size_t b = fold_bin_index(z, i);
            const BinCoefficients c = coefficients_of(z, i);
            const double flux = spectrum.flux[fold_flux_index(z, i)];
            if (Traced && w != 0.0 && rc > edges.lr[b] && rc < edges.ur[b]) last_ec = ec;
            const double term = fold_bin(edges, b, w, rc, ec, c.h, flux, spectrum.variance[fold_flux_index(z, i)],
                                         c.u, c.s, d, v, last_o);
            if constexpr (Traced) {
                if (step)
                    step(FoldStep{z, i, edges.lr[b], edges.ur[b], edges.le[b], edges.ue[b], last_ec, last_o, flux, c,
                                  term, FoldResult{d, v}});
            }
        }
    }
    return {d, v};
}

}  // namespace

FoldResult fold_dose(const FoldSpectrum& spectrum, const FoldSky& sky, const FoldCoefficients& coefficients) {
    constexpr std::size_t bins = std::size_t{kFoldElements} * kFoldBins;
    if (coefficients.ftd.size() < bins || coefficients.shows.size() < bins ||
        coefficients.top.size() < std::size_t{kFoldElements})
        throw std::invalid_argument("the fold needs 26 x 100 coefficients and 26 top-bin factors");
    auto table = [&coefficients](int z, int i) {
        const std::size_t b = fold_bin_index(z, i);
        return BinCoefficients{coefficients.ftd[b], coefficients.shows[b],
                               i == kFoldBins ? coefficients.top[static_cast<std::size_t>(z - 1)] : 1.0};
    };
    return fold_bins<false>(spectrum, sky, table, [](const FoldStep&) {});
}

FoldResult fold_dose_by_bin(const FoldSpectrum& spectrum, const FoldSky& sky,
                            const std::function<BinCoefficients(int z, int i)>& coefficients_of,
                            const std::function<void(const FoldStep&)>& step) {
    return fold_bins<true>(spectrum, sky, coefficients_of, step);
}

}  // namespace tolv7
