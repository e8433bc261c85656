#include "engine/splines.hpp"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace tolv7 {

namespace {

// The guarded spline's stand-in for an exact 0 at the ends of the bracketing
// interval, and for a negative value between non-negative ends.
constexpr double kZeroStandIn = 1.0e-30;

// Work space of a few arrays of n values: on the stack for the small tables
// of the coefficient lookup, on the heap for the altitude table.
class Scratch {
public:
    explicit Scratch(std::size_t count) {
        if (count > small_.size()) big_.resize(count);
    }
    double* data() { return big_.empty() ? small_.data() : big_.data(); }

private:
    std::array<double, 4 * 32> small_;
    std::vector<double> big_;
};

// Outside the table the end values are held; true when `at` lies there.
bool outside_table(const double* x, const double* y, std::size_t n, double at, double& out) {
    if (at < x[0] && at < x[n - 1]) {
        out = x[n - 1] > x[0] ? y[0] : y[n - 1];
        return true;
    }
    if (at > x[0] && at > x[n - 1]) {
        out = x[n - 1] > x[0] ? y[n - 1] : y[0];
        return true;
    }
    return false;
}

// Second derivatives of the spline through the n >= 2 points; u is work space.
void second_derivatives(const double* x, const double* y, std::size_t n, double yp1, double ypn, double* y2,
                        double* u) {
    if (yp1 > kNaturalEndFrom) {
        y2[0] = 0.0;
        u[0] = 0.0;
    } else {
        y2[0] = -0.5;
        u[0] = (3.0 / (x[1] - x[0])) * ((y[1] - y[0]) / (x[1] - x[0]) - yp1);
    }
    for (std::size_t i = 1; i + 1 < n; ++i) {
        double sig = (x[i] - x[i - 1]) / (x[i + 1] - x[i - 1]);
        double p = sig * y2[i - 1] + 2.0;
        y2[i] = (sig - 1.0) / p;
        u[i] = (6.0 * ((y[i + 1] - y[i]) / (x[i + 1] - x[i]) - (y[i] - y[i - 1]) / (x[i] - x[i - 1])) /
                    (x[i + 1] - x[i - 1]) -
                sig * u[i - 1]) /
               p;
    }
    double qn = 0.0;
    double un = 0.0;
    if (!(ypn > kNaturalEndFrom)) {
        qn = 0.5;
        un = (3.0 / (x[n - 1] - x[n - 2])) * (ypn - (y[n - 1] - y[n - 2]) / (x[n - 1] - x[n - 2]));
    }
    y2[n - 1] = (un - qn * u[n - 2]) / (qn * y2[n - 2] + 1.0);
    for (std::size_t k = n - 1; k-- > 0;) y2[k] = y2[k] * y2[k + 1] + u[k];
}

// The interval of the abscissa by bisection, and the cubic's weights there.
CubicWeights cubic_weights(const double* x, std::size_t n, double at) {
    CubicWeights w;
    w.khi = n - 1;
    while (w.khi - w.klo > 1) {
        std::size_t k = (w.khi + w.klo) / 2;
        if (x[k] > at) w.khi = k;
        else w.klo = k;
    }
    double h = x[w.khi] - x[w.klo];
    w.a = (x[w.khi] - at) / h;
    w.b = (at - x[w.klo]) / h;
    w.a3 = w.a * w.a * w.a - w.a;
    w.b3 = w.b * w.b * w.b - w.b;
    w.hh = h * h;
    return w;
}

double cubic_value(const CubicWeights& w, const double* y, const double* y2) {
    return w.a * y[w.klo] + w.b * y[w.khi] + (w.a3 * y2[w.klo] + w.b3 * y2[w.khi]) * w.hh / 6.0;
}

// The spline value inside the table.
double evaluate(const double* x, const double* y, const double* y2, std::size_t n, double at) {
    return cubic_value(cubic_weights(x, n, at), y, y2);
}

double tdspline_raw(const double* x, const double* y, std::size_t n, double yp1, double ypn, double at) {
    if (n == 0) return 0.0;
    if (n == 1) return y[0];
    double out = 0.0;
    if (outside_table(x, y, n, at, out)) return out;
    Scratch work(2 * n);
    double* y2 = work.data();
    second_derivatives(x, y, n, yp1, ypn, y2, y2 + n);
    return evaluate(x, y, y2, n, at);
}

// The copies with the zero neighbours of bracket i standing in as a tiny
// positive value.
void stand_in_copy(const double* yy, std::size_t n, std::size_t i, double* out) {
    std::copy(yy, yy + n, out);
    if (yy[i] == 0.0) out[i] = kZeroStandIn;
    if (yy[i + 1] == 0.0) out[i + 1] = kZeroStandIn;
}

// The guarded look-up in ascending copies xx/yy. When `y2` holds the second
// derivatives of these copies they are used; a zero neighbour of `at` stands
// in as a tiny positive value, which needs the spline of the changed copies:
// prepared in `stand_ins` when given, else computed here.
double guarded(const double* xx, const double* yy, std::size_t n, double yp1, double ypn, double at,
               const double* y2, const std::vector<GuardedSpline::StandIn>* stand_ins) {
    if (n == 0) return 0.0;
    bool ascending = xx[0] < xx[n - 1];
    if (at <= xx[0] && at <= xx[n - 1]) return ascending ? yy[0] : yy[n - 1];
    if (at >= xx[0] && at >= xx[n - 1]) return ascending ? yy[n - 1] : yy[0];

    double lo = 0.0;
    double hi = 0.0;
    double line = 0.0;
    std::size_t bracket = n;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if ((xx[i] <= at && at < xx[i + 1]) || (xx[i + 1] <= at && at < xx[i])) {
            lo = yy[i];
            hi = yy[i + 1];
            line = hi + (at - xx[i + 1]) * (hi - lo) / (xx[i + 1] - xx[i]);
            bracket = i;
            break;
        }
    }

