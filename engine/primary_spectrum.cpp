#include "engine/primary_spectrum.hpp"

#include <cmath>
#include <cstdlib>
#include <fstream>

#include "app/calendar.hpp"
#include "app/fixed_columns.hpp"
#include "app/fortran_format.hpp"
#include "app/program.hpp"
#include "app/program_stop.hpp"
#include "engine/atomic.hpp"
#include "engine/file_rewrite.hpp"
#include "engine/energy_grid.hpp"
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

// The single-precision 0.001 of the flux units.
constexpr double kMilli = 0.0010000000474974513;

// A value as its printed text reads back.
double read_back(const std::string& text) {
    if (text.find('E') != std::string::npos) return std::strtod(text.c_str(), nullptr);
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

double p(double e) { return std::sqrt((1.8765439987182617 + e) * e); }

double r(double e, int z) { return p(e) / z; }

double fluxmod(double, int i) { return i >= 1 && i <= 100 ? 1.0 : 9.99999993922529e-9; }

double findu(Program& prog, double date) {
    CalendarDate d = dates(date);
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
    out.flux = out.rigidity_flux * (mass / z) * kMilli / beta_out * 1000.0 / n;
    return out;
}

namespace {

// Lines 3-2802 of the spectrum file for the potential phi (GV), and the
// values as reading them back gives them.
void compute_spectra(double phi, SpectrumCache& cache) {
    cache.lines.clear();
    cache.lines.reserve(27 * kSpectrumElements * kSpectrumEnergies);
    for (int z = 1; z <= kSpectrumElements; ++z) {
        for (int j = 1; j <= kSpectrumEnergies; ++j) {
            double e = kKepn[static_cast<std::size_t>(j - 1)];
            GcrFlux f = iso_gcr_flux2(z, rigidity(e, z), e, phi);
            std::string energy_text = fmt_e(f.total_energy, 11, 3);
            std::string flux_text = fmt_e(f.flux, 11, 3);
            cache.lines += fmt_i(z, 4);
            cache.lines += energy_text;
            cache.lines += flux_text;
            cache.lines += '\n';
            std::size_t i = PrimarySpectrum::index(z, j);
            cache.values.total_energy[i] = read_back(energy_text);
            cache.values.flux[i] = read_back(flux_text);
        }
    }
    cache.phi = phi;
    cache.valid = true;
}

}  // namespace

const PrimarySpectrum& get_hpd_iso(Program& prog, double date, double depth) {
    const std::string path = os_path(prog.set.init, "GCR_MODELS", "ISO_GCR2.OUT");
    double hp = findu(prog, date);
    if (hp < 0.0) {
        // A negative potential has no physical meaning and would take the
        // lowest energies below zero outside the heliosphere.
        prog.log.line(ListLine() << "WARNING: Negative heliocentric potential" << static_cast<int>(hp)
                                 << " MV, using 0 MV");
        hp = 0.0;
    }
    const double phi = hp / 1000.0;
    SpectrumCache& cache = prog.engine.spectrum;
    if (!prog.engine.caching || !cache.valid || cache.phi != phi) compute_spectra(phi, cache);

    std::string text = fmt_f(date, 11, 6) + ' ' + fmt_f(depth, 11, 6) + '\n' +
                       std::string(ListLine() << "  Z       E         F") + '\n';
    text += cache.lines;
    if (!rewrite_file(path, text)) stop_file_error(path, "cannot be written (does its folder exist?)");
    return cache.values;
}

}  // namespace tolv7
