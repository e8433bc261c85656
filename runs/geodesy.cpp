// Geodesics on the GRS 80 ellipsoid: the inverse problem by the iteration on
// the auxiliary sphere (gpnhri, with gpnloa for points half way round on the
// equator and gpnarc along a meridian) and the direct problem (dirct1).
//
// Notation:
//   a, f, b     semi-major axis (m), flattening, semi-minor axis a (1 - f);
//               f0 = r = 1 - f; f2, f3, f4 powers of f
//   esq, epsq   first and second eccentricity squared
//   p1, p2      latitudes; e1, e2 longitudes (radians, 0 to 2 pi)
//   u1, u2      reduced latitudes; an s or c prefix means sin or cos (su1)
//   dlon        longitude difference; lambda the same on the auxiliary sphere
//   sig         arc between the points on the auxiliary sphere
//   alf, w      azimuth of the geodesic at the equator (sinalf) and
//               w = cos^2 alf; z = epsq w
//   a0-a6, bb0-bb6  series coefficients of the longitude and the distance;
//               q2-q6, r2, r3 the trigonometric terms they multiply
//   s           distance (m); az1, az2 forward azimuth at point 1 and back
//               azimuth at point 2 (radians clockwise from north)
//   In dirct1: r = 1 - f; tu tan of the start's reduced latitude (cu, su
//   its cos and sin), later s / (b c); sf and cf sin and cos of the azimuth;
//   sa sin of the azimuth at the equator, c2a its cos^2; baz first twice
//   the arc from the equator to the start; y the arc on the auxiliary sphere
//   (sy, cy its sin and cos), cz cos of twice the arc's midpoint from the
//   equator, e = 2 cz^2 - 1; x, c and d hold series terms in turn.
#include "runs/geodesy.hpp"

#include <cmath>

