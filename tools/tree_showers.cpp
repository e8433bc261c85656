// SHOWERS/*shower.dat: 19 energy blocks of two header lines and 722 records
// (19 depths x 38 particle kinds) of 180 columns, holding for 8 dose
// quantities a coefficient and its uncertainty in E10.3 form.
//
// The coefficients are synthetic but physically shaped: a primary of A
// nucleons acts as A nucleons of a share of its energy each; the yield rises
// with energy per nucleon up to 3.5 GeV per nucleon and falls with depth with
// an attenuation length that grows with energy (longer for muons, shorter
// for heavy fragments). The scales per quantity give dose rates of a few
// microsieverts per hour near 40000 ft and a few hundredths at sea level.
// Uncertainties are 3-5 % of the coefficient; particle 38 is the sum of the
// particle kinds 1-37 as written.
//
// From 3.5 GeV per nucleon on, the yield grows slowly with the logarithm of
// the energy (the multiplicity of a shower grows so). The top-bin factor of
// the dose computation extrapolates the coefficient from bins 50 and 56
// (about 9 and 21 GeV per nucleon, or the grid's top of 1000 GeV of total
// energy for the heaviest primaries) to the end of the spectrum and is meant
// to be at least 1: with a flat yield it is the coefficient times a ratio of
// about 3, far below 1 in the units of the tree; the slow rise gives every
// primary, quantity and depth a factor above 1, while the flux of that top
// bin is too small for the factor to weigh in the dose.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "app/fortran_format.hpp"
#include "engine/atomic.hpp"
#include "engine/energy_grid.hpp"
#include "engine/shower_library.hpp"
#include "tools/data_tree.hpp"
#include "tools/power_of_ten.hpp"

namespace tolv7::tree {

namespace {

constexpr int kRecordWidth = 180;

// Scale of each dose quantity: fluence, three dose equivalents, absorbed
// dose in tissue and in two silicon detectors, neutron monitor counts.
constexpr std::array<double, kDoseQuantities> kQuantityScale = {1.04e-18, 3.56e-3,  3.05e-3,  4.07e-3,
                                                                1.525e-3, 1.017e-3, 1.118e-3, 4.85e12};

struct ParticleShape {
    double share;        // share of the total
    double attenuation;  // factor on the attenuation length
};

// Particle kinds 1-13: neutrons, photons, electrons, positrons, negative and
// positive muons, protons, negative and positive pions, deuterons, tritons,
// helions, alphas. 14-37 are the fragments lithium to iron.
ParticleShape particle_shape(int p) {
    static constexpr std::array<ParticleShape, 13> light = {{
        {0.40, 1.0}, {0.08, 1.0}, {0.12, 0.95}, {0.04, 0.95}, {0.04, 1.6}, {0.05, 1.6}, {0.20, 0.95},
        {0.004, 0.9}, {0.005, 0.9}, {0.012, 0.85}, {0.004, 0.85}, {0.004, 0.85}, {0.015, 0.8},
    }};
    if (p <= 13) return light[static_cast<std::size_t>(p - 1)];
    return {0.0015 / (1.0 + 0.2 * (p - 14)), 0.5};
}

// Share of a nucleon's full yield at energy eps (GeV per nucleon): it rises
// smoothly over the low energies (a small tail reaching down to the lowest
// grid energies), is full at 3.5 GeV per nucleon and grows by kLogRise per
// e-fold of energy above that.
double rise(double eps) {
    constexpr double kLow = 0.02;
    constexpr double kFull = 3.5;
    constexpr double kTail = 1e-3;
    constexpr double kLogRise = 0.2;
    if (eps > kFull) return 1.0 + kLogRise * std::log(eps / kFull);
    double t = std::clamp(std::log(eps / kLow) / std::log(kFull / kLow), 0.0, 1.0);
    double tail = std::pow(std::min(eps / kFull, 1.0), 3);
    return (1.0 - kTail) * t * t * (3.0 - 2.0 * t) + kTail * tail;
}

// Yield of one primary of A nucleons at total kinetic energy e_gev and depth
// x in g/cm2: A nucleons of a share of the energy each, attenuated with a
// length that grows with the energy.
double yield(int a, double e_gev, double x, double attenuation) {
    double g = rise(e_gev / a);
    return a * g * std::exp(-x / (attenuation * (105.0 + 65.0 * g)));
}

// A number in E10.3 form (0.123E-04) into 10 columns; returns the value as
// written, for the particle sums.
double put_e10_3(char* out, double value) {
    if (value == 0.0) {
        std::memcpy(out, " 0.000E+00", 10);
        return 0.0;
    }
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 2);
    *r.ptr = '\0';
    int exponent = std::atoi(std::strchr(buf, 'e') + 1) + 1;
    if (exponent < -99 || exponent > 99) {
        std::string text = fmt_e(value, 10, 3);
        std::memcpy(out, text.data(), 10);
        return value;
    }
    char digits[3] = {buf[0], buf[2], buf[3]};
    out[0] = value < 0 ? '-' : ' ';
    out[1] = '0';
    out[2] = '.';
    std::memcpy(out + 3, digits, 3);
    out[6] = 'E';
    out[7] = exponent < 0 ? '-' : '+';
    out[8] = static_cast<char>('0' + std::abs(exponent) / 10);
    out[9] = static_cast<char>('0' + std::abs(exponent) % 10);
    int mantissa = (digits[0] - '0') * 100 + (digits[1] - '0') * 10 + (digits[2] - '0');
    double written = mantissa * power_of_ten(exponent - 3);
    return value < 0 ? -written : written;
}

// Columns 1-20: the slot's symbol, the energy in MeV, the depth and particle numbers.
void put_record_head(char* out, const char* symbol, int mev, int d, int p) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%-2.2s%10d%4d%4d", symbol, mev, d, p);
    std::memcpy(out, buf, 20);
}

