// The natural/clamped cubic spline and its guarded form.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/energy_grid.hpp"
#include "engine/splines.hpp"

namespace tolv7 {
namespace {

const std::vector<double> kX = {0.0, 1.0, 2.5, 3.0, 4.5, 7.0, 8.0};
const std::vector<double> kY = {2.0, 3.5, 1.0, 4.0, 6.0, 5.5, 9.0};

TEST(Splines, NodesReturnTheirValues) {
    for (std::size_t i = 0; i < kX.size(); ++i) {
        EXPECT_EQ(tdspline(kX, kY, kNaturalEnd, kNaturalEnd, kX[i]), kY[i]) << i;
        EXPECT_EQ(kcspline(kX, kY, kNaturalEnd, kNaturalEnd, kX[i]), kY[i]) << i;
    }
}

// Worked values: the second derivatives solved exactly (Python fractions)
// from the continuity of the slope at the inner nodes, with zero second
// derivatives at natural ends or the given slopes 1.5 and -2 at clamped ones.
TEST(Splines, BetweenNodesTheCubicTakesWorkedValues) {
    EXPECT_NEAR(tdspline(kX, kY, kNaturalEnd, kNaturalEnd, 0.5), 46563.0 / 14180, 1e-12);
    EXPECT_NEAR(tdspline(kX, kY, kNaturalEnd, kNaturalEnd, 2.0), 56281.0 / 95715, 1e-12);
    EXPECT_NEAR(tdspline(kX, kY, kNaturalEnd, kNaturalEnd, 6.0), 80604.0 / 17725, 1e-12);
    EXPECT_NEAR(tdspline(kX, kY, 1.5, -2.0, 0.5), 4512359.0 / 1479360, 1e-12);
    EXPECT_NEAR(tdspline(kX, kY, 1.5, -2.0, 2.0), 1093771.0 / 1664280, 1e-12);
    EXPECT_NEAR(tdspline(kX, kY, 1.5, -2.0, 6.0), 1121291.0 / 308200, 1e-12);
    // The guarded form keeps the cubic where it stays between the bracketing
    // values (at 0.5: between 2 and 3.5) and takes the straight line where it
    // does not (at 2: 0.588 is below 1; at 6: 4.55 is below 5.5).
    EXPECT_NEAR(kcspline(kX, kY, kNaturalEnd, kNaturalEnd, 0.5), 46563.0 / 14180, 1e-12);
    EXPECT_NEAR(kcspline(kX, kY, kNaturalEnd, kNaturalEnd, 2.0), 11.0 / 6, 1e-12);
    EXPECT_NEAR(kcspline(kX, kY, kNaturalEnd, kNaturalEnd, 6.0), 5.7, 1e-12);
}

TEST(Splines, CollinearPointsStayOnTheLine) {
    std::vector<double> x = {-3.0, -1.0, 0.5, 2.0, 6.0, 6.5, 10.0};
    std::vector<double> y;
    for (double v : x) y.push_back(2.0 * v + 1.0);
    for (double at = -3.0; at <= 10.0; at += 0.37) {
        EXPECT_NEAR(tdspline(x, y, kNaturalEnd, kNaturalEnd, at), 2.0 * at + 1.0, 1e-12) << at;
        EXPECT_NEAR(tdspline(x, y, 2.0, 2.0, at), 2.0 * at + 1.0, 1e-12) << at;
        EXPECT_NEAR(kcspline(x, y, kNaturalEnd, kNaturalEnd, at), 2.0 * at + 1.0, 1e-12) << at;
    }
}

TEST(Splines, EndValuesAreHeldOutsideTheTable) {
    std::vector<double> x_down(kX.rbegin(), kX.rend());
    std::vector<double> y_down(kY.rbegin(), kY.rend());
    EXPECT_EQ(tdspline(kX, kY, kNaturalEnd, kNaturalEnd, -5.0), 2.0);
    EXPECT_EQ(tdspline(kX, kY, kNaturalEnd, kNaturalEnd, 50.0), 9.0);
    EXPECT_EQ(kcspline(kX, kY, kNaturalEnd, kNaturalEnd, -5.0), 2.0);
    EXPECT_EQ(kcspline(kX, kY, kNaturalEnd, kNaturalEnd, 50.0), 9.0);
    EXPECT_EQ(kcspline(x_down, y_down, kNaturalEnd, kNaturalEnd, -5.0), 2.0);
    EXPECT_EQ(kcspline(x_down, y_down, kNaturalEnd, kNaturalEnd, 50.0), 9.0);
}

TEST(Splines, DescendingTableGivesTheSameAsItsAscendingReverse) {
    std::vector<double> depth(kPhys.begin(), kPhys.end());
    std::vector<double> value;
    for (std::size_t d = 0; d < depth.size(); ++d) value.push_back(std::exp(-depth[d] / 150.0) * (1.0 + 0.1 * d));
    std::vector<double> depth_up(depth.rbegin(), depth.rend());
    std::vector<double> value_up(value.rbegin(), value.rend());
    for (double at : {0.0, 0.001, 0.5, 10.0, 35.0, 250.0, 600.0, 918.0, 1000.0, 1035.0837}) {
        double down = kcspline(depth, value, kNaturalEnd, kNaturalEnd, at);
        EXPECT_EQ(down, kcspline(depth_up, value_up, kNaturalEnd, kNaturalEnd, at)) << at;
        EXPECT_GT(down, 0.0);
    }
}

TEST(Splines, OvershootBetweenTwoEqualNeighboursFallsBackToTheLine) {
    std::vector<double> x = {0, 1, 2, 3, 4, 5, 6};
    std::vector<double> y = {0, 0, 0, 10, 10, 10, 10};
    // The plain spline swings above 10 after the step; the guarded one does not.
    EXPECT_GT(tdspline(x, y, kNaturalEnd, kNaturalEnd, 3.5), 10.0);
    EXPECT_EQ(kcspline(x, y, kNaturalEnd, kNaturalEnd, 3.5), 10.0);
    double rising = kcspline(x, y, kNaturalEnd, kNaturalEnd, 2.5);
    EXPECT_GE(rising, 0.0);
    EXPECT_LE(rising, 10.0);
}

TEST(Splines, ZeroNeighboursGiveZeroNeverANegativeValue) {
    std::vector<double> x = {0, 1, 2, 3, 4, 5};
    std::vector<double> y = {5, 3, 0, 0, 2, 7};
    EXPECT_LT(tdspline(x, y, kNaturalEnd, kNaturalEnd, 2.5), 0.0);
    EXPECT_EQ(kcspline(x, y, kNaturalEnd, kNaturalEnd, 2.5), 0.0);
    EXPECT_EQ(kcspline(x, y, kNaturalEnd, kNaturalEnd, 2.9), 0.0);
    // At an interior zero node the stand-in value may show.
    double at_node = kcspline(x, y, kNaturalEnd, kNaturalEnd, 3.0);
    EXPECT_TRUE(at_node == 0.0 || at_node == 1e-30) << at_node;
    EXPECT_EQ(kcspline(x, y, kNaturalEnd, kNaturalEnd, 1.0), 3.0);
}

TEST(Splines, NaturalEndsHaveNoCurvatureAndClampedEndsTheGivenSlope) {
    std::vector<double> x = {0, 1, 2, 3, 4};
    std::vector<double> y;
    for (double v : x) y.push_back(v * v * v);
    const double h = 1e-5;
    auto second = [&](double yp1, double ypn, double at) {
        return (tdspline(x, y, yp1, ypn, at + h) - 2 * tdspline(x, y, yp1, ypn, at) + tdspline(x, y, yp1, ypn, at - h)) /
               (h * h);
    };
    EXPECT_NEAR(second(kNaturalEnd, kNaturalEnd, 2 * h), 0.0, 1e-2);
    EXPECT_NEAR(second(kNaturalEnd, kNaturalEnd, 4 - 2 * h), 0.0, 1e-2);

    double start = (tdspline(x, y, 0.0, 48.0, h) - tdspline(x, y, 0.0, 48.0, 0.0)) / h;
    double end = (tdspline(x, y, 0.0, 48.0, 4.0) - tdspline(x, y, 0.0, 48.0, 4.0 - h)) / h;
    EXPECT_NEAR(start, 0.0, 1e-3);
    EXPECT_NEAR(end, 48.0, 1e-3);
    // Clamped with the true slopes, a cubic is reproduced.
    EXPECT_NEAR(tdspline(x, y, 0.0, 48.0, 2.5), 15.625, 1e-12);
    EXPECT_GT(std::fabs(tdspline(x, y, kNaturalEnd, kNaturalEnd, 0.5) - 0.125), 1e-3);
}

TEST(Splines, PreparedTablesGiveBitIdenticalValues) {
    std::vector<double> x = {-2, -1, 0, 0.5, 1, 3, 4, 7, 8, 11};
    std::vector<double> y = {4, 0, 0, 1, 3, 0, 2, 2, 9, 0};
    std::vector<double> x_down(x.rbegin(), x.rend());
    std::vector<double> y_down(y.rbegin(), y.rend());
    CubicSpline natural(x, y, kNaturalEnd, kNaturalEnd);
    CubicSpline clamped(x, y, 1.5, -2.0);
    GuardedSpline guarded(x, y, kNaturalEnd, kNaturalEnd);
    GuardedSpline guarded_down(x_down, y_down, 0.5, kNaturalEnd);
    for (double at = -3.0; at <= 12.0; at += 0.0625) {
        EXPECT_EQ(natural(at), tdspline(x, y, kNaturalEnd, kNaturalEnd, at)) << at;
        EXPECT_EQ(clamped(at), tdspline(x, y, 1.5, -2.0, at)) << at;
        EXPECT_EQ(guarded(at), kcspline(x, y, kNaturalEnd, kNaturalEnd, at)) << at;
        EXPECT_EQ(guarded_down(at), kcspline(x_down, y_down, 0.5, kNaturalEnd, at)) << at;
        // A point located once serves every spline over the same abscissae.
        GuardedPoint point = guarded.locate(at);
        EXPECT_EQ(guarded.at_point(point), guarded(at)) << at;
        std::vector<double> zeros = {0, 0, 1, 0, 5, 5, 0, 1, 0, 2};
        GuardedSpline other(x, zeros, kNaturalEnd, kNaturalEnd);
        EXPECT_EQ(other.at_point(point), kcspline(x, zeros, kNaturalEnd, kNaturalEnd, at)) << at;
    }
}

TEST(Splines, DegenerateTablesDoNotFail) {
    std::vector<double> none;
    std::vector<double> one = {3.0};
    EXPECT_EQ(tdspline(none, none, kNaturalEnd, kNaturalEnd, 1.0), 0.0);
    EXPECT_EQ(kcspline(none, none, kNaturalEnd, kNaturalEnd, 1.0), 0.0);
    EXPECT_EQ(tdspline(one, one, kNaturalEnd, kNaturalEnd, 3.0), 3.0);
    EXPECT_EQ(kcspline(one, one, kNaturalEnd, kNaturalEnd, 7.0), 3.0);
    EXPECT_EQ(GuardedSpline(one, one, kNaturalEnd, kNaturalEnd)(std::nan("")), 0.0);
    EXPECT_EQ(kcspline(kX, kY, kNaturalEnd, kNaturalEnd, std::nan("")), 0.0);
}

}  // namespace
}  // namespace tolv7
