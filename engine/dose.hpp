#pragma once
// The dose rate at a point: the primary spectrum of the date, cut by the
// geomagnetic cutoff of the place, scaled by the Forbush factor and folded
// with the shower library's conversion coefficients at the point's depth.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/coefficient_lookup.hpp"

namespace tolv7 {

struct EngineContext;

// Values the dose computation keeps between calls: the primary flux, its
// total kinetic energy and variance, the kinetic energy per nucleon (27
// elements x 100 bins, element fastest; all rewritten at every call), the
// prepared coefficients of the dose kinds used last, and their values at the
// (dose kind, depth) pairs used last (both newest last).
struct DoseKept {
    std::vector<double> gcrflux;
    std::vector<double> gcrke;
    std::vector<double> gcrvar;
    std::vector<double> kepn;
    bool energies_filled = false;  // gcrke and kepn hold the spectra's energies
    std::vector<std::unique_ptr<PreparedDoseKind>> prepared;
    std::vector<std::unique_ptr<DepthCoefficients>> at_depths;
    // The top-bin slopes of hydrogen to iron, for the flux of the spectrum
    // computation `slopes_spectrum` scaled by the Forbush factor `slopes_factor`.
    std::vector<TopBinSlope> slopes;
    std::uint64_t slopes_spectrum = 0;
    double slopes_factor = 0.0;
};

// Rate per hour of the dose kind (particle + 38 x (quantity - 1), 1-304) at
// latitude and longitude (degrees, north and east positive), atmospheric
// depth (g/cm2) and decimal-year date. The longitude is turned in place into
// the range 0-360. Leaves the rate's 1-sigma uncertainty in
// p.engine.isostats and the vertical cutoff of the place in p.engine.vcut.
// test 1 writes the detailed trace to DIAGNOSE/DIAGDAP.DAT; the GCR model and
// superposition numbers only go to the check log.
double dose(const EngineContext& p, double latitude, double& longitude, double depth, double date, int dose_kind,
            int gcr_model, int test, int superposition);

}  // namespace tolv7