    double spline = 0.0;
    if (bracket < n && (lo == 0.0 || hi == 0.0)) {
        if (stand_ins != nullptr) {
            const GuardedSpline::StandIn& prepared = (*stand_ins)[bracket];
            spline = evaluate(xx, prepared.y.data(), prepared.y2.data(), n, at);
        } else {
            Scratch work(n);
            double* stand_in = work.data();
            stand_in_copy(yy, n, bracket, stand_in);
            spline = tdspline_raw(xx, stand_in, n, yp1, ypn, at);
        }
    } else if (y2 != nullptr) {
        if (!outside_table(xx, yy, n, at, spline)) spline = evaluate(xx, yy, y2, n, at);
    } else {
        spline = tdspline_raw(xx, yy, n, yp1, ypn, at);
    }

    bool between = (spline >= lo && spline <= hi) || (spline >= hi && spline <= lo);
    double candidate = between ? spline : line;
    if (candidate < 0.0 && lo >= 0.0 && hi >= 0.0) return kZeroStandIn;
    return candidate;
}

// Copies of the points in ascending order (reversed unless the last
// abscissa is above the first).
void ascending_copies(std::span<const double> x, std::span<const double> y, double* xx, double* yy) {
    std::size_t n = x.size();
    bool forward = n > 0 && x[n - 1] > x[0];
    for (std::size_t i = 0; i < n; ++i) {
        std::size_t from = forward ? i : n - 1 - i;
        xx[i] = x[from];
        yy[i] = y[from];
    }
}

}  // namespace

double tdspline(std::span<const double> x, std::span<const double> y, double yp1, double ypn, double at) {
    return tdspline_raw(x.data(), y.data(), std::min(x.size(), y.size()), yp1, ypn, at);
}

double kcspline(std::span<const double> x, std::span<const double> y, double yp1, double ypn, double at) {
    std::size_t n = std::min(x.size(), y.size());
    Scratch work(2 * n);
    double* xx = work.data();
    double* yy = xx + n;
    ascending_copies(x.first(n), y.first(n), xx, yy);
    return guarded(xx, yy, n, yp1, ypn, at, nullptr, nullptr);
}

