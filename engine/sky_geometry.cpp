#include "engine/sky_geometry.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tolv7 {

double zeta(double altitude_km) {
    return kSkyHalfPi - std::asin(std::min(1.0, kSkyEarthRadiusKm / (kSkyEarthRadiusKm + altitude_km)));
}

double zstep(int n, double altitude_km) { return (zeta(altitude_km) * kSkyRadToDeg + 90.0) / (2 * n); }

double sky(int n, int m, double y, double altitude_km) {
    double w = zstep(n, altitude_km);
    double per_sector = static_cast<double>(1.0f / static_cast<float>(m));
    return (std::sin((y + w) * kSkyDegToRad) - std::sin((y - w) * kSkyDegToRad)) * 0.5 * per_sector;
}

namespace {

// The apparent cutoff is a quadratic in the vertical cutoff Rv, one for low,
// one for middle and one for high cutoffs (GV): F = Rv (a Rv + b). The low
// pair is given in double precision, the others as the model's fit left them.
struct ApparentCutoffFit {
    double a;
    double b;
};
constexpr ApparentCutoffFit kLowFit{0.0002912, 1.00005566};
constexpr ApparentCutoffFit kMiddleFit{0.026416899636387825, 0.7737244069576263};
constexpr ApparentCutoffFit kHighFit{0.0013621150283142924, 1.0343751013278961};
static_assert(kMiddleFit.a == double(0.0264169f));
static_assert(kHighFit.a == double(0.00136211503f));
// The middle fit holds from 8.663 GV to 10.4 GV (single precision).
constexpr double kMiddleFrom = 8.663000106811523;
static_assert(kMiddleFrom == double(8.663f));
constexpr double kMiddleTo = 10.399999618530273;
static_assert(kMiddleTo == double(10.4f));

// Cutoffs from which the non-vertical cutoff keeps its vertical shape (GV).
constexpr double kLeastStormerScale = 15.0;

double fitted(const ApparentCutoffFit& fit, double rv) { return rv * (fit.a * rv + fit.b); }

}  // namespace

double apcut(double rv) {
    if (rv < kMiddleFrom) return fitted(kLowFit, rv);
    if (rv > kMiddleTo) return fitted(kHighFit, rv);
    return fitted(kMiddleFit, rv);
}

double maxvc(double rv) { return std::max(rv, kLeastStormerScale); }

double nvc(char mode, double rv, double, double, double elevation, double azimuth) {
    switch (mode) {
    case '1':
    case '3': {
        double c = std::pow(rv / maxvc(rv), 0.25);
        double sin_zenith = std::sin((90.0 - elevation) * kSkyPi / 180.0);
        double root = 1.0 + std::sqrt(1.0 - std::sin(azimuth * kSkyPi / 180.0) * sin_zenith * (c * c * c));
        return 4.0 * rv / (root * root);
    }
    case '4':
        return rv;
    default:
        return apcut(rv);
    }
}

void sky_cells(char mode, int n, int m, double rv, double altitude_km, std::span<double> skycut,
               std::span<double> skypass, std::span<double> skywt) {
    if (n < 1 || m < 1) return;
    double w = zstep(n, altitude_km);
    float sector_step = 360.0f / static_cast<float>(m);
    auto bands = static_cast<std::size_t>(n);
    for (int k = 1; k <= n; ++k) {
        double y = 90.0 - (2 * k - 1) * w;
        double weight = sky(n, m, y, altitude_km);
        for (int l = 1; l <= m; ++l) {
            double azimuth = static_cast<double>(static_cast<float>(l) * sector_step);
            double f = nvc(mode, rv, 0.0, 0.0, y, azimuth);
            std::size_t i = static_cast<std::size_t>(k - 1) + bands * static_cast<std::size_t>(l - 1);
            skycut[i] = f > 0.0 ? f : 0.0;  // a negative (or undefined) cutoff counts as none
            skypass[i] = 1.0;
            skywt[i] = weight;
        }
    }
}

}  // namespace tolv7
