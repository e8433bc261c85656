// Geodesics on the ellipsoid checked against an independent geodesic
// library; built only where that library is installed.
#include <gtest/gtest.h>

#include <GeographicLib/Geodesic.hpp>
#include <cmath>
#include <random>

#include "runs/geodesy.hpp"

namespace tolv7 {
namespace {

constexpr double kRad = 57.29577951308232;

const GeographicLib::Geodesic& reference() {
    static const GeographicLib::Geodesic g(6378137.0, 0.0033528106811836675);
    return g;
}

// Difference of two azimuths in degrees, either way round.
double azimuth_gap(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

TEST(GeodesyAgainstReference, InverseOnRandomPairs) {
    std::mt19937_64 rng(20240607);
    std::uniform_real_distribution<double> unit(-1.0, 1.0), lon(-180.0, 180.0);
    RunRecords r;
    int compared = 0;
    while (compared < 20000) {
        double lat1 = std::asin(unit(rng)) * kRad, lat2 = std::asin(unit(rng)) * kRad;
        double lon1 = lon(rng), lon2 = lon(rng);
        double s12, azi1, azi2;
        // Within 10 degrees of arc of the antipode the iteration may not settle.
        if (reference().Inverse(lat1, lon1, lat2, lon2, s12, azi1, azi2) > 170.0) continue;
        ++compared;
        InverseSolution sol = inverse(r, lat1, lon1, lat2, lon2);
        ASSERT_NEAR(sol.s, s12, 1e-4) << lat1 << " " << lon1 << " " << lat2 << " " << lon2;
        ASSERT_LT(azimuth_gap(sol.az1 * kRad, azi1), 1e-8) << lat1 << " " << lon1 << " " << lat2 << " " << lon2;
        ASSERT_LT(azimuth_gap(sol.az2 * kRad, azi2 + 180.0), 1e-8) << lat1 << " " << lon1 << " " << lat2 << " " << lon2;
    }
}

TEST(GeodesyAgainstReference, ForwardOnRandomLines) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> unit(-1.0, 1.0), lon(-180.0, 180.0), az(0.0, 360.0), dist(0.0, 2.0e7);
    RunRecords r;
    for (int i = 0; i < 20000; ++i) {
        double lat1 = std::asin(unit(rng)) * kRad, lon1 = lon(rng), azi1 = az(rng), s = dist(rng);
        double lat2, lon2, azi2;
        reference().Direct(lat1, lon1, azi1, s, lat2, lon2, azi2);
        double used = s;
        auto point = forward(r, lat1, lon1, azi1 / kRad, used);
        ASSERT_TRUE(point);
        double miss, a1, a2;
        reference().Inverse(point->lat, point->lon, lat2, lon2, miss, a1, a2);
        ASSERT_LT(miss, 1e-4) << lat1 << " " << lon1 << " " << azi1 << " " << s;
        auto direct = dirct1(r.elipsoid, r.consts, lat1 / kRad, lon1 / kRad, azi1 / kRad, s);
        ASSERT_LT(azimuth_gap(direct->baz * kRad, azi2 + 180.0), 1e-8);
    }
}

TEST(GeodesyEdges, IdenticalPointsAndOneMeridian) {
    RunRecords r;
    NauticalInverse same = use_inverse(r, 12.5, -40.0, 12.5, -40.0);
    EXPECT_EQ(same.distance, 0.0);
    EXPECT_EQ(same.azimuth, 0.0);

    InverseSolution north = inverse(r, 10.0, 20.0, 30.0, 20.0);
    InverseSolution south = inverse(r, 30.0, 20.0, 10.0, 20.0);
    EXPECT_EQ(north.az1, 0.0);
    EXPECT_DOUBLE_EQ(north.az2, 3.141592653589793);
    EXPECT_DOUBLE_EQ(south.az1, 3.141592653589793);
    double s12, a1, a2;
    reference().Inverse(10.0, 20.0, 30.0, 20.0, s12, a1, a2);
    EXPECT_NEAR(north.s, s12, 1e-4);
    EXPECT_EQ(south.s, north.s);
}

TEST(GeodesyEdges, NearlyAntipodalPoints) {
    RunRecords r;
    // Both on the equator: the long-line solution.
    for (double dlon : {179.5, 179.9, -179.7}) {
        double s12, a1, a2;
        reference().Inverse(0.0, 0.0, 0.0, dlon, s12, a1, a2);
        InverseSolution sol = inverse(r, 0.0, 0.0, 0.0, dlon);
        EXPECT_NEAR(sol.s, s12, 1e-4) << dlon;
        EXPECT_LT(azimuth_gap(sol.az1 * kRad, a1), 1e-8) << dlon;
    }
    // Both just off the equator: not resolved.
    InverseSolution lost = inverse(r, 0.1, 0.0, -0.2, 179.8);
    EXPECT_EQ(lost.s, 0.0);
    EXPECT_EQ(lost.az1, 0.0);
    // One just off the equator, the other far from it: an ordinary line.
    double s12, a1, a2;
    reference().Inverse(0.2, 0.0, 45.0, 179.7, s12, a1, a2);
    EXPECT_NEAR(inverse(r, 0.2, 0.0, 45.0, 179.7).s, s12, 1e-4);
    // Quito to Kuala Lumpur, 2.6 degrees of arc from antipodal: measured, not 0.
    reference().Inverse(-0.125399, -78.354306, 2.745580, 101.709999, s12, a1, a2);
    EXPECT_NEAR(inverse(r, -0.125399, -78.354306, 2.745580, 101.709999).s, s12, 1.0);
}

}  // namespace
}  // namespace tolv7