CubicSpline::CubicSpline(std::vector<double> x, std::vector<double> y, double yp1, double ypn)
    : x_(std::move(x)), y_(std::move(y)) {
    std::size_t n = std::min(x_.size(), y_.size());
    x_.resize(n);
    y_.resize(n);
    if (n < 2) return;
    y2_.resize(n);
    std::vector<double> u(n);
    second_derivatives(x_.data(), y_.data(), n, yp1, ypn, y2_.data(), u.data());
}

double CubicSpline::operator()(double at) const {
    std::size_t n = x_.size();
    if (n == 0) return 0.0;
    if (n == 1) return y_[0];
    double out = 0.0;
    if (outside_table(x_.data(), y_.data(), n, at, out)) return out;
    return evaluate(x_.data(), y_.data(), y2_.data(), n, at);
}

GuardedSpline::GuardedSpline(std::span<const double> x, std::span<const double> y, double yp1, double ypn)
    : yp1_(yp1), ypn_(ypn) {
    std::size_t n = std::min(x.size(), y.size());
    xx_.resize(n);
    yy_.resize(n);
    ascending_copies(x.first(n), y.first(n), xx_.data(), yy_.data());
    if (n < 2) return;
    y2_.resize(n);
    std::vector<double> u(n);
    second_derivatives(xx_.data(), yy_.data(), n, yp1, ypn, y2_.data(), u.data());
    // Brackets with a zero neighbour use the spline of changed copies; it
    // depends on the bracket alone, so it is prepared here too.
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (yy_[i] != 0.0 && yy_[i + 1] != 0.0) continue;
        stand_ins_.resize(n - 1);
        StandIn& s = stand_ins_[i];
        s.y.resize(n);
        s.y2.resize(n);
        stand_in_copy(yy_.data(), n, i, s.y.data());
        second_derivatives(xx_.data(), s.y.data(), n, yp1, ypn, s.y2.data(), u.data());
    }
}

GuardedPoint GuardedSpline::locate(double at) const {
    GuardedPoint g;
    const double* x = xx_.data();
    std::size_t n = xx_.size();
    g.ascending = n > 0 && x[0] < x[n - 1];
    if (n == 0 || (at <= x[0] && at <= x[n - 1])) {
        g.where = GuardedPoint::Where::Below;
        return g;
    }
    if (at >= x[0] && at >= x[n - 1]) {
        g.where = GuardedPoint::Where::Above;
        return g;
    }
    g.bracket = n;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if ((x[i] <= at && at < x[i + 1]) || (x[i + 1] <= at && at < x[i])) {
            g.bracket = i;
            break;
        }
    }
    if (g.bracket == n || y2_.empty()) throw std::logic_error("no shared look-up in this table");
    g.from_upper = at - x[g.bracket + 1];
    g.width = x[g.bracket + 1] - x[g.bracket];
    g.cubic = cubic_weights(x, n, at);
    return g;
}

double GuardedSpline::at_point(const GuardedPoint& g) const {
    const double* yy = yy_.data();
    std::size_t n = yy_.size();
    if (g.where == GuardedPoint::Where::Below) return g.ascending ? yy[0] : yy[n - 1];
    if (g.where == GuardedPoint::Where::Above) return g.ascending ? yy[n - 1] : yy[0];
    double lo = yy[g.bracket];
    double hi = yy[g.bracket + 1];
    double line = hi + g.from_upper * (hi - lo) / g.width;
    const double* y = yy;
    const double* y2 = y2_.data();
    if (lo == 0.0 || hi == 0.0) {
        const StandIn& prepared = stand_ins_[g.bracket];
        y = prepared.y.data();
        y2 = prepared.y2.data();
    }
    double spline = cubic_value(g.cubic, y, y2);
    bool between = (spline >= lo && spline <= hi) || (spline >= hi && spline <= lo);
    double candidate = between ? spline : line;
    if (candidate < 0.0 && lo >= 0.0 && hi >= 0.0) return kZeroStandIn;
    return candidate;
}

double GuardedSpline::operator()(double at) const {
    const double* y2 = y2_.empty() ? nullptr : y2_.data();
    return guarded(xx_.data(), yy_.data(), xx_.size(), yp1_, ypn_, at, y2, stand_ins_.empty() ? nullptr : &stand_ins_);
}

}  // namespace tolv7
