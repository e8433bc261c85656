#pragma once
// The dose of one city-pair flight. The profile has one point per minute on
// the geodesic from origin towards destination: a linear climb to the first
// cruise step, each step's altitude held for its minutes, a linear descent
// to the destination, climb and descent at half the ground speed. Each point
// carries a weight in minutes of flight; the cruise is thinned to one
// evaluated point per whole block of nine minutes, and the dose is the sum
// of weight x rate / 60 over the points of non-zero weight.
#include <string>
#include <vector>

#include "runs/big_flight_record.hpp"
#include "runs/flight_status.hpp"

namespace tolv7 {

struct RunContext;

inline constexpr int kMaxFlightMinutes = 1996;  // total + 4 profile points fit in 2000
inline constexpr int kMaxProfilePoints = 2000;

// An airport with signed degrees (north and east positive), elevation in feet.
struct FlightEnd {
    double lat = 0.0;
    double lon = 0.0;
    double elevation = 0.0;
};

// Point i of the profile is element i - 1 of each table.
struct FlightProfile {
    std::vector<double> weight;  // minutes of flight the point stands for
    std::vector<double> depth;   // g/cm2
    std::vector<double> lat;     // degrees north
    std::vector<double> lon;     // degrees east
    double speed = 0.0;          // ground speed, nautical miles per minute
    double azimuth = 0.0;        // from the origin, radians
    // Computed (built), TooLong (over 1996 minutes) or BadProfile (a position
    // could not be computed).
    FlightStatus status = FlightStatus::Computed;
};

// The cruise altitude walk: minute by minute from the first step, moving on
// when a step's minutes are flown. A step of 0 minutes still gives its
// altitude to one minute and delays the steps after it by one minute; the
// walk stays on the last step once it is reached.
class CruiseWalk {
public:
    explicit CruiseWalk(const BigFlightRecord& r);
    int next();  // altitude of the next cruise minute, feet

private:
    const BigFlightRecord& r_;
    int step_ = 0;
    int minute_ = 0;
    long long end_ = 0;  // last minute of the current step
};

// The altitude of profile point `point` (cruise minute point - climb - 2) by
// the cruise walk; the altitude is left alone when the record has no cruise
// minutes or the point comes before the first cruise minute.
void altnow(const BigFlightRecord& r, int point, double& altitude);

// The nine-minute weighting: each whole block of nine cruise points, the
// first starting at point climb + 3, gets the weights 0 0 0 0 9 0 0 0 0; the
// last cruise % 9 points keep theirs. Blocks past the table are left alone.
void thin_cruise(int cruise, int climb, std::vector<double>& weights);

// Builds the profile of a record read with status 0 (at least one step, no
// negative minutes, at least one minute in all), with its trace lines. A
// point below the lowest altitude the engine takes (altitude_bounds) gets
// the depth of the lowest, one above the highest that of the highest.
FlightProfile flight_profile(const RunContext& p, const BigFlightRecord& r, const FlightEnd& origin,
                             const FlightEnd& destination);

// The dose of a profile from the take-off time t0 (decimal year): the rate
// of each point of non-zero weight is taken at the time reached before its
// own weight is added. Writes the trace lines of the sum.
double profile_dose(const RunContext& p, FlightProfile& profile, double t0, int particle, int quantity);

struct BigFlightDose {
    BigFlightRecord record;  // name, date and airport codes as read
    double dose = 0.0;
    // The date the dose is computed for (10 characters): the record's own
    // with the run date "0000/00/00", else the run date.
    std::string date;
    // The record reader's status, or what became of the flight after it:
    // too long, an airport not in the airport files, or bad profile data
    // (a cruise step below kLowestWrittenFeet among them); a cruise step
    // above the highest altitude the engine takes counts as an altitude that
    // cannot be read (RecordUnreadable), an airport above it as a bad
    // airport (UnknownOrigin, UnknownDestination).
    FlightStatus status = FlightStatus::Computed;
    // Why the flight was not computed, in a few lower-case words; empty
    // when it was (or the reader gave no detail).
    std::string detail;
};

// Reads the next record of the flight file and computes its dose. The run
// date "0000/00/00" keeps each record's own date and ignores the take-off
// time (HHMM); any other run date replaces the record's. Airports and steps
// below the lowest altitude the engine takes (down to kLowestWrittenFeet
// for steps) are flown at the lowest, with one check-log line for the
// flight.
BigFlightDose big_flt_dose(const RunContext& p, FlightFile& file, const std::string& run_date, int takeoff, int particle,
                           int quantity);

}  // namespace tolv7
