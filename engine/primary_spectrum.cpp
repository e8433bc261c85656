#include "engine/primary_spectrum.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>

#include "app/calendar.hpp"
#include "app/fixed_columns.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "engine/atomic.hpp"
#include "engine/average_switches.hpp"
#include "engine/energy_grid.hpp"
#include "engine/engine_context.hpp"
#include "engine/file_rewrite.hpp"
#include "engine/helio_potential.hpp"

namespace tolv7 {

namespace {

constexpr std::array<double, kSpectrumEnergies> make_kepn() {
    std::array<double, kSpectrumEnergies> kepn{};
    for (int j = 1; j <= kSpectrumEnergies; ++j) {
        double e = kEnergyGrid[static_cast<std::size_t>(j - 1)];
        bool single = (j >= 35 && j <= 50) || (j >= 77 && j <= 80) || j == 82 || j == 83;
        kepn[static_cast<std::size_t>(j - 1)] = single ? static_cast<double>(static_cast<float>(e)) : e;
    }
    return kepn;
}

// Spectral constants of each element, index Z - 1: the scale C, the
// rigidity index GAMMA and the velocity index ALPHA.
struct SpectralConstants {
    double c;
    double gamma;
    double alpha;
};

constexpr std::array<SpectralConstants, 28> kSpectral = {{
    {18500.0f, 2.74f, 2.85f}, {3690.0f, 2.77f, 3.12f}, {19.5f, 2.82f, 3.41f}, {17.7f, 3.05f, 4.30f},
    {49.2f, 2.96f, 3.93f},    {103.0f, 2.76f, 3.18f},  {36.7f, 2.89f, 3.77f}, {87.4f, 2.70f, 3.11f},
    {3.19f, 2.82f, 4.05f},    {16.4f, 2.76f, 3.11f},   {4.43f, 2.84f, 3.14f}, {19.3f, 2.70f, 3.65f},
    {4.17f, 2.77f, 3.46f},    {13.4f, 2.66f, 3.00f},   {1.15f, 2.89f, 4.04f}, {3.06f, 2.71f, 3.30f},
    {1.30f, 3.00f, 4.40f},    {2.33f, 2.93f, 4.33f},   {1.87f, 3.05f, 4.49f}, {2.17f, 2.77f, 2.93f},
    {0.74f, 2.97f, 3.78f},    {2.63f, 2.99f, 3.79f},   {1.23f, 2.94f, 3.50f}, {2.12f, 2.89f, 3.28f},
    {1.14f, 2.84f, 3.29f},    {9.32f, 2.63f, 3.01f},   {0.10f, 2.63f, 4.25f}, {0.49f, 2.63f, 3.52f},
}};

// Twice the rest energy of a nucleon in GeV, as the momentum formula holds it.
constexpr double kTwoNucleonRestGeV = 1.8765439987182617;
static_assert(kTwoNucleonRestGeV == double(1.876544f));

// The flux factor of an energy index outside 1-100: the single-precision 1e-8.
constexpr double kOutsideGridFlux = 9.99999993922529e-9;
static_assert(kOutsideGridFlux == double(1e-8f));

// The potential comes in MV; the force field takes it in GV.
constexpr double kMvPerGv = 1000.0;

// Spectra of this many potentials are kept.
constexpr std::size_t kSpectraKept = 16;

// A value as its printed text reads back: a number with an exponent letter
// is read as the C library reads it (the plain field reader and
// std::from_chars give the same value, correctly rounded; anything they do
// not take whole goes to strtod).
double read_back(std::string_view text) {
    if (text.find('E') != std::string_view::npos) {
        if (auto value = plain_real_field(text)) return *value;
        std::size_t first = text.find_first_not_of(' ');
        const char* begin = text.data() + first;
        const char* end = text.data() + text.size();
        double value = 0.0;
        auto [ptr, ec] = std::from_chars(begin, end, value);
        if (ec == std::errc() && ptr == end) return value;
        return std::strtod(std::string(text).c_str(), nullptr);
    }
    return parse_fixed_real(text, 0).value_or(0.0);  // exponent beyond 99, no E
}

}  // namespace

const std::array<double, kSpectrumEnergies> kKepn = make_kepn();

double rigidity(double e, int z) {
    const Element& el = atomic(std::abs(z));
    return (el.atomic_mass / std::abs(z)) * std::sqrt(e * (e + 2.0 * el.rest_energy));
}

double kinetic(int z, double r) {
    const Element& el = atomic(std::abs(z));
    double rest = el.atomic_mass * el.rest_energy;
    return std::sqrt(rest * rest + (z * r) * (z * r)) - rest;
}

double p(double e) { return std::sqrt((kTwoNucleonRestGeV + e) * e); }

double r(double e, int z) { return p(e) / z; }

double fluxmod(double, int i) { return i >= 1 && i <= kSpectrumEnergies ? 1.0 : kOutsideGridFlux; }

double findu(const EngineContext& prog, double date) {
    CalendarDate d = dates(date);
    // An average date lies on the 15th of its month (of January for a
    // year), and a flight on one stays within that month: it lasts at most
    // 2000 minutes from a take-off on the 15th or 16th. Its potential is
    // that of the average, not of the day the date falls on.
    const AverageSwitches& aves = prog.engine.useaves;
    if (switch_set(aves[0])) return date2hp(prog, d.year, 0, 0);
    if (switch_set(aves[1])) return date2hp(prog, d.year, d.month, 0);
    return date2hp(prog, d.year, d.month, d.day);
}

GcrFlux iso_gcr_flux2(int z, double r, double e, double phi) {
    const Element& el = atomic(z);
    const SpectralConstants& k = kSpectral[static_cast<std::size_t>(z - 1)];
    const double mass = el.atomic_mass;
    const double rest = el.rest_energy;
    const int n = static_cast<int>(mass + 0.5);
    // Force field: the particle had E' = E + phi Z / N per nucleon outside
    // the heliosphere.
    double shift = phi * z / n;
    double e_out = e + shift;
    double r_out = (mass / z) * std::sqrt(e_out * (e_out + 2.0 * rest));
    double mz = mass * rest / z;
    double beta_out = r_out / std::sqrt(mz * mz + r_out * r_out);
    double ratio = r / r_out;
    GcrFlux out;
    out.total_energy = e * n;
    out.rigidity_flux = k.c * std::pow(beta_out, k.alpha) / std::pow(r_out, k.gamma) * (ratio * ratio);
    out.flux = out.rigidity_flux * (mass / z) * kSingleMilli / beta_out * 1000.0 / n;
    return out;
}

namespace {

// Lines 3-2802 of the spectrum file for the potential phi (GV), and the
// values as reading them back gives them.
// What does not depend on the potential: each line's element and energy
// columns (columns 1-15), the energy as read back, and the rigidity at E.
struct PotentialFree {
    std::vector<std::string> head;
    std::array<double, kSpectrumElements * kSpectrumEnergies> total_energy{};
    std::array<double, kSpectrumElements * kSpectrumEnergies> rigidity{};
};

const PotentialFree& potential_free() {
    static const PotentialFree columns = [] {
        PotentialFree c;
        for (int z = 1; z <= kSpectrumElements; ++z)
            for (int j = 1; j <= kSpectrumEnergies; ++j) {
                double e = kKepn[static_cast<std::size_t>(j - 1)];
                std::size_t i = PrimarySpectrum::index(z, j);
                c.rigidity[i] = rigidity(e, z);
                std::string energy_text = fmt_e(iso_gcr_flux2(z, c.rigidity[i], e, 0.0).total_energy, 11, 3);
                c.head.push_back(fmt_i(z, 4) + energy_text);
                c.total_energy[i] = read_back(energy_text);
            }
        return c;
    }();
    return columns;
}

void compute_spectra(double phi, KeptSpectrum& cache) {
    const PotentialFree& fixed = potential_free();
    cache.lines.clear();
    cache.lines.reserve(27 * kSpectrumElements * kSpectrumEnergies);
    cache.values.total_energy = fixed.total_energy;
    for (int z = 1; z <= kSpectrumElements; ++z) {
        for (int j = 1; j <= kSpectrumEnergies; ++j) {
            double e = kKepn[static_cast<std::size_t>(j - 1)];
            std::size_t i = PrimarySpectrum::index(z, j);
            GcrFlux f = iso_gcr_flux2(z, fixed.rigidity[i], e, phi);
            cache.lines += fixed.head[i];
            const std::size_t flux_at = cache.lines.size();
            append_e(cache.lines, f.flux, 11, 3);
            cache.values.flux[i] = read_back(std::string_view(cache.lines).substr(flux_at));
            cache.lines += '\n';
        }
    }
    static std::uint64_t computations = 0;
    cache.values.generation = ++computations;
    cache.phi = phi;
}

// The spectra of the potential, computed unless kept (or when caching is
// off); they become the newest kept.
const KeptSpectrum& spectra_of(const EngineContext& prog, double phi) {
    auto& kept = prog.engine.spectrum.kept;
    if (!prog.engine.caching) kept.clear();
    for (std::size_t k = kept.size(); k-- > 0;) {
        if (kept[k]->phi != phi) continue;
        std::rotate(kept.begin() + static_cast<std::ptrdiff_t>(k), kept.begin() + static_cast<std::ptrdiff_t>(k) + 1,
                    kept.end());
        return *kept.back();
    }
    std::unique_ptr<KeptSpectrum> fresh;
    if (kept.size() >= kSpectraKept) {
        fresh = std::move(kept.front());  // the oldest one's space is used again
        kept.erase(kept.begin());
    } else {
        fresh = std::make_unique<KeptSpectrum>();
    }
    compute_spectra(phi, *fresh);
    kept.push_back(std::move(fresh));
    return *kept.back();
}

}  // namespace

const PrimarySpectrum& get_hpd_iso(const EngineContext& prog, double date, double depth) {
    const std::string path = os_path(prog.set.init, "GCR_MODELS", "ISO_GCR2.OUT");
    double hp = findu(prog, date);
    if (hp < 0.0) {
        // A negative potential has no physical meaning and would take the
        // lowest energies below zero outside the heliosphere.
        prog.log.line(ListLine() << "WARNING: Negative heliocentric potential" << static_cast<int>(hp)
                                 << " MV, using 0 MV");
        hp = 0.0;
    }
    const double phi = hp / kMvPerGv;
    const KeptSpectrum& spectra = spectra_of(prog, phi);

    std::string head = fmt_f(date, 11, 6) + ' ' + fmt_f(depth, 11, 6) + '\n' +
                       std::string(ListLine() << "  Z       E         F") + '\n';
    if (!rewrite_file(path, {head, spectra.lines})) stop_unwritable(path);
    return spectra.values;
}

}  // namespace tolv7
