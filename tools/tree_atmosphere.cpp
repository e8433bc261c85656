// ATMOSPHERE/FT-GM.DAT from the 1976 US Standard Atmosphere: pressure turned
// into atmospheric depth (g/cm2 = Pa / 98.0665, standard gravity), so that
// sea level is 1033.23 g/cm2. The rows start below sea level, where the
// depth passes 1035.0837 g/cm2 (the deepest the engine takes) some 50 ft down.
#include <array>
#include <cmath>
#include <algorithm>
#include <cstdio>
#include <string>

#include "tools/data_tree.hpp"

namespace tolv7::tree {

namespace {

constexpr int kRows = 553;
constexpr double kFirstKft = -0.75;  // rows every 750 ft from -750 ft to 413250 ft
constexpr double kStepKft = 0.75;
constexpr double kSeaLevelPressure = 101325.0;  // Pa
constexpr double kPascalPerGramCm2 = 98.0665;   // standard gravity: 1 g/cm2 weighs 98.0665 Pa
constexpr double kEarthRadiusKm = 6356.766;     // for geopotential altitude
constexpr double kGMR = 34.163195;              // g0 M / R, K per km

struct Layer {
    double base_km;  // geopotential
    double lapse;    // K per km
};

// The seven layers up to 84.852 km geopotential (86 km geometric).
constexpr std::array<Layer, 7> kLayers = {{
    {0.0, -6.5}, {11.0, 0.0}, {20.0, 1.0}, {32.0, 2.8}, {47.0, 0.0}, {51.0, -2.8}, {71.0, -2.0},
}};

// Pressure in Pa at a geopotential altitude within the layers.
double layered_pressure(double h) {
    double t = 288.15;
    double pressure = kSeaLevelPressure;
    for (std::size_t i = 0; i < kLayers.size(); ++i) {
        const Layer& layer = kLayers[i];
        double top = i + 1 < kLayers.size() ? kLayers[i + 1].base_km : HUGE_VAL;
        double dh = std::min(h, top) - layer.base_km;
        if (layer.lapse == 0.0) {
            pressure *= std::exp(-kGMR * dh / t);
        } else {
            double t_end = t + layer.lapse * dh;
            pressure *= std::pow(t / t_end, kGMR / layer.lapse);
            t = t_end;
        }
        if (h <= top) break;
    }
    return pressure;
}

// Above 86 km the standard's tabulated pressures, interpolated in log.
constexpr std::array<std::array<double, 2>, 5> kUpperPressures = {{
    {90.0, 0.18359}, {100.0, 0.032011}, {110.0, 0.0071042}, {120.0, 0.0025382}, {130.0, 0.0012505},
}};

double pressure_at(double z_km) {
    constexpr double kLayerTopKm = 86.0;
    auto geopotential = [](double z) { return kEarthRadiusKm * z / (kEarthRadiusKm + z); };
    if (z_km <= kLayerTopKm) return layered_pressure(geopotential(z_km));
    double z0 = kLayerTopKm;
    double p0 = layered_pressure(geopotential(kLayerTopKm));
    for (const auto& [z1, p1] : kUpperPressures) {
        if (z_km <= z1 || z1 == kUpperPressures.back()[0]) {
            double w = (z_km - z0) / (z1 - z0);
            return std::exp(std::log(p0) + w * (std::log(p1) - std::log(p0)));
        }
        z0 = z1;
        p0 = p1;
    }
    return p0;
}

}  // namespace

void write_atmosphere(const fs::path& dir, const TreeOptions&) {
    std::string text =
        "SYNTHETIC altitude-depth table: altitude (1000 ft), depth (g/cm2) from the 1976 US Standard Atmosphere\n"
        "SYNTHETIC data written by make_data_tree: depth = pressure (Pa) / 98.0665, 1033.23 at sea level\n";
    char line[64];
    for (int row = 0; row < kRows; ++row) {
        double kft = kFirstKft + kStepKft * row;
        double depth = pressure_at(kft * 0.3048) / kPascalPerGramCm2;
        std::snprintf(line, sizeof line, "%9.2f  %.7E\n", kft, depth);
        text += line;
    }
    write_text_file(dir / "ATMOSPHERE/FT-GM.DAT", text);
}

}  // namespace tolv7::tree
