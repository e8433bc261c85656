// The dose rate at a point, as its steps: the spectrum of the date, the
// geomagnetic filter of the place, the Forbush factor, the coefficients of
// the dose kind, the fold (dose_fold), with the lines of each step written
// by dose_trace.
//
// Notation: z element (1-26), i energy bin (1-100), k the values kept
// between calls, e the engine's records.
#include "engine/dose.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <functional>

#include "app/console_routines.hpp"
#include "app/fixed_columns.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "engine/altitude_depth.hpp"
#include "engine/atomic.hpp"
#include "engine/coefficient_lookup.hpp"
#include "engine/dose_fold.hpp"
#include "engine/dose_trace.hpp"
#include "engine/engine_context.hpp"
#include "engine/findcut.hpp"
#include "engine/forbush.hpp"
#include "engine/primary_spectrum.hpp"
#include "engine/sky_geometry.hpp"

namespace tolv7 {

namespace {

constexpr std::size_t kDoseKindsKept = 8;
// A flight's cruise steps and a list's few altitudes come back again and
// again; about 42 kB each.
constexpr std::size_t kDepthsKept = 64;
constexpr std::size_t kTableCells = static_cast<std::size_t>(kFoldRows) * kFoldBins;

// Integer mass number of each element as a double, index Z.
const std::array<double, kFoldElements + 1>& mass_numbers() {
    static const std::array<double, kFoldElements + 1> a = [] {
        std::array<double, kFoldElements + 1> m{};
        for (int z = 1; z <= kFoldElements; ++z) m[static_cast<std::size_t>(z)] = atomic(z).mass_number;
        return m;
    }();
    return a;
}

// Longitude into 0-360 as repeated steps of 360 would take it: above 360
// it comes down to (0, 360], below 0 up to [0, 360).
double normalised_longitude(const EngineContext& p, double longitude) {
    if (!std::isfinite(longitude))
        epitath(p, " LONGITUDE FOR THE DOSE IS NOT A NUMBER ",
                "dose: longitude " + list_real_text(longitude) + " is not a finite number");
    if (longitude > 360.0) {
        longitude = std::fmod(longitude, 360.0);
        if (longitude == 0.0) longitude = 360.0;
    } else if (longitude < 0.0) {
        longitude = std::fmod(longitude, 360.0);
        if (longitude < 0.0) longitude += 360.0;
        longitude += 0.0;  // no negative zero
    }
    return longitude;
}

// Cap of the depth, g/cm2, that the non-vertical modes look coefficients up
// at, whatever the slant path.
constexpr double kSlantDepthCap = 5000.0;

// The depth used for the coefficients by the non-vertical mode.
double coefficient_depth(char mode, double depth, double slant) {
    switch (mode) {
        case '1': return std::min(depth, kSlantDepthCap);
        case '2':
        case '3': return std::min(slant * depth, kSlantDepthCap);
        default: return depth;
    }
}

// Moves the kept entry that `same` picks to the back (newest); nullptr when
// none does.
template <class T, class Same>
T* take_kept(std::vector<std::unique_ptr<T>>& kept, Same same) {
    for (std::size_t k = kept.size(); k-- > 0;) {
        if (!same(*kept[k])) continue;
        std::rotate(kept.begin() + static_cast<std::ptrdiff_t>(k), kept.begin() + static_cast<std::ptrdiff_t>(k) + 1,
                    kept.end());
        return kept.back().get();
    }
    return nullptr;
}

// The prepared energy steps of the dose kind, kept for the last few kinds.
const PreparedDoseKind& prepared_kind(EngineRecords& e, int dose_kind) {
    auto& kept = e.dose_kept.prepared;
    if (auto* k = take_kept(kept, [&](const PreparedDoseKind& k) { return k.dose_kind == dose_kind; })) return *k;
    if (kept.size() >= kDoseKindsKept) kept.erase(kept.begin());
    kept.push_back(std::make_unique<PreparedDoseKind>(prepare_dose_kind(e, dose_kind)));
    return *kept.back();
}

// The coefficients of the dose kind at the depth, kept for the last few
// (dose kind, depth) pairs.
const DepthCoefficients& coefficients_kept(EngineRecords& e, int dose_kind, double depth) {
    auto& kept = e.dose_kept.at_depths;
    if (auto* c = take_kept(kept, [&](const DepthCoefficients& c) { return c.dose_kind == dose_kind && c.depth == depth; }))
        return *c;
    auto made = std::make_unique<DepthCoefficients>(coefficients_at(prepared_kind(e, dose_kind), depth));
    if (kept.size() >= kDepthsKept) kept.erase(kept.begin());
    kept.push_back(std::move(made));
    return *kept.back();
}

// The spectrum file read back as the fold uses it (only when caching is off:
// otherwise the values come from the spectrum step itself).
void read_spectrum_file(const InitRecord& init, DoseKept& k) {
    std::string path = os_path(init, "GCR_MODELS", "ISO_GCR2.OUT");
    std::ifstream in = open_existing(path);
    std::string line;
    for (int n = 1; n <= 2; ++n)
        if (!read_line(in, line)) stop_file_error(path, "ends before line " + std::to_string(n));
    int number = 2;
    for (int z = 1; z <= kFoldElements; ++z)
        for (int i = 1; i <= kFoldBins; ++i) {
            ++number;
            if (!read_line(in, line)) stop_file_error(path, "ends before line " + std::to_string(number));
            Columns c(line);
            auto energy = c.real(5, 15, 3);
            auto flux = c.real(16, 26, 3);
            if (!c.integer(1, 4) || !energy || !flux)
                stop_file_error(path, "line " + std::to_string(number) + " cannot be read");
            k.gcrke[fold_flux_index(z, i)] = *energy;
            k.gcrflux[fold_flux_index(z, i)] = *flux;
        }
}

// Spectrum step: the primary spectrum of the date in the kept tables, as
// its file reads back. Every call fills rows 1-26 of the tables; row 27 and
// the variance (which nothing adds to) stay 0 from the first call.
const PrimarySpectrum& spectrum_tables(const EngineContext& p, double date, double depth) {
    EngineRecords& e = p.engine;
    DoseKept& k = e.dose_kept;
    for (std::vector<double>* table : {&k.gcrflux, &k.gcrke, &k.gcrvar, &k.kepn})
        if (table->size() != kTableCells) table->assign(kTableCells, 0.0);
    const PrimarySpectrum& spectrum = get_hpd_iso(p, date, depth);
    if (e.caching) {
        for (int z = 1; z <= kFoldElements; ++z)
            for (int i = 1; i <= kFoldBins; ++i)
                k.gcrflux[fold_flux_index(z, i)] = spectrum.flux[PrimarySpectrum::index(z, i)];
    } else {
        read_spectrum_file(p.set.init, k);
        k.energies_filled = false;
    }
    // The total energies of the bins do not depend on the potential: kept
    // from the first call.
    if (!e.caching || !k.energies_filled) {
        if (e.caching)  // uncached, the file has just given them
            for (int z = 1; z <= kFoldElements; ++z)
                for (int i = 1; i <= kFoldBins; ++i)
                    k.gcrke[fold_flux_index(z, i)] = spectrum.total_energy[PrimarySpectrum::index(z, i)];
        for (int i = 1; i <= kFoldBins; ++i)
            for (int z = 1; z <= kFoldElements; ++z)
                k.kepn[fold_flux_index(z, i)] =
                    k.gcrke[fold_flux_index(z, i)] / mass_numbers()[static_cast<std::size_t>(z)];
        k.energies_filled = e.caching;
    }
    return spectrum;
}

// The geomagnetic filter of the place (one zenith band, one azimuth sector)
// and the zenith step of the altitude of the depth.
struct SkyFilter {
    double cut = 0.0;
    double pass = 0.0;
    double weight = 0.0;
    double zenith = 0.0;  // degrees
};

SkyFilter geomagnetic_filter(const EngineContext& p, double date, double latitude, double longitude, double depth) {
    double h = km(p, depth);
    SkyFilter sky;
    findcut(p, 1, 1, date, latitude, longitude, h, p.engine.vcut, {&sky.cut, 1}, {&sky.pass, 1}, {&sky.weight, 1});
    // The altitude of the same depth serves the zenith step too.
    sky.zenith = ((kSkyHalfPi - std::asin(std::min(1.0, kSkyEarthRadiusKm / (h + kSkyEarthRadiusKm)))) *
                      kSkyRadToDeg +
                  90.0) /
                 2.0;
    return sky;
}

// The top-bin slopes of the kept flux, made again when the spectrum or the
// Forbush factor changed.
void refresh_slopes(DoseKept& k, std::uint64_t spectrum_generation, double factor) {
    if (!k.slopes.empty() && k.slopes_spectrum == spectrum_generation && k.slopes_factor == factor) return;
    k.slopes.clear();
    for (int z = 1; z <= kFoldElements; ++z) k.slopes.push_back(top_bin_slope(k.gcrflux, k.gcrke, z));
    k.slopes_spectrum = spectrum_generation;
    k.slopes_factor = factor;
}

// Coefficients step and fold: the coefficients of the dose kind at the depth
// the non-vertical mode gives, prepared and kept when caching, else looked
// up afresh bin by bin. The top-bin factors write their warnings as they are
// taken, so with the trace on they are taken bin by bin between the bins'
// trace lines.
FoldResult fold_kind(const EngineContext& p, DoseTrace& trace, const SkyFilter& sky, double depth, int dose_kind,
                     std::uint64_t spectrum_generation, double factor) {
    EngineRecords& e = p.engine;
    DoseKept& k = e.dose_kept;
    const double slant = 1.0 / std::fabs(std::cos(kSkyPi * sky.zenith / 180.0));
    const double depth_used = coefficient_depth(p.set.nvc_tf.ch, depth, slant);
    if (!valid_dose_kind(dose_kind)) {
        trace.dose_kind_outside(dose_kind);
        return {};
    }
    const FoldSpectrum spectrum{k.gcrflux, k.gcrvar};
    const FoldSky fold_sky{sky.cut, sky.pass * sky.weight};
    std::function<BinCoefficients(int, int)> coefficients_of;
    if (e.caching) {
        const DepthCoefficients& c = coefficients_kept(e, dose_kind, depth_used);
        refresh_slopes(k, spectrum_generation, factor);
        auto top = [&p, &k, &c](int z) {
            const auto at = static_cast<std::size_t>(z - 1);
            return top_bin_factor(p, k.slopes[at], c.total56[at], c.total50[at]);
        };
        if (!trace.on()) {
            std::array<double, kFoldElements> tops{};
            for (int z = 1; z <= kFoldElements; ++z) tops[static_cast<std::size_t>(z - 1)] = top(z);
            return fold_dose(spectrum, fold_sky, {c.ftd, c.shows, tops});
        }
        coefficients_of = [&c, top](int z, int i) {
            const std::size_t b = fold_bin_index(z, i);
            return BinCoefficients{c.ftd[b], c.shows[b], i == kFoldBins ? top(z) : 1.0};
        };
    } else {
        coefficients_of = [&p, &k, dose_kind, depth_used](int z, int i) {
            BinCoefficients c;
            c.u = ftd(p, z, i, dose_kind, depth_used);
            c.s = shows(p, z, i, dose_kind, depth_used);
            c.h = hff(p, k.gcrflux, k.gcrke, z, i, dose_kind, depth_used);
            return c;
        };
    }
    std::function<void(const FoldStep&)> step;
    const BinTraceContext context{sky.cut, e.vcut, fold_sky.weight, sky.zenith, dose_kind, depth, depth_used};
    if (trace.on()) step = [&trace, &context](const FoldStep& s) { trace.bin(s, context); };
    return fold_dose_by_bin(spectrum, fold_sky, coefficients_of, step);
}

}  // namespace

double dose(const EngineContext& p, double latitude, double& longitude, double depth, double date, int dose_kind,
            int gcr_model, int test, int superposition) {
    EngineRecords& e = p.engine;
    DoseTrace trace(p.log, p.con, e.diagdap, os_path(p.set.init, "DIAGNOSE", "DIAGDAP.DAT"), test == 1);
    DoseCall call{latitude, longitude, depth, date, dose_kind, gcr_model, test, superposition};
    trace.starting(call);

    longitude = normalised_longitude(p, longitude);
    call.longitude = longitude;
    trace.lap(" PreGCR time in DOSE in seconds. ");

    const PrimarySpectrum& spectrum = spectrum_tables(p, date, depth);
    trace.spectrum(e.dose_kept.gcrke, e.dose_kept.gcrflux);
    trace.lap(" GCR time in seconds. ", true);

    const SkyFilter sky = geomagnetic_filter(p, date, latitude, longitude, depth);
    trace.filters(e.vcut, sky.cut, sky.pass, sky.weight);
    double factor = 1.0;
    forbush(p, date, e.dose_kept.gcrflux, factor);
    trace.forbush(factor);
    trace.lap(" SKYLIBS and FORBUSH time in seconds. ");
    trace.calculating();

    const FoldResult fold = fold_kind(p, trace, sky, depth, dose_kind, spectrum.generation, factor);
    e.isostats = std::sqrt(fold.variance);
    trace.finished(call, fold.rate);
    return fold.rate;
}

}  // namespace tolv7
