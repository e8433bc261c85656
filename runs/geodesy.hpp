#pragma once
// Geodesics on the GRS 80 ellipsoid: the inverse problem (distance and
// azimuths between two points) and the direct problem (the point reached
// from a start point along an azimuth). Azimuths are radians clockwise from
// north in [0, 2pi); latitudes positive north, longitudes positive east.
#include <optional>

#include "runs/run_records.hpp"

namespace tolv7 {

struct InverseSolution {
    double az1 = 0.0;  // forward azimuth at point 1
    double az2 = 0.0;  // back azimuth: at point 2 towards point 1
    double s = 0.0;    // metres
};

struct LongLine {
    double az1 = 0.0;
    double az2 = 0.0;
    double ao = 0.0;
    double bo = 0.0;
    double sms = 0.0;
};

struct DirectSolution {
    double lat2 = 0.0;  // radians
    double lon2 = 0.0;  // radians, start longitude plus the change, not wrapped
    double baz = 0.0;   // back azimuth
};

struct LatLon {
    double lat = 0.0;  // degrees
    double lon = 0.0;  // degrees
};

struct NauticalInverse {
    double distance = 0.0;  // nautical miles
    double azimuth = 0.0;   // forward azimuth
};

// Degrees in, nautical miles out (through single precision).
NauticalInverse use_inverse(RunRecords& r, double lat1, double lon1, double lat2, double lon2);

// Degrees and nautical miles in; a result longitude below -180 gets 360
// added. nullopt when the direct solution fails (non-finite input).
std::optional<LatLon> use_forward(RunRecords& r, double lat1, double lon1, double distance, double azimuth);

// Degrees in, metres out.
InverseSolution inverse(RunRecords& r, double lat1, double lon1, double lat2, double lon2);

// Degrees and metres; `distance` is replaced by the distance used (its
// magnitude, or 0.001 m for one at or past the antipode).
std::optional<LatLon> forward(RunRecords& r, double lat1, double lon1, double azimuth, double& distance);

// The inverse problem in radians; longitudes in [0, 2pi). On one meridian
// e2 is raised by the meridian tolerance.
InverseSolution gpnhri(double a, double f, double esq, double pi, double p1, double e1, double p2, double& e2);

// Two points on the equator about half way round: the long-line solution.
LongLine gpnloa(double a, double f, double esq, double pi, double dlon);

// Meridian arc from latitude p1 to p2 (radians), positive when p2 > p1.
double gpnarc(double a, double f, double esq, double pi, double p1, double p2);

// The direct problem in radians and metres. nullopt for non-finite input or
// when the iteration does not settle.
std::optional<DirectSolution> dirct1(const Elipsoid& elipsoid, const Consts& consts, double lat1, double lon1,
                                     double azimuth, double s);

}  // namespace tolv7