std::string shower_file(int slot, const TreeOptions& o) {
    const std::string name = kShowerFiles[static_cast<std::size_t>(slot - 1)];
    const std::string symbol = name.substr(0, name[1] == '_' ? 1 : 2);
    const int a = slot == 1 ? 1 : atomic(slot - 1).mass_number;
    std::string text;
    text.reserve(static_cast<std::size_t>(kShowerEnergies) * (2 * 80 + kShowerDepths * kShowerParticles * (kRecordWidth + 1)));
    char record[kRecordWidth + 1];
    record[kRecordWidth] = '\n';
    for (int e = 1; e <= kShowerEnergies; ++e) {
        double mev = kCoefficientEnergyMeV[static_cast<std::size_t>(e - 1)];
        char header[128];
        std::snprintf(header, sizeof header, "SYNTHETIC %-2s shower, primary %8.0f MeV\n", symbol.c_str(), mev);
        text += header;
        text += "synthetic data by make_data_tree: depth, particle, 8 x (coef., unc.)\n";
        for (int d = 1; d <= kShowerDepths; ++d) {
            double x = kPhys[static_cast<std::size_t>(d - 1)];
            double relative = 0.03 + 0.01 * (e - 1) / 18.0 + 0.01 * (d - 1) / 18.0;  // 3-5 %
            std::array<double, kDoseQuantities> total{};
            for (int p = 1; p <= kShowerParticles; ++p) {
                put_record_head(record, symbol.c_str(), static_cast<int>(mev), d, p);
                double base = 0.0;
                if (p < kShowerParticles) {
                    ParticleShape shape = particle_shape(p);
                    base = shape.share * yield(a, mev / 1000.0, x, shape.attenuation);
                }
                for (int q = 1; q <= kDoseQuantities; ++q) {
                    char* field = record + 20 + 20 * (q - 1);
                    auto k = static_cast<std::size_t>(q - 1);
                    if (o.constant_coefficients) {
                        put_e10_3(field, o.coefficient);
                        put_e10_3(field + 10, o.uncertainty);
                        continue;
                    }
                    double coefficient = p < kShowerParticles ? kQuantityScale[k] * base : total[k];
                    double written = put_e10_3(field, coefficient);
                    if (p < kShowerParticles) total[k] += written;
                    put_e10_3(field + 10, relative * written);
                }
                text.append(record, sizeof record);
            }
        }
    }
    return text;
}

}  // namespace

void write_showers(const fs::path& dir, const TreeOptions& options) {
    fs::create_directories(dir / "SHOWERS");
    // The files are independent: each is built and written by its own thread.
    std::vector<std::thread> writers;
    std::vector<std::string> failures(kShowerSlots);
    for (int slot = 1; slot <= kShowerSlots; ++slot) {
        writers.emplace_back([&, slot] {
            try {
                write_text_file(dir / "SHOWERS" / kShowerFiles[static_cast<std::size_t>(slot - 1)],
                                shower_file(slot, options));
            } catch (const std::exception& e) {
                failures[static_cast<std::size_t>(slot - 1)] = e.what();
            }
        });
    }
    for (auto& w : writers) w.join();
    for (const auto& f : failures)
        if (!f.empty()) throw std::runtime_error(f);
}

}  // namespace tolv7::tree