namespace tolv7 {

namespace {

constexpr double kEsq = 0.006694380022903476;  // first eccentricity squared of GRS 80
constexpr double kMetresPerNm = 1852.0;
constexpr float kNmPerMetre = 5.399568E-4f;

void store_records(RunRecords& r) {
    r.elipsoid = Elipsoid{kGrs80SemiMajorAxis, kGrs80Flattening};
    r.consts = Consts{kGeodesyPi, kDegreesPerRadian};
}

}  // namespace

InverseSolution inverse(RunRecords& r, double lat1, double lon1, double lat2, double lon2) {
    store_records(r);
    const double pi = r.consts.pi;
    const double rad = r.consts.rad;
    double p1 = lat1 / rad;
    double e1 = lon1 / rad;
    double p2 = lat2 / rad;
    double e2 = lon2 / rad;
    if (e1 < 0.0) e1 += 2.0 * pi;
    if (e2 < 0.0) e2 += 2.0 * pi;
    InverseSolution sol = gpnhri(r.elipsoid.a, r.elipsoid.f, kEsq, pi, p1, e1, p2, e2);
    if (sol.s < 5e-5) sol.az1 = sol.az2 = 0.0;
    return sol;
}

NauticalInverse use_inverse(RunRecords& r, double lat1, double lon1, double lat2, double lon2) {
    InverseSolution sol = inverse(r, lat1, lon1, lat2, lon2);
    double nm = static_cast<double>(static_cast<float>(sol.s)) * static_cast<double>(kNmPerMetre);
    return {nm, sol.az1};
}

std::optional<LatLon> forward(RunRecords& r, double lat1, double lon1, double azimuth, double& distance) {
    store_records(r);
    const Elipsoid& el = r.elipsoid;
    const double pi = r.consts.pi;
    // A geodesic longer than half a meridian ellipse would pass the antipode.
    double quarter = gpnarc(el.a, el.f, kEsq, pi, 0.0, pi / 2.0);
    distance = std::fabs(distance) < 2.0 * quarter - 1.0 ? std::fabs(distance) : 0.001;
    auto sol = dirct1(el, r.consts, lat1 / r.consts.rad, lon1 / r.consts.rad, azimuth, distance);
    if (!sol) return std::nullopt;
    return LatLon{sol->lat2 * r.consts.rad, sol->lon2 * r.consts.rad};
}

std::optional<LatLon> use_forward(RunRecords& r, double lat1, double lon1, double distance, double azimuth) {
    double metres = distance * kMetresPerNm;
    auto point = forward(r, lat1, lon1, azimuth, metres);
    if (point && point->lon < -180.0) point->lon += 360.0;
    return point;
}

// Kept whole, over 80 lines: the published inverse iteration step for step;
// split, its state shared across the passes would hide the algorithm.
InverseSolution gpnhri(double a, double f, double esq, double pi, double p1, double e1, double p2, double& e2) {
    constexpr double TOL0 = 5e-15;
    constexpr double TOL1 = 5e-14;
    constexpr double TOL2 = 0.007;
    const double twopi = 2.0 * pi;
    InverseSolution sol;

    // One meridian: the arc series.
    if (std::fabs(e2 - e1) < TOL1) {
        e2 += TOL1;
        sol.s = std::fabs(gpnarc(a, f, esq, pi, p1, p2));
        if (p2 > p1) {
            sol.az1 = 0.0;
            sol.az2 = pi;
        } else {
            sol.az1 = pi;
            sol.az2 = 0.0;
        }
        return sol;
    }

    // The longitude difference the short way round.
    double dlon = e2 - e1;
    if (dlon >= 0.0) {
        if (pi <= dlon && dlon < twopi) dlon -= twopi;
    } else if (pi <= std::fabs(dlon) && std::fabs(dlon) < twopi) {
        dlon += twopi;
    }
    double ss = std::fabs(dlon);
    if (ss > pi) ss = twopi - ss;

    // About half way round in longitude. With one point clear of the
    // equator the iteration below holds (a point just off the equator
    // opposite a far one is no antipode). With both near the equator the
    // points are nearly antipodal: on the equator they take the long-line
    // solution, just off it they are not resolved.
    if (ss >= pi * (1.0 - f)) {
        double r1 = std::fabs(p1);
        double r2 = std::fabs(p2);
        bool clear = r1 > TOL2 || r2 > TOL2;
        if (!clear) {
            if (r1 > TOL1 || r2 > TOL1) return sol;
            LongLine ll = gpnloa(a, f, esq, pi, dlon);
            sol.az1 = ll.az1;
            sol.az2 = ll.az2;
            sol.s = a * std::fabs(dlon) - ll.sms;
            return sol;
        }
    }

    const double f0 = 1.0 - f;
    const double b = a * f0;
    const double epsq = esq / (1.0 - esq);
    const double f2 = f * f;
    const double f3 = f * f2;
    const double f4 = f * f3;

    // Reduced latitudes on the auxiliary sphere.
    double u1 = std::atan(f0 * std::tan(p1));
    double u2 = std::atan(f0 * std::tan(p2));
    double su1 = std::sin(u1), cu1 = std::cos(u1);
    double su2 = std::sin(u2), cu2 = std::cos(u2);

    const double dlon0 = e2 - e1;
    double lambda = dlon0;
    double sinlam = 0.0, coslam = 0.0, sig = 0.0, sinsig = 0.0, cossig = 0.0, sinalf = 0.0, w = 0.0;
    double q2 = 0.0, q4 = 0.0, q6 = 0.0, r2 = 0.0, r3 = 0.0;
    for (int pass = 1; pass <= 8; ++pass) {
        sinlam = std::sin(lambda);
        coslam = std::cos(lambda);
        cossig = su1 * su2 + cu1 * cu2 * coslam;
        double t1 = sinlam * cu2;
        double t2 = su2 * cu1 - su1 * cu2 * coslam;
        sinsig = std::sqrt(t1 * t1 + t2 * t2);
        sig = std::atan2(sinsig, cossig);
        sinalf = cu1 * cu2 * sinlam / sinsig;
        w = 1.0 - sinalf * sinalf;
        double a0 = f - f2 * (1.0 + f + f2) * w / 4.0 + 3.0 * f3 * (1.0 + 9.0 * f / 4.0) * w * w / 16.0 -
                    25.0 * f4 * w * w * w / 128.0;
        double a2 = f2 * (1.0 + f + f2) * w / 4.0 - f3 * (1.0 + 9.0 * f / 4.0) * w * w / 4.0 +
                    75.0 * f4 * w * w * w / 256.0;
        double a4 = f3 * (1.0 + 9.0 * f / 4.0) * w * w / 32.0 - 15.0 * f4 * w * w * w / 256.0;
        double a6 = 5.0 * f4 * w * w * w / 768.0;
        double q0 = w > TOL0 ? -2.0 * su1 * su2 / w : 0.0;
        q2 = cossig + q0;
        q4 = 2.0 * q2 * q2 - 1.0;
        q6 = q2 * (4.0 * q2 * q2 - 3.0);
        r2 = 2.0 * sinsig * cossig;
        r3 = sinsig * (3.0 - 4.0 * sinsig * sinsig);
        double next = dlon0 + sinalf * (a0 * sig + a2 * sinsig * q2 + a4 * r2 * q4 + a6 * r3 * q6);
        bool settled = std::fabs(next - lambda) < 5e-14;
        lambda = next;
        if (settled) break;
    }

    double z = epsq * w;
    double bb0 = 1.0 + z * (1.0 / 4.0 + z * (-3.0 / 64.0 + z * (5.0 / 256.0 - 175.0 * z / 16384.0)));
    double bb2 = z * (-1.0 / 4.0 + z * (1.0 / 16.0 + z * (-15.0 / 512.0 + 35.0 * z / 2048.0)));
    double bb4 = z * z * (-1.0 / 128.0 + z * (3.0 / 512.0 - 35.0 * z / 8192.0));
    double bb6 = z * z * z * (-1.0 / 1536.0 + 5.0 * z / 6144.0);
    sol.s = b * (bb0 * sig + bb2 * sinsig * q2 + bb4 * r2 * q4 + bb6 * r3 * q6);

    // Along the equator first; replaced unless both points are on it.
    double d = dlon0;
    if (d > pi) d -= twopi;
    if (std::fabs(d) > pi) d += twopi;
    sol.az1 = d < 0.0 ? 3.0 * pi / 2.0 : pi / 2.0;
    sol.az2 = sol.az1 + pi;
    if (sol.az2 > twopi) sol.az2 -= twopi;
    if (!(std::fabs(su1) < TOL0 && std::fabs(su2) < TOL0)) {
        double tana1 = sinlam * cu2 / (su2 * cu1 - coslam * su1 * cu2);
        double tana2 = sinlam * cu1 / (su1 * cu2 - coslam * su2 * cu1);
        double sina1 = sinalf / cu1;
        double sina2 = -sinalf / cu2;
        sol.az1 = std::atan2(sina1, sina1 / tana1);
        sol.az2 = pi - std::atan2(sina2, sina2 / tana2);
    }
    if (sol.az1 < 0.0) sol.az1 += twopi;
    if (sol.az2 < 0.0) sol.az2 += twopi;
    return sol;
}

LongLine gpnloa(double a, double f, double esq, double pi, double dlon) {
    constexpr double TT = 5e-13;
    const double epsq = esq / (1.0 - esq);
    const double f2 = f * f;
    const double f3 = f * f2;
    LongLine ll;
    double e = (pi - std::fabs(dlon)) / (pi * f);
    double alpha = std::asin(e);
    double next = alpha;
    for (int pass = 1; pass <= 7; ++pass) {
        double c2 = std::cos(alpha) * std::cos(alpha);
        ll.ao = 1.0 + c2 * (-f * (1.0 + f + f2) / 4.0 +
                            c2 * (3.0 * f2 * (1.0 + 9.0 * f / 4.0) / 16.0 - 25.0 * f3 * c2 / 128.0));
        next = std::asin(e / ll.ao);
        if (std::fabs(next - alpha) < TT) break;
        alpha = next;
    }
    ll.az1 = dlon < 0.0 ? 2.0 * pi - next : next;
    ll.az2 = 2.0 * pi - ll.az1;
    double z = epsq * std::cos(ll.az1) * std::cos(ll.az1);
    ll.bo = 1.0 + z / 4.0 - 3.0 * z * z / 64.0 + 5.0 * z * z * z / 256.0 - 175.0 * z * z * z * z / 16384.0;
    ll.sms = a * pi * (1.0 - f * ll.ao * std::fabs(std::sin(ll.az1)) - (1.0 - f) * ll.bo);
    return ll;
}

double gpnarc(double a, double /*f*/, double esq, double pi, double p1, double p2) {
    constexpr double TT = 5e-15;
    const double e2 = esq;
    const double e4 = e2 * e2;
    const double e6 = e4 * e2;
    const double e8 = e6 * e2;
    const double e10 = e8 * e2;
    const double t1 = 3.0 * e2 / 4.0;
    const double t2 = 15.0 * e4 / 64.0;
    const double t3 = 35.0 * e6 / 512.0;
    const double t4 = 315.0 * e8 / 16384.0;
    const double t5 = 693.0 * e10 / 131072.0;
    const double aa = 1.0 + t1 + 3.0 * t2 + 10.0 * t3 + 35.0 * t4 + 126.0 * t5;
    double periodic = 0.0;
    if (!(std::fabs(std::fabs(p2) - pi / 2.0) <= TT && std::fabs(p1) <= TT)) {
        periodic = -(std::sin(2.0 * p2) - std::sin(2.0 * p1)) * (t1 + 4.0 * t2 + 15.0 * t3 + 56.0 * t4 + 210.0 * t5) / 2.0 +
                   (std::sin(4.0 * p2) - std::sin(4.0 * p1)) * (t2 + 6.0 * t3 + 28.0 * t4 + 120.0 * t5) / 4.0 -
                   (std::sin(6.0 * p2) - std::sin(6.0 * p1)) * (t3 + 8.0 * t4 + 45.0 * t5) / 6.0 +
                   (std::sin(8.0 * p2) - std::sin(8.0 * p1)) * (t4 + 10.0 * t5) / 8.0 -
                   (std::sin(10.0 * p2) - std::sin(10.0 * p1)) * t5 / 10.0;
    }
    return a * (1.0 - e2) * (aa * (p2 - p1) + periodic);
}

std::optional<DirectSolution> dirct1(const Elipsoid& elipsoid, const Consts& consts, double lat1, double lon1,
                                     double azimuth, double s) {
    constexpr double EPS = 5e-14;
    // The iteration settles in a handful of passes on any real geodesic.
    constexpr int kPassLimit = 100;
    const double a = elipsoid.a;
    const double f = elipsoid.f;
    if (!std::isfinite(lat1) || !std::isfinite(lon1) || !std::isfinite(azimuth) || !std::isfinite(s) ||
        !std::isfinite(a) || !std::isfinite(f))
        return std::nullopt;

    double r = 1.0 - f;
    double tu = r * std::tan(lat1);
    double sf = std::sin(azimuth);
    double cf = std::cos(azimuth);
    double baz = cf != 0.0 ? 2.0 * std::atan2(tu, cf) : 0.0;
    double cu = 1.0 / std::sqrt(tu * tu + 1.0);
    double su = tu * cu;
    double sa = cu * sf;
    double c2a = 1.0 - sa * sa;
    double x = std::sqrt((1.0 / (r * r) - 1.0) * c2a + 1.0) + 1.0;
    x = (x - 2.0) / x;
    double c = (x * x / 4.0 + 1.0) / (1.0 - x);
    double d = (0.375 * x * x - 1.0) * x;
    tu = s / (r * a * c);
    double y = tu;
    double sy = 0.0, cy = 0.0, cz = 0.0, e = 0.0;
    bool settled = false;
    for (int pass = 0; pass < kPassLimit && !settled; ++pass) {
        sy = std::sin(y);
        cy = std::cos(y);
        cz = std::cos(baz + y);
        e = 2.0 * cz * cz - 1.0;
        c = y;
        x = e * cy;
        y = 2.0 * e - 1.0;
        y = (((4.0 * sy * sy - 3.0) * y * cz * d / 6.0 + x) * d / 4.0 - cz) * sy * d + tu;
        settled = std::fabs(y - c) <= EPS;
    }
    if (!settled) return std::nullopt;

    DirectSolution sol;
    baz = cu * cy * cf - su * sy;
    c = r * std::sqrt(sa * sa + baz * baz);
    d = su * cy + cu * sy * cf;
    sol.lat2 = std::atan2(d, c);
    c = cu * cy - su * sy * cf;
    x = std::atan2(sy * sf, c);
    c = ((4.0 - 3.0 * c2a) * f + 4.0) * c2a * f / 16.0;
    d = ((e * cy * c + cz) * sy * c + y) * sa;
    sol.lon2 = lon1 + x - (1.0 - c) * d * f;
    sol.baz = std::atan2(sa, baz) + consts.pi;
    return sol;
}

}  // namespace tolv7
