#include "engine/coefficient_lookup.hpp"

#include <bit>
#include <cmath>
#include <stdexcept>
#include <string>

#include "app/fortran_format.hpp"
#include "engine/atomic.hpp"
#include "engine/energy_grid.hpp"
#include "engine/engine_context.hpp"
#include "engine/shower_library.hpp"
#include "engine/splines.hpp"

namespace tolv7 {

namespace {

constexpr int kBins = 100;
constexpr int kTopBin = 100;
constexpr int kElements = 27;  // rows of the flux and energy tables

// The library's energy axis in GeV (the MeV grid times the single-precision 0.001).
const std::array<double, 19>& energy_axis_gev() {
    static const std::array<double, 19> axis = [] {
        std::array<double, 19> a{};
        for (std::size_t e = 0; e < a.size(); ++e) a[e] = kCoefficientEnergyMeV[e] * kSingleMilli;
        return a;
    }();
    return axis;
}

void check_lookup(const EngineRecords& engine, int z, int i) {
    if (engine.ftdcc.size() != kShowerValues || engine.ftdccs.size() != kShowerValues)
        throw std::logic_error("the shower library is not loaded");
    if (z < 1 || z > kShowerSlots - 1 || i < 1 || i > kBins)
        throw std::out_of_range("coefficient lookup for element " + std::to_string(z) + ", bin " +
                                std::to_string(i));
}

// The library's values of one slice interpolated along energy at `total_gev`,
// for each depth.
DepthValues energy_step(const std::vector<double>& table, int z, int dose_kind, double total_gev) {
    DoseKindParts k = decoder(dose_kind);
    DepthValues values{};
    std::array<double, kShowerEnergies> along_energy{};
    for (int d = 1; d <= kShowerDepths; ++d) {
        for (int e = 1; e <= kShowerEnergies; ++e)
            along_energy[static_cast<std::size_t>(e - 1)] = table[shower_index(z + 1, e, d, k.p, k.q)];
        values[static_cast<std::size_t>(d - 1)] =
            kcspline(energy_axis_gev(), along_energy, kNaturalEnd, kNaturalEnd, total_gev);
    }
    return values;
}

// The energy steps of one slice for the given bins of element z: the
// slice's values along energy do not depend on the bin, so each depth's
// spline is prepared once and read at the total energy of every bin.
std::vector<DepthValues> energy_steps(const std::vector<double>& table, int z, int dose_kind,
                                      const std::vector<GuardedPoint>& bins) {
    DoseKindParts k = decoder(dose_kind);
    std::vector<DepthValues> values(bins.size());
    std::array<double, kShowerEnergies> along_energy{};
    for (int d = 1; d <= kShowerDepths; ++d) {
        for (int e = 1; e <= kShowerEnergies; ++e)
            along_energy[static_cast<std::size_t>(e - 1)] = table[shower_index(z + 1, e, d, k.p, k.q)];
        GuardedSpline spline(energy_axis_gev(), along_energy, kNaturalEnd, kNaturalEnd);
        for (std::size_t b = 0; b < bins.size(); ++b)
            values[b][static_cast<std::size_t>(d - 1)] = spline.at_point(bins[b]);
    }
    return values;
}

// The total energy of bin i of element z located on the energy axis, as
// ftd (by the atomic mass) or shows (by the mass number) takes it.
GuardedPoint energy_point(int z, int i, bool by_atomic_mass) {
    static const GuardedSpline axis = [] {
        std::array<double, kShowerEnergies> ones;
        ones.fill(1.0);
        return GuardedSpline(energy_axis_gev(), ones, kNaturalEnd, kNaturalEnd);
    }();
    double e = kEnergyGrid[static_cast<std::size_t>(i - 1)];
    return axis.locate(by_atomic_mass ? e * atomic(z).atomic_mass : atomic(z).mass_number * e);
}

// A dose kind outside 1 to kDoseKinds addresses nothing in the library: the caller
// gets a neutral value and the check log a line saying so.
bool usable_dose_kind(const EngineContext& p, int dose_kind, const char* routine, const char* result) {
    if (valid_dose_kind(dose_kind)) return true;
    p.log.line(ListLine() << "Warning, dose kind" << dose_kind
                          << (" is outside 1 to " + std::to_string(kDoseKinds) + "; ") << routine << " gives " << result);
    return false;
}

}  // namespace

bool valid_dose_kind(int dose_kind) { return dose_kind >= 1 && dose_kind <= kDoseKinds; }

int dose_kind_of(int particle, int quantity) { return particle + kShowerParticles * (quantity - 1); }

DoseKindParts decoder(int dose_kind) {
    if (!valid_dose_kind(dose_kind)) return {};
    int q = (dose_kind - 1) / kShowerParticles + 1;
    return {q, dose_kind - kShowerParticles * (q - 1)};
}

// Calibration of the library's values to the units of each quantity: the
// secondary fluence (1), the doses (2-7: the single-precision 1.22 divided
// out) and the neutron monitor counts (8).
constexpr double kFluenceScale = 1198087403597632.0;
constexpr double kDoseScale = 0.8196721119254039;
static_assert(kDoseScale == 1.0 / double(1.22f));
constexpr double kCountScale = 2.575075761410234e-11;

double renorm(int q) {
    if (q == 1) return kFluenceScale;
    if (q >= 2 && q <= 7) return kDoseScale;
    if (q == 8) return kCountScale;
    return 0.0;
}

double ue(int z, int i) {
    if (z < 1 || z > static_cast<int>(kAtomic.size()) || i < 1 || i > kBins)
        throw std::out_of_range("no energy bin " + std::to_string(i) + " of element " + std::to_string(z));
    const auto& e = kEnergyGrid;
    double a = atomic(z).mass_number;
    auto k = static_cast<std::size_t>(i - 1);
    if (i < kBins) return a * (e[k] + (e[k + 1] - e[k]) / 2);
    return a * (e[kBins - 1] + (e[kBins - 1] - e[kBins - 2]) / 2);
}

double le(int z, int i) { return i <= 1 ? 0.0 : ue(z, i - 1); }

DepthValues ftd_depth_values(const EngineRecords& engine, int z, int i, int dose_kind) {
    check_lookup(engine, z, i);
    double total = kEnergyGrid[static_cast<std::size_t>(i - 1)] * atomic(z).atomic_mass;
    return energy_step(engine.ftdcc, z, dose_kind, total);
}

DepthValues shows_depth_values(const EngineRecords& engine, int z, int i, int dose_kind) {
    check_lookup(engine, z, i);
    double total = atomic(z).mass_number * kEnergyGrid[static_cast<std::size_t>(i - 1)];
    return energy_step(engine.ftdccs, z, dose_kind, total);
}

namespace {

// Below the library's deepest interpolated level the value at that level
// halves for every further kHalvingDepth g/cm2 of air.
constexpr double kDeepest = 918.0;       // g/cm2, near the library's second depth (918.3537)
constexpr double kHalvingDepth = 132.0;  // g/cm2

double halving_below_deepest(double depth) { return std::pow(0.5, (depth - kDeepest) / kHalvingDepth); }

template <class Spline>
double depth_step(const Spline& spline_at, double depth, int q) {
    double value = depth <= kDeepest ? spline_at(depth) : spline_at(kDeepest) * halving_below_deepest(depth);
    return value * renorm(q);
}

}  // namespace

double at_depth(const DepthValues& values, double depth, int q) {
    return depth_step([&](double at) { return kcspline(kPhys, values, kNaturalEnd, kNaturalEnd, at); }, depth, q);
}

PreparedDepthValues::PreparedDepthValues(const DepthValues& values, int q)
    : spline_(kPhys, values, kNaturalEnd, kNaturalEnd), q_(q) {}

double PreparedDepthValues::operator()(double depth) const { return depth_step(spline_, depth, q_); }

DepthPoint locate_depth(double depth) {
    static const GuardedSpline axis = [] {
        DepthValues ones;
        ones.fill(1.0);
        return GuardedSpline(kPhys, ones, kNaturalEnd, kNaturalEnd);
    }();
    DepthPoint d;
    d.deep = !(depth <= kDeepest);
    d.point = axis.locate(d.deep ? kDeepest : depth);
    if (d.deep) d.halving = halving_below_deepest(depth);
    return d;
}

double PreparedDepthValues::operator()(const DepthPoint& depth) const {
    double value = depth.deep ? spline_.at_point(depth.point) * depth.halving : spline_.at_point(depth.point);
    return value * renorm(q_);
}

PreparedDoseKind prepare_dose_kind(const EngineRecords& engine, int dose_kind) {
    if (!valid_dose_kind(dose_kind)) throw std::invalid_argument("no dose kind " + std::to_string(dose_kind));
    check_lookup(engine, 1, 1);
    PreparedDoseKind prepared;
    prepared.dose_kind = dose_kind;
    int q = decoder(dose_kind).q;
    int total_kind = dose_kind_of(kAllParticles, q);
    for (int z = 1; z < kShowerSlots; ++z) {
        std::vector<GuardedPoint> by_mass, by_number;
        for (int i = 1; i <= kBins; ++i) {
            by_mass.push_back(energy_point(z, i, true));
            by_number.push_back(energy_point(z, i, false));
        }
        for (const DepthValues& v : energy_steps(engine.ftdcc, z, dose_kind, by_mass)) prepared.ftd.emplace_back(v, q);
        for (const DepthValues& v : energy_steps(engine.ftdccs, z, dose_kind, by_number))
            prepared.shows.emplace_back(v, q);
        auto totals = energy_steps(engine.ftdcc, z, total_kind, {by_mass[55], by_mass[49]});
        prepared.total56.emplace_back(totals[0], q);
        prepared.total50.emplace_back(totals[1], q);
    }
    return prepared;
}

DepthCoefficients coefficients_at(const PreparedDoseKind& kind, double depth) {
    DepthCoefficients c;
    c.dose_kind = kind.dose_kind;
    c.depth = depth;
    const DepthPoint at = locate_depth(depth);
    auto values = [&at](const std::vector<PreparedDepthValues>& steps, std::vector<double>& out) {
        out.reserve(steps.size());
        for (const PreparedDepthValues& step : steps) out.push_back(step(at));
    };
    values(kind.ftd, c.ftd);
    values(kind.shows, c.shows);
    values(kind.total56, c.total56);
    values(kind.total50, c.total50);
    return c;
}

double ftd(const EngineContext& p, int z, int i, int dose_kind, double depth) {
    if (!usable_dose_kind(p, dose_kind, "FTD", "0")) return 0.0;
    return at_depth(ftd_depth_values(p.engine, z, i, dose_kind), depth, decoder(dose_kind).q);
}

double shows(const EngineContext& p, int z, int i, int dose_kind, double depth) {
    if (!usable_dose_kind(p, dose_kind, "SHOWS", "0")) return 0.0;
    return at_depth(shows_depth_values(p.engine, z, i, dose_kind), depth, decoder(dose_kind).q);
}

double hff(const EngineContext& p, std::span<const double> flux, std::span<const double> energy, int z, int i, int dose_kind,
           double depth) {
    if (i != kTopBin) return 1.0;
    if (!usable_dose_kind(p, dose_kind, "HFF", "1")) return 1.0;
    // Slope of the total coefficient of the quantity between bins 50 and 56.
    int total_kind = dose_kind_of(kAllParticles, decoder(dose_kind).q);
    double h56 = ftd(p, z, 56, total_kind, depth);
    double h50 = ftd(p, z, 50, total_kind, depth);
    return top_bin_factor(p, flux, energy, z, h56, h50);
}

TopBinSlope top_bin_slope(std::span<const double> flux, std::span<const double> energy, int z) {
    if (flux.size() < std::size_t{kElements} * kBins || energy.size() < std::size_t{kElements} * kBins)
        throw std::invalid_argument("hff needs 27 x 100 flux and energy tables");
    auto at = [z](int bin) { return static_cast<std::size_t>((z - 1) + kElements * (bin - 1)); };
    auto f = [&](int bin) { return flux[at(bin)]; };
    auto t = [&](int bin) { return energy[at(bin)]; };

    // Spectral slope of the top bins and the normalisation of a power law
    // over bin 99.
    double s = 1.0 + std::log(f(90) / f(100)) / std::log(t(90) / t(100));
    double e1 = ue(z, 99);
    double e0 = ue(z, 98);
    double c = (e1 - e0) * f(100) * s / (std::pow(e1, s) - std::pow(e0, s));

    TopBinSlope slope;
    slope.a = c / (-(1.0 + s));
    slope.b = c / (-s);
    slope.pow1 = std::pow(e1, 1.0 + s);
    slope.pow0 = std::pow(e1, s);
    slope.scale = f(100) * (ue(z, 100) - le(z, 100));
    slope.t56 = t(56);
    slope.t50 = t(50);
    return slope;
}

// Weight of the coefficient slope term in the top-bin correction, as the
// correction model gives it.
constexpr double kTopBinSlopeWeight = 400.0;

double top_bin_factor(const EngineContext& p, const TopBinSlope& slope, double h56, double h50) {
    double k = (h56 - h50) / (slope.t56 - slope.t50);
    double factor = (slope.a * k * kTopBinSlopeWeight * slope.pow1 + slope.b * h56 * slope.pow0) / slope.scale;
    if (std::isfinite(factor) && factor >= 1.0) return factor;

    constexpr std::size_t kWarningsKept = 256;
    if (slope.warnings.size() >= kWarningsKept) slope.warnings.clear();
    auto [at, fresh] = slope.warnings.try_emplace(std::bit_cast<std::uint64_t>(factor));
    if (fresh) at->second = ListLine() << "Warning, Low HFF(Z,100): " << factor << "Raised to 1";
    if (p.engine.diagdap.is_open()) p.engine.diagdap << at->second << '\n';
    p.log.line(at->second);
    return 1.0;
}

double top_bin_factor(const EngineContext& p, std::span<const double> flux, std::span<const double> energy, int z, double h56,
                      double h50) {
    return top_bin_factor(p, top_bin_slope(flux, energy, z), h56, h50);
}

}  // namespace tolv7
