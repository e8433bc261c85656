// Sky cells above a point: weights, cell cutoffs by mode, the array layout.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/sky_geometry.hpp"

namespace tolv7 {
namespace {

struct Sky {
    Sky(int n, int m) : cut(static_cast<std::size_t>(n * m), 7.0), pass(cut), wt(cut) {}
    std::vector<double> cut, pass, wt;
};

Sky cells(char mode, int n, int m, double rv, double h) {
    Sky s(n, m);
    sky_cells(mode, n, m, rv, h, s.cut, s.pass, s.wt);
    return s;
}

double dip_degrees(double h) { return zeta(h) * kSkyRadToDeg; }

TEST(SkyWeights, OneCellHoldsTheWholeSkyAboveTheDippedHorizon) {
    for (double h : {0.0, 5.0, 12.0, 20.0}) {
        SCOPED_TRACE(h);
        Sky s = cells('0', 1, 1, 8.0, h);
        EXPECT_NEAR(s.wt[0], (1.0 + std::sin(zeta(h))) / 2.0, 1e-12);
        EXPECT_EQ(s.pass[0], 1.0);
    }
    EXPECT_NEAR(cells('0', 1, 1, 8.0, 0.0).wt[0], 0.5, 1e-6);
    EXPECT_GT(cells('0', 1, 1, 8.0, 12.0).wt[0], cells('0', 1, 1, 8.0, 5.0).wt[0]);
    EXPECT_NEAR(dip_degrees(12.0), 3.5, 0.2);  // the horizon dips about 3.5 degrees at 12 km
    EXPECT_NEAR(zstep(1, 12.0), (dip_degrees(12.0) + 90.0) / 2.0, 1e-12);
}

TEST(SkyWeights, CellsSumToTheSameShareForAnyDivision) {
    double h = 11.0;
    double whole = (1.0 + std::sin(zeta(h))) / 2.0;
    for (auto [n, m] : {std::pair{3, 4}, std::pair{7, 1}, std::pair{1, 6}, std::pair{20, 36}}) {
        Sky s = cells('0', n, m, 8.0, h);
        double sum = 0.0;
        for (double w : s.wt) sum += w;
        EXPECT_NEAR(sum, whole, 1e-6) << n << " x " << m;  // 1/m is single precision
    }
}

TEST(SkyCells, BandIndexVariesFastest) {
    // Two bands, three sectors: cells 0, 2, 4 are band 1, cells 1, 3, 5 band 2.
    Sky s = cells('1', 2, 3, 10.0, 11.0);
    EXPECT_EQ(s.wt[0], s.wt[2]);
    EXPECT_EQ(s.wt[0], s.wt[4]);
    EXPECT_EQ(s.wt[1], s.wt[5]);
    EXPECT_NE(s.wt[0], s.wt[1]);
    EXPECT_NE(s.cut[0], s.cut[2]);  // azimuths 120 and 240 differ in the Stoermer form
    EXPECT_NE(s.cut[0], s.cut[1]);  // and so do the band centres
}

TEST(SkyCutoff, ApparentCutoffIsTheDefaultAndMode4TakesTheVerticalCutoff) {
    EXPECT_EQ(cells('0', 1, 1, 8.0, 0.0).cut[0], 8.0 * (0.0002912 * 8 + 1.00005566));
    EXPECT_EQ(cells('2', 1, 1, 9.5, 0.0).cut[0], 9.5 * (0.026416899636387825 * 9.5 + 0.7737244069576263));
    EXPECT_EQ(cells('x', 1, 1, 12.0, 0.0).cut[0], 12.0 * (0.0013621150283142924 * 12 + 1.0343751013278961));
    Sky s = cells('4', 3, 5, 9.25, 11.0);
    for (double c : s.cut) EXPECT_EQ(c, 9.25);
}

TEST(SkyCutoff, StoermerFormHasTheEastWestEffect) {
    // One sector faces azimuth 360: its sine is all but 0, so F is all but Rv.
    EXPECT_NEAR(cells('1', 1, 1, 9.0, 11.0).cut[0], 9.0, 1e-5);
    // Four sectors at 90, 180, 270 and 360 degrees; above 15 GV c is 1.
    Sky s = cells('3', 1, 4, 20.0, 11.0);
    EXPECT_GT(s.cut[0], 20.0);
    EXPECT_NEAR(s.cut[1], 20.0, 1e-4);
    EXPECT_LT(s.cut[2], 20.0);
    EXPECT_NEAR(s.cut[3], 20.0, 1e-4);
    double sz = std::sin((90.0 - (90.0 - zstep(1, 11.0))) * kSkyPi / 180.0);
    EXPECT_NEAR(s.cut[0], 80.0 / std::pow(1.0 + std::sqrt(1.0 - sz), 2), 1e-6);
    EXPECT_EQ(maxvc(9.0), 15.0);
    EXPECT_EQ(maxvc(20.0), 20.0);
}

TEST(SkyCutoff, ANegativeCellCutoffIsStoredAsZero) {
    for (char mode : {'0', '1', '3'}) EXPECT_EQ(cells(mode, 1, 2, -0.5, 11.0).cut[1], 0.0) << mode;
    EXPECT_EQ(cells('4', 1, 1, -0.5, 11.0).cut[0], 0.0);
}

TEST(SkyCells, NoBandsOrNoSectorsLeaveTheArrays) {
    Sky s(2, 2);
    sky_cells('0', 0, 2, 8.0, 11.0, s.cut, s.pass, s.wt);
    sky_cells('0', 2, 0, 8.0, 11.0, s.cut, s.pass, s.wt);
    sky_cells('0', -1, -1, 8.0, 11.0, s.cut, s.pass, s.wt);
    for (const auto* v : {&s.cut, &s.pass, &s.wt})
        for (double x : *v) EXPECT_EQ(x, 7.0);
}

}  // namespace
}  // namespace tolv7
