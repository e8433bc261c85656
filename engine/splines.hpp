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

// An end slope above kNaturalEndFrom means a natural end (second derivative
// 0); kNaturalEnd is the slope the callers give for one.
inline constexpr double kNaturalEndFrom = 9.9e29;
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

// The interval of the cubic that holds one abscissa, and the weights of its
// end values and second derivatives there.
struct CubicWeights {
    std::size_t klo = 0, khi = 0;
    double a = 0, b = 0, a3 = 0, b3 = 0, hh = 0;
};

// Where one abscissa falls in an ascending table, with every term of the
// look-up that depends on the abscissae alone: many guarded splines over the
// same abscissae can share it.
struct GuardedPoint {
    enum class Where { Below, Above, Inside } where = Where::Inside;
    bool ascending = true;
    std::size_t bracket = 0;  // xx[bracket] <= at < xx[bracket + 1]
    CubicWeights cubic;
    double from_upper = 0;  // at - xx[bracket + 1]
    double width = 0;       // xx[bracket + 1] - xx[bracket]
};

// kcspline on one fixed table.
class GuardedSpline {
public:
    // The copies of one bracket with its zero neighbours standing in as a
    // tiny positive value, and their second derivatives.
    struct StandIn {
        std::vector<double> y, y2;
    };

    GuardedSpline() = default;
    GuardedSpline(std::span<const double> x, std::span<const double> y, double yp1, double ypn);
    double operator()(double at) const;

    // Where `at` falls among the spline's (ascending) abscissae.
    GuardedPoint locate(double at) const;
    // The value at a point located in a spline with the same abscissae;
    // the same as operator() at that abscissa.
    double at_point(const GuardedPoint& point) const;

private:
    std::vector<double> xx_, yy_, y2_;  // ascending copies and their second derivatives
    std::vector<StandIn> stand_ins_;    // by bracket, where a neighbour is zero
    double yp1_ = kNaturalEnd;
    double ypn_ = kNaturalEnd;
};

}  // namespace tolv7
