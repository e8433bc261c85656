#pragma once
// Conversion coefficients at a point: the shower library interpolated in
// primary energy, then in atmospheric depth, and scaled per dose quantity.
//
// The energy step depends only on the element, the energy bin and the dose
// kind, so a caller that needs many depths can take it once and interpolate
// the 19 depth-wise values for each depth.
#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <span>
#include <vector>

#include "engine/splines.hpp"

namespace tolv7 {

struct EngineContext;
struct EngineRecords;

// A dose kind split into its quantity (1-8) and particle (1-38); both 0 for
// a dose kind outside 1-304.
struct DoseKindParts {
    int q = 0;
    int p = 0;
};

DoseKindParts decoder(int dose_kind);
bool valid_dose_kind(int dose_kind);

// The dose kind of a particle (1-38) and quantity (1-8): particle + 38 x
// (quantity - 1).
int dose_kind_of(int particle, int quantity);

// Factor applied to every interpolated coefficient and uncertainty of quantity q.
double renorm(int q);

// Upper and lower edge of energy bin i of element Z in GeV of total kinetic energy.
double ue(int z, int i);
double le(int z, int i);

// The coefficients along the depth axis (surface first) at the energy of one bin.
using DepthValues = std::array<double, 19>;

// Energy step of ftd and shows; the dose kind must be valid.
DepthValues ftd_depth_values(const EngineRecords& engine, int z, int i, int dose_kind);
DepthValues shows_depth_values(const EngineRecords& engine, int z, int i, int dose_kind);

// Depth step: the value at the depth, times renorm of the quantity. Below
// 918 g/cm2 the value at 918 halves for every further 132 g/cm2.
double at_depth(const DepthValues& values, double depth, int q);

// A depth located once on the library's depth axis, for many prepared
// depth steps.
struct DepthPoint {
    GuardedPoint point;
    bool deep = false;     // below 918 g/cm2
    double halving = 1.0;  // 0.5^((depth - 918) / 132) when deep
};
DepthPoint locate_depth(double depth);

// The depth step prepared once for one set of depth-wise values; gives the
// same values as at_depth.
class PreparedDepthValues {
public:
    PreparedDepthValues() = default;
    PreparedDepthValues(const DepthValues& values, int q);
    double operator()(double depth) const;
    double operator()(const DepthPoint& depth) const;

private:
    GuardedSpline spline_;
    int q_ = 0;
};

// Values of one dose kind for every element and bin (ftd and shows, index
// (z - 1) x 100 + i - 1) and of the quantity's total kind at bins 56 and 50
// for the top-bin factor (index z - 1).
template <class Value>
struct KindTables {
    std::vector<Value> ftd;
    std::vector<Value> shows;
    std::vector<Value> total56;
    std::vector<Value> total50;
};

// The energy steps of one valid dose kind done once: their depth steps.
struct PreparedDoseKind : KindTables<PreparedDepthValues> {
    int dose_kind = 0;
};
PreparedDoseKind prepare_dose_kind(const EngineRecords& engine, int dose_kind);

// The coefficients of one dose kind at one depth, as the prepared depth
// steps give them.
struct DepthCoefficients : KindTables<double> {
    int dose_kind = 0;
    double depth = 0.0;
};
DepthCoefficients coefficients_at(const PreparedDoseKind& kind, double depth);

// Coefficient and its uncertainty of element Z in bin i for the dose kind at
// the depth; 0, with a warning in the check log, for a dose kind outside 1-304.
double ftd(const EngineContext& p, int z, int i, int dose_kind, double depth);
double shows(const EngineContext& p, int z, int i, int dose_kind, double depth);

// Top-bin factor of element Z: 1 for every bin but 100. Flux and energy are
// 27 x 100 tables, element fastest. A factor below 1 (or not finite) becomes
// 1, with a warning in the check log and in DIAGNOSE/DIAGDAP.DAT when open.
double hff(const EngineContext& p, std::span<const double> flux, std::span<const double> energy, int z, int i, int dose_kind,
           double depth);

// The top-bin factor of element Z from the total coefficient of the
// quantity at bins 56 (h56) and 50 (h50), with the warning of hff.
double top_bin_factor(const EngineContext& p, std::span<const double> flux, std::span<const double> energy, int z, double h56,
                      double h50);

// The parts of the top-bin factor of one element that depend on the flux
// and energy tables alone: a power law over bin 99 fitted to bins 90 and
// 100. Many dose kinds and depths share them.
struct TopBinSlope {
    double a = 0;      // c / -(1 + s)
    double b = 0;      // c / -s
    double pow1 = 0;   // e1^(1 + s)
    double pow0 = 0;   // e1^s
    double scale = 0;  // F(Z,100) x (ue(Z,100) - le(Z,100))
    double t56 = 0, t50 = 0;
    // The warning lines of the factors below 1 met so far, by the factor's
    // bits (a factor that comes again has the same text).
    mutable std::unordered_map<std::uint64_t, std::string> warnings;
};
TopBinSlope top_bin_slope(std::span<const double> flux, std::span<const double> energy, int z);
double top_bin_factor(const EngineContext& p, const TopBinSlope& slope, double h56, double h50);

}  // namespace tolv7
