#pragma once
// Cubic-spline interpolation for the engine's tables.
//
// tdspline: a cubic spline through n points with ascending abscissae, natural
// or clamped ends, holding the end values outside the table.
// kcspline: the guarded form for tables that may run either way and may hold
// zeros; it keeps the spline value only where it stays between the two
// bracketing table values and falls back to the straight line otherwise.
//
// The prepared forms keep the second derivatives of one table, so that many
// look-ups in an unchanged table do not redo that work; their values are
// bit-identical to the plain routines on the same table.
#include <span>
#include <vector>

namespace tolv7 {

// An end slope above 9.9e29 means a natural end (second derivative 0).
inline constexpr double kNaturalEnd = 1.0e30;

double tdspline(std::span<const double> x, std::span<const double> y, double yp1, double ypn, double at);
double kcspline(std::span<const double> x, std::span<const double> y, double yp1, double ypn, double at);

// tdspline on one fixed table.
class CubicSpline {
public:
    CubicSpline() = default;
    CubicSpline(std::vector<double> x, std::vector<double> y, double yp1, double ypn);
    double operator()(double at) const;

private:
    std::vector<double> x_, y_, y2_;
};

// kcspline on one fixed table.
class GuardedSpline {
public:
    GuardedSpline() = default;
    GuardedSpline(std::span<const double> x, std::span<const double> y, double yp1, double ypn);
    double operator()(double at) const;

private:
    std::vector<double> xx_, yy_, y2_;  // ascending copies and their second derivatives
    double yp1_ = kNaturalEnd;
    double ypn_ = kNaturalEnd;
};

}  // namespace tolv7
