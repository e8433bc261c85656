#include "engine/dose.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <ctime>
#include <fstream>

#include "app/console_routines.hpp"
#include "app/fixed_columns.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "engine/altitude_depth.hpp"
#include "engine/atomic.hpp"
#include "engine/coefficient_lookup.hpp"
#include "engine/engine_context.hpp"
#include "engine/findcut.hpp"
#include "engine/forbush.hpp"
#include "engine/primary_spectrum.hpp"
#include "engine/sky_geometry.hpp"

namespace tolv7 {

namespace {

constexpr int kElements = 26;      // hydrogen to iron fold with the library
constexpr int kRows = 27;          // rows of the flux tables, element fastest
constexpr int kBins = 100;
constexpr double kNorm = 2.261946773529053;  // 0.72 times the single-precision pi
constexpr std::size_t kDoseKindsKept = 8;
// A flight's cruise steps and a list's few altitudes come back again and
// again; about 42 kB each.
constexpr std::size_t kDepthsKept = 64;

std::size_t flux_index(int z, int i) { return static_cast<std::size_t>((z - 1) + kRows * (i - 1)); }
std::size_t bin_index(int z, int i) { return static_cast<std::size_t>((z - 1) * kBins + (i - 1)); }

// Rigidity (GV) at the lower and upper edge of each bin; they depend on the
// element and bin alone.
struct BinEdges {
    std::vector<double> lr, ur, le, ue;
};

const BinEdges& bin_edges() {
    static const BinEdges edges = [] {
        BinEdges b;
        for (int z = 1; z <= kElements; ++z)
            for (int i = 1; i <= kBins; ++i) {
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

// Integer mass number of each element as a double, index Z.
const std::array<double, kElements + 1>& mass_numbers() {
    static const std::array<double, kElements + 1> a = [] {
        std::array<double, kElements + 1> m{};
        for (int z = 1; z <= kElements; ++z) m[static_cast<std::size_t>(z)] = atomic(z).mass_number;
        return m;
    }();
    return a;
}

// One bin of the fold: its fluence O (kept in `last_o`) when the sky lets
// it through and the cutoff leaves a share of it, the term U x W x O added
// to the dose sum d and its variance to v. `ec` is the element's cutoff
// energy. Returns the term (0 without a share).
inline double fold_bin(const BinEdges& edges, std::size_t b, double w, double rc, double ec, double hf, double flux,
                       double var, double u, double s, double& d, double& v, double& last_o) {
    if (w == 0.0) return 0.0;
    if (rc <= edges.lr[b]) {
        last_o = kNorm * hf * (edges.ue[b] - edges.le[b]) * flux;
    } else if (rc < edges.ur[b]) {
        // The cutoff falls inside the bin: only the part above the cutoff
        // energy counts, and never less than nothing.
        last_o = kNorm * std::max(0.0, edges.ue[b] - ec) * flux;
    } else {
        return 0.0;
    }
    const double term = u * w * last_o * 1.0;
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

float processor_seconds() { return static_cast<float>(std::clock()) / static_cast<float>(CLOCKS_PER_SEC); }

// Longitude into 0-360 as repeated steps of 360 would take it: above 360
// it comes down to (0, 360], below 0 up to [0, 360).
double normalised_longitude(const EngineContext& p, double longitude) {
    if (!std::isfinite(longitude)) epitath(p, " LONGITUDE FOR THE DOSE IS NOT A NUMBER ");
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

// The depth used for the coefficients by the non-vertical mode.
double coefficient_depth(char mode, double depth, double slant) {
    switch (mode) {
        case '1': return std::min(depth, 5000.0);
        case '2':
        case '3': return std::min(slant * depth, 5000.0);
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
const PreparedDoseKind& prepared_kind(const EngineContext& p, int dose_kind) {
    auto& kept = p.engine.dose_kept.prepared;
    if (auto* k = take_kept(kept, [&](const PreparedDoseKind& k) { return k.dose_kind == dose_kind; })) return *k;
    if (kept.size() >= kDoseKindsKept) kept.erase(kept.begin());
    kept.push_back(std::make_unique<PreparedDoseKind>(prepare_dose_kind(p.engine, dose_kind)));
    return *kept.back();
}

// The coefficients of the dose kind at the depth, kept for the last few
// (dose kind, depth) pairs.
const DepthCoefficients& coefficients_kept(const EngineContext& p, int dose_kind, double depth) {
    auto& kept = p.engine.dose_kept.at_depths;
    if (auto* c = take_kept(kept, [&](const DepthCoefficients& c) { return c.dose_kind == dose_kind && c.depth == depth; }))
        return *c;
    auto made = std::make_unique<DepthCoefficients>(coefficients_at(prepared_kind(p, dose_kind), depth));
    if (kept.size() >= kDepthsKept) kept.erase(kept.begin());
    kept.push_back(std::move(made));
    return *kept.back();
}

// The spectrum file read back as the fold uses it (only when caching is off:
// otherwise the values come from the spectrum step itself).
void read_spectrum_file(const EngineContext& p, DoseKept& k) {
    std::string path = os_path(p.set.init, "GCR_MODELS", "ISO_GCR2.OUT");
    std::ifstream in = open_existing(path);
    std::string line;
    for (int n = 1; n <= 2; ++n)
        if (!read_line(in, line)) stop_file_error(path, "ends before line " + std::to_string(n));
    int number = 2;
    for (int z = 1; z <= kElements; ++z)
        for (int i = 1; i <= kBins; ++i) {
            ++number;
            if (!read_line(in, line)) stop_file_error(path, "ends before line " + std::to_string(number));
            Columns c(line);
            auto energy = c.real(5, 15, 3);
            auto flux = c.real(16, 26, 3);
            if (!c.integer(1, 4) || !energy || !flux)
                stop_file_error(path, "line " + std::to_string(number) + " cannot be read");
            k.gcrke[flux_index(z, i)] = *energy;
            k.gcrflux[flux_index(z, i)] = *flux;
        }
}

}  // namespace

double dose(const EngineContext& p, double latitude, double& longitude, double depth, double date, int dose_kind,
            int gcr_model, int test, int superposition) {
    const float t_entry = processor_seconds();
    EngineRecords& e = p.engine;
    DoseKept& k = e.dose_kept;
    const bool trace = test == 1;

    // DIAGDAP.DAT holds the last computation's lines only; they are gathered
    // and the file is written over when the computation ends.
    e.diagdap.open(os_path(p.set.init, "DIAGNOSE", "DIAGDAP.DAT"));
    RewrittenFile& dap = e.diagdap;
    // A stop inside the computation leaves this call's lines in the file,
    // not the previous call's.
    struct WrittenOnStop {
        RewrittenFile& file;
        ~WrittenOnStop() {
            if (file.is_open()) file.close();
        }
    } written_on_stop{dap};

    std::string starting = ListLine() << " Starting " << latitude << longitude << depth << date << dose_kind
                                      << gcr_model << test << superposition;
    p.log.line(starting);
    p.log.line(ListLine() << "Loading fluence conversion coefficients");
    if (trace) {
        dap << starting << '\n';
        p.con.line(ListLine() << "Loading fluence conversion coefficients");
        dap << std::string(ListLine() << "Loading fluence conversion coefficients") << '\n';
    }

    longitude = normalised_longitude(p, longitude);
    const float t_pregcr = processor_seconds();
    p.log.line(ListLine() << " PreGCR time in DOSE in seconds. " << static_cast<double>(t_pregcr - t_entry));

    // Spectrum step: the primary spectrum of the date, as its file reads back.
    // Every call fills rows 1-26 of the tables; row 27 and the variance
    // (which nothing adds to) stay 0 from the first call.
    for (std::vector<double>* table : {&k.gcrflux, &k.gcrke, &k.gcrvar, &k.kepn})
        if (table->size() != static_cast<std::size_t>(kRows) * kBins)
            table->assign(static_cast<std::size_t>(kRows) * kBins, 0.0);
    const PrimarySpectrum& spectrum = get_hpd_iso(p, date, depth);
    if (e.caching) {
        for (int z = 1; z <= kElements; ++z)
            for (int i = 1; i <= kBins; ++i) k.gcrflux[flux_index(z, i)] = spectrum.flux[PrimarySpectrum::index(z, i)];
    } else {
        read_spectrum_file(p, k);
        k.energies_filled = false;
    }
    // The total energies of the bins do not depend on the potential: kept
    // from the first call.
    if (!e.caching || !k.energies_filled) {
        for (int z = 1; e.caching && z <= kElements; ++z)
            for (int i = 1; i <= kBins; ++i)
                k.gcrke[flux_index(z, i)] = spectrum.total_energy[PrimarySpectrum::index(z, i)];
        for (int i = 1; i <= kBins; ++i)
            for (int z = 1; z <= kElements; ++z)
                k.kepn[flux_index(z, i)] = k.gcrke[flux_index(z, i)] / mass_numbers()[static_cast<std::size_t>(z)];
        k.energies_filled = e.caching;
    }
    for (int z = 1; trace && z <= kElements; ++z)
        for (int i = 1; i <= kBins; ++i)
            dap << std::string(ListLine() << z << k.gcrke[flux_index(z, i)] << k.gcrflux[flux_index(z, i)]) << '\n';
    const float t_gcr = processor_seconds();
    std::string gcr_time = ListLine() << " GCR time in seconds. " << static_cast<double>(t_gcr - t_pregcr);
    p.log.line(gcr_time);
    if (trace) dap << gcr_time << '\n';

    // Geomagnetic filter: one zenith band and one azimuth sector.
    double h = km(p, depth);
    double skycut = 0.0, skypass = 0.0, skywt = 0.0;
    findcut(p, 1, 1, date, latitude, longitude, h, e.vcut, {&skycut, 1}, {&skypass, 1}, {&skywt, 1});
    if (trace) {
        dap << std::string(ListLine() << "Geophysical and magnetic filters built") << '\n'
            << std::string(ListLine() << " Vertical cutoff rigidity = " << e.vcut) << '\n'
            << std::string(ListLine() << " SkyCut Skypass Skyweight") << '\n'
            << std::string(ListLine() << skycut << skypass << skywt) << '\n';
    }
    // The altitude of the same depth serves the zenith step too.
    const double zen =
        ((kSkyHalfPi - std::asin(std::min(1.0, kSkyEarthRadiusKm / (h + kSkyEarthRadiusKm)))) *
             kSkyRadToDeg +
         90.0) /
        2.0;

    double factor = 1.0;
    forbush(p, date, k.gcrflux, factor);
    if (trace) dap << std::string(ListLine() << " GCR Adjusted by " << factor << "for Forbush effects") << '\n';
    const float t_sky = processor_seconds();
    p.log.line(ListLine() << " SKYLIBS and FORBUSH time in seconds. " << static_cast<double>(t_sky - t_gcr));
    if (trace) {
        dap << std::string(ListLine() << "Calculating Dose Rate") << '\n';
        p.con.line(ListLine() << "Calculating Dose Rate");
    }

    // The fold, element by element and bin by bin.
    const double slant = 1.0 / std::fabs(std::cos(kSkyPi * zen / 180.0));
    const double depth_used = coefficient_depth(p.set.nvc_tf.ch, depth, slant);
    const double w = skypass * skywt;
    const double rc = skycut;
    const BinEdges& edges = bin_edges();
    const bool valid_kind = valid_dose_kind(dose_kind);
    if (!valid_kind)
        p.log.line(ListLine() << "Warning, dose kind" << dose_kind << " is outside 1 to 304; the dose rate is 0");
    const DepthCoefficients* prepared =
        valid_kind && e.caching ? &coefficients_kept(p, dose_kind, depth_used) : nullptr;
    if (prepared && (k.slopes.empty() || k.slopes_spectrum != spectrum.generation || k.slopes_factor != factor)) {
        k.slopes.clear();
        for (int z = 1; z <= kElements; ++z) k.slopes.push_back(top_bin_slope(k.gcrflux, k.gcrke, z));
        k.slopes_spectrum = spectrum.generation;
        k.slopes_factor = factor;
    }
    double d = 0.0;
    double v = 0.0;
    double last_ec = 0.0;
    double last_o = 0.0;
    if (prepared && !trace) {
        // The common case in a loop of its own, free of calls: the top-bin
        // factors first (their warnings come in the same order as from the
        // loop below), the cutoff energy of each element once.
        std::array<double, kElements> top{};
        for (int z = 1; z <= kElements; ++z) {
            const auto at = static_cast<std::size_t>(z - 1);
            top[at] = top_bin_factor(p, k.slopes[at], prepared->total56[at], prepared->total50[at]);
        }
        for (int z = 1; z <= kElements; ++z) {
            const double ec = kinetic(z, rc);
            for (int i = 1; i <= kBins; ++i) {
                const std::size_t b = bin_index(z, i);
                const double hf = i == kBins ? top[static_cast<std::size_t>(z - 1)] : 1.0;
                fold_bin(edges, b, w, rc, ec, hf, k.gcrflux[flux_index(z, i)], k.gcrvar[flux_index(z, i)],
                         prepared->ftd[b], prepared->shows[b], d, v, last_o);
            }
        }
    }
    for (int z = 1; valid_kind && !(prepared && !trace) && z <= kElements; ++z) {
        const double ec = kinetic(z, rc);
        for (int i = 1; i <= kBins; ++i) {
            const std::size_t b = bin_index(z, i);
            const double lr = edges.lr[b], ur = edges.ur[b], lower = edges.le[b], upper = edges.ue[b];
            const double flux = k.gcrflux[flux_index(z, i)];
            double u = 0.0, s = 0.0, hf = 1.0;
            if (prepared) {
                u = prepared->ftd[b];
                s = prepared->shows[b];
                if (i == kBins)
                    hf = top_bin_factor(p, k.slopes[static_cast<std::size_t>(z - 1)],
                                        prepared->total56[static_cast<std::size_t>(z - 1)],
                                        prepared->total50[static_cast<std::size_t>(z - 1)]);
            } else {
                u = ftd(p, z, i, dose_kind, depth_used);
                s = shows(p, z, i, dose_kind, depth_used);
                hf = hff(p, k.gcrflux, k.gcrke, z, i, dose_kind, depth_used);
            }
            if (w != 0.0 && rc > lr && rc < ur) last_ec = ec;
            const double term = fold_bin(edges, b, w, rc, ec, hf, flux, k.gcrvar[flux_index(z, i)], u, s, d, v, last_o);
            if (trace) {
                p.log.line(ListLine() << "z,e,i,ii" << z << i << 1 << 1);
                p.log.line(ListLine() << "Rigidities" << lr << ur);
                p.log.line(ListLine() << "UE:" << upper << " LE:" << lower << " LL:" << last_ec);
                p.log.line(ListLine() << "Skycut" << skycut << "Vcut" << e.vcut);
                p.log.line(ListLine() << "Sky " << w << " afluence " << last_o);
                p.log.line(ListLine() << "zenith step:" << zen);
                p.log.line(ListLine() << "flux" << flux << " norm" << kNorm);
                p.log.line(ListLine() << "dosekind, alt" << dose_kind << depth);
                p.log.line(ListLine() << "Slant:" << 1.0 << " nonvertical alt:" << depth_used);
                p.log.line(ListLine() << "hifix:" << hf << " hdfix: " << 1.0);
                p.log.line(ListLine() << "ftdcc " << u << " dd " << term << " VS " << v);
                p.log.line(ListLine() << "dose=" << d);
                dap << " z,e,ftdcc,dose,flux" << fmt_i(z, 4) << fmt_i(i, 4) << fmt_e(u, 12, 4)
                    << fmt_e(d, 12, 4) << fmt_e(flux, 12, 4) << '\n';
            }
        }
    }
    e.isostats = std::sqrt(v);

    std::string adjusted = ListLine() << " Adjusted Dose of type " << dose_kind << " is " << d;
    if (trace) {
        dap << adjusted << '\n';
        p.con.line(adjusted);
    }
    p.log.line(fmt_a(" Finished: ", 11) + fmt_e(latitude, 12, 4) + fmt_e(longitude, 12, 4) + fmt_e(depth, 12, 4) +
               fmt_e(date, 12, 4) + fmt_i(dose_kind, 4) + fmt_i(gcr_model, 4) + fmt_i(test, 4) +
               fmt_i(superposition, 4));
    p.log.line(adjusted);
    p.log.line(ListLine() << " Doserate calculation time in seconds." << static_cast<double>(processor_seconds() - t_entry));
    if (!dap.close()) stop_file_error(dap.path(), "cannot be written");
    return d;
}

}  // namespace tolv7
