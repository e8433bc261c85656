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

// Worked values (mpmath, 40 digits) for an earth radius R of 6374.1 km: the
// horizon at h km dips by acos(R / (R + h)), and the sky above it is
// (1 + sin(dip)) / 2 of the sphere. The program's single-precision angle
// constants (pi / 2 above all) move the shares by about 2e-8 and the
// angles by about 2e-6 degrees.
constexpr double kShare5Km = 0.51979270620154035;
constexpr double kShare11Km = 0.52933663941046083;
constexpr double kShare12Km = 0.53063752297185222;
constexpr double kShare20Km = 0.53951576674155256;
constexpr double kDip12KmDegrees = 3.5130022031659862;

TEST(SkyWeights, OneCellHoldsTheWholeSkyAboveTheDippedHorizon) {
    for (auto [h, share] : {std::pair{0.0, 0.5}, {5.0, kShare5Km}, {12.0, kShare12Km}, {20.0, kShare20Km}}) {
        SCOPED_TRACE(h);
        Sky s = cells('0', 1, 1, 8.0, h);
        EXPECT_NEAR(s.wt[0], share, 5e-8);
        EXPECT_EQ(s.pass[0], 1.0);
    }
    EXPECT_NEAR(dip_degrees(12.0), kDip12KmDegrees, 5e-6);
    // One band spans half the sky from the zenith to the dipped horizon:
    // (90 + 3.5130022031659862) / 2 degrees.
    EXPECT_NEAR(zstep(1, 12.0), 46.756501101582993, 5e-6);
}

TEST(SkyWeights, CellsSumToTheSameShareForAnyDivision) {
    double h = 11.0;
    double whole = kShare11Km;
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
    // The apparent cutoff of each of its three ranges, worked out by hand
    // (mpmath) from the fitted quadratics rv (a rv + b).
    EXPECT_DOUBLE_EQ(cells('0', 1, 1, 8.0, 0.0).cut[0], 8.01908208);
    EXPECT_DOUBLE_EQ(cells('2', 1, 1, 9.5, 0.0).cut[0], 9.7345070582814511);
    EXPECT_DOUBLE_EQ(cells('x', 1, 1, 12.0, 0.0).cut[0], 12.608645780012011);
    Sky s = cells('4', 3, 5, 9.25, 11.0);
    for (double c : s.cut) EXPECT_EQ(c, 9.25);
}

TEST(SkyCutoff, ApparentCutoffRangesMeetAtTheSinglePrecisionBounds) {
    // The middle fit holds from 8.663 to 10.4 GV, both bounds single
    // precision and both included; the doubles next to them on the outside
    // take the low and the high fit. Worked with python3's fractions: rv (a rv
    // + b) with each fit's constants taken exactly, rounded to the nearest
    // double. Low and middle fit differ by 3.7e-5 GV at 8.663, middle and
    // high by 8.4e-4 GV at 10.4.
    const double from = double(8.663f);
    const double to = double(10.4f);
    struct Case {
        double rv;
        double apparent;
    };
    const Case cases[] = {
        {std::nextafter(from, 0.0), 8.685336142029165},  // low fit
        {from, 8.68529876723204},                        // middle fit
        {std::nextafter(from, 20.0), 8.685298767232041},
        {std::nextafter(to, 0.0), 10.903985192271836},
        {to, 10.90398519227184},
        {std::nextafter(to, 20.0), 10.90482700988201},  // high fit
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(apcut(c.rv), c.apparent) << std::hexfloat << c.rv;
        EXPECT_DOUBLE_EQ(cells('0', 1, 1, c.rv, 11.0).cut[0], c.apparent) << std::hexfloat << c.rv;
    }
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
    // Facing east (azimuth 90) at the band centre, 46.681831532 degrees from
    // the zenith at 11 km: 4 Rv / (1 + sqrt(1 - sin 46.68...))^2 (mpmath).
    EXPECT_NEAR(s.cut[0], 34.536803351113939, 5e-6);
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
