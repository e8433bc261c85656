// The dose of a city-pair flight: its profile, phase by phase, and the sum
// of the rates over the profile.
//
// Notation of the profile (minutes, nautical miles, feet):
//   G, K, D, T  climb, cruise, descent and total minutes of the record r
//   S, A        distance from origin to destination and the azimuth of the
//               geodesic at the origin (radians)
//   V           ground speed: S over K plus half of G and D (nm per minute)
//   P           points of the profile, T + 4; point i is element i - 1 of f
//   S_c, S_e    distance flown at the top of climb and at the end of cruise
//   h, m, j     minute of climb, of cruise and of descent
//   w, t        a point's weight (minutes) and the time (decimal year)
#include "runs/big_flight_dose.hpp"

#include <algorithm>
#include <cmath>

#include "airports/port_lookup.hpp"
#include "app/calendar.hpp"
#include "app/fortran_format.hpp"
#include "app/text_lines.hpp"
#include "engine/altitude_depth.hpp"
#include "engine/coefficient_lookup.hpp"
#include "engine/dose.hpp"
#include "runs/flight_altitudes.hpp"
#include "runs/flight_time.hpp"
#include "runs/geodesy.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

namespace {

void trace_record(const RunContext& p, const BigFlightRecord& r) {
    p.log.line(ListLine() << "RDBIGFLT RETURNS FLIGHTNAME: " << r.name);
    p.log.line(ListLine() << "RDBIGFLT RETURNS ORIGIN PORT: " << r.origin);
    p.log.line(ListLine() << "RDBIGFLT RETURNS DESTINATION: " << r.destination);
    p.log.line(ListLine() << "RDBIGFLT RETURNS CLIMB TIME (MINS): " << r.climb);
    p.log.line(ListLine() << "RDBIGFLT RETURNS NOSTEPS: " << r.steps);
    for (int k = 0; k < std::min(r.steps, kMaxCruiseSteps); ++k)
        p.log.line(ListLine() << "STEP " << k + 1 << r.step_min[static_cast<std::size_t>(k)]
                              << r.step_feet[static_cast<std::size_t>(k)]);
    p.log.line(ListLine() << "RDBIGFLT RETURNS CRUISE TIME (MIN): " << r.cruise);
    p.log.line(ListLine() << "RDBIGFLT RETURNS DESCENT TIME (MIN): " << r.descent);
    p.log.line(ListLine() << "RDBIGFLT RETURNS FLT TIME (MIN): " << r.total);
    p.log.line("");
}

std::string feet_text(double feet) { return std::to_string(std::lround(feet)) + " ft"; }

// Why the profile cannot be built from a record: no steps, negative
// minutes, no minute of flight at all (the ground speed would have no
// divisor), or a cruise step lower than any airport. Empty when it can.
std::string bad_profile_data(const BigFlightRecord& r) {
    if (r.steps <= 0) return "no cruise steps";
    bool negative = r.climb < 0 || r.descent < 0;
    for (int k = 0; k < r.steps; ++k) negative = negative || r.step_min[static_cast<std::size_t>(k)] < 0;
    if (negative) return "negative minutes";
    if (r.total <= 0) return "no minute of flight";
    for (int k = 0; k < r.steps; ++k) {
        int feet = r.step_feet[static_cast<std::size_t>(k)];
        if (feet < kLowestWrittenFeet)
            return "step " + std::to_string(k + 1) + " at " + feet_text(feet) + " is below " +
                   feet_text(kLowestWrittenFeet);
    }
    return "";
}

void trace_airport(const RunContext& p, const char* title, const AirportInfo& a) {
    p.log.line(ListLine() << title);
    p.log.line(ListLine() << "CITY AND PORTNAMES " << a.city << a.name);
    p.log.line(ListLine() << "READING LAT AND LON " << a.ns << a.latitude << a.ew << a.longitude);
    p.log.line(ListLine() << "READING ALTITUDE " << a.elevation << "FEET");
}

FlightEnd signed_place(const AirportInfo& a) {
    return {a.ns == 'N' ? a.latitude : -a.latitude, a.ew == 'E' ? a.longitude : -a.longitude, a.elevation};
}

// The flight's altitudes against the engine's bounds (one check-log line for
// those below the lowest). An altitude above the highest leaves the flight
// uncomputed: a cruise step's as an altitude that cannot be read, an
// airport's as bad airport data of its end.
FlightStatus check_altitudes(const RunContext& p, const BigFlightRecord& r, const AirportInfo& origin,
                             const AirportInfo& destination, std::string& detail) {
    std::vector<WrittenAltitude> written{{trim_right(r.origin), 0, origin.elevation}};
    const int steps = std::min(r.steps, kMaxCruiseSteps);
    for (int k = 0; k < steps; ++k)
        written.push_back({"STEP", k + 1, static_cast<double>(r.step_feet[static_cast<std::size_t>(k)])});
    written.push_back({trim_right(r.destination), 0, destination.elevation});
    const AltitudeBounds bounds = altitude_bounds(p);
    auto above = check_flight_altitudes(p, written, bounds);
    if (!above) return FlightStatus::Computed;
    const WrittenAltitude& a = written[*above];
    detail = (a.number != 0 ? "step " + std::to_string(a.number) : a.name) + " at " + feet_text(a.feet) +
             " is above the depth table's highest, " + feet_text(bounds.highest);
    if (*above == 0) return FlightStatus::UnknownOrigin;
    if (*above + 1 == written.size()) return FlightStatus::UnknownDestination;
    return FlightStatus::RecordUnreadable;
}

}  // namespace

CruiseWalk::CruiseWalk(const BigFlightRecord& r) : r_(r), end_(r.steps > 0 ? r.step_min[0] : 0) {}

int CruiseWalk::next() {
    ++minute_;
    int feet = r_.step_feet[static_cast<std::size_t>(step_)];
    int last = std::min(r_.steps, kMaxCruiseSteps) - 1;
    if (minute_ >= end_ && step_ < last) {
        ++step_;
        end_ += r_.step_min[static_cast<std::size_t>(step_)];
    }
    return feet;
}

void altnow(const BigFlightRecord& r, int point, double& altitude) {
    if (r.cruise <= 0) return;
    long long minute = static_cast<long long>(point) - r.climb - 2;
    if (minute < 1) return;
    // Past the cruise minutes and one delay per step the walk is on its
    // last step for good.
    minute = std::min<long long>(minute, static_cast<long long>(r.cruise) + kMaxCruiseSteps + 1);
    CruiseWalk walk(r);
    for (long long j = 1; j <= minute; ++j) altitude = walk.next();
}

void thin_cruise(int cruise, int climb, std::vector<double>& weights) {
    if (cruise < 9 || climb < 0) return;
    for (long long block = 0; block < cruise / 9; ++block) {
        long long first = climb + 3 + 9 * block;  // point number
        if (first + 8 > static_cast<long long>(weights.size())) return;
        for (long long k = 0; k < 9; ++k) weights[static_cast<std::size_t>(first - 1 + k)] = k == 4 ? 9.0 : 0.0;
    }
}

namespace {

// Builds a profile phase by phase (notation above); each point placed on
// the geodesic gets its trace line in the check log.
class ProfileBuilder {
public:
    ProfileBuilder(const RunContext& p, const BigFlightRecord& r, const FlightEnd& origin, const FlightEnd& destination,
                   FlightProfile& f)
        : p_(p),
          bounds_(altitude_bounds(p)),
          r_(r),
          origin_(origin),
          destination_(destination),
          f_(f),
          first_step_(r.step_feet[0]),
          last_step_(r.step_feet[static_cast<std::size_t>(std::min(r.steps, kMaxCruiseSteps) - 1)]),
          top_of_climb_(0.5 * f.speed * r.climb),                      // S_c
          end_of_cruise_(top_of_climb_ + (r.cruise + 0.5) * f.speed) {}  // S_e

    // The origin, then a point a minute at half the ground speed, the
    // altitude linear up to the first cruise step.
    bool climb() {
        const int G = r_.climb;
        const double V = f_.speed;
        p_.log.line(ListLine() << "CALCULATING CLIMB");
        size_to(G + 1);
        f_.weight[0] = 0.5;
        f_.depth[0] = depth_at(origin_.elevation);
        f_.lat[0] = origin_.lat;
        f_.lon[0] = origin_.lon;
        if (G >= 1) p_.log.line(ListLine() << 1 << f_.depth[0] << 0.0 << f_.azimuth << f_.lat[0] << f_.lon[0]);
        for (int h = 1; h <= G; ++h) {
            double feet = h * ((first_step_ - origin_.elevation) / G) + origin_.elevation;
            if (!place(1 + h, h == G ? 0.5 : 1.0, feet, 0.5 * V * h)) return false;
        }
        return true;
    }

    // The start of cruise, at the altitude of the last cruise minute (with
    // no cruise minutes, at the first step's), then a point a minute at the
    // ground speed on the cruise walk's altitudes.
    bool cruise() {
        const int G = r_.climb;
        const int K = r_.cruise;
        const double V = f_.speed;
        size_to(r_.total + 4);
        double start_feet = first_step_;
        altnow(r_, G + 2 + K, start_feet);
        if (!place(G + 2, 0.0, start_feet, top_of_climb_ + 0.5 * V)) return false;
        CruiseWalk walk(r_);
        for (int m = 1; m <= K; ++m)
            if (!place(G + 2 + m, 1.0, walk.next(), top_of_climb_ + (m + 0.5) * V)) return false;
        return true;
    }

    // The top of descent where the cruise ended, a point a minute at half
    // the ground speed, the altitude linear down to the destination, then
    // the destination.
    bool descent() {
        const int G = r_.climb;
        const int K = r_.cruise;
        const int D = r_.descent;
        const double V = f_.speed;
        p_.log.line(ListLine() << "CALCULATING DESCENT");
        const auto top_of_descent = static_cast<std::size_t>(G + 2 + K);  // index of point G + 3 + K
        f_.weight[top_of_descent] = 0.5;
        f_.depth[top_of_descent] = f_.depth[top_of_descent - 1];
        f_.lat[top_of_descent] = f_.lat[top_of_descent - 1];
        f_.lon[top_of_descent] = f_.lon[top_of_descent - 1];
        double distance = 0.0;
        for (int j = 1; j <= D; ++j) {
            double feet = last_step_ - j * ((last_step_ - destination_.elevation) / D);
            distance = end_of_cruise_ + 0.5 * V * j;
            if (!place(G + 3 + K + j, (D - 1.0) / D, feet, distance)) return false;
        }
        const int P = r_.total + 4;
        auto last = static_cast<std::size_t>(P - 1);
        f_.weight[last] = 0.5;
        f_.depth[last] = depth_at(destination_.elevation);
        f_.lat[last] = destination_.lat;
        f_.lon[last] = destination_.lon;
        p_.log.line(ListLine() << P << f_.depth[last] << 0.5 * distance << f_.azimuth << f_.lat[last] << f_.lon[last]
                               << P);
        return true;
    }

private:
    void size_to(int points) {
        auto n = static_cast<std::size_t>(points);
        f_.weight.resize(n, 0.0);
        f_.depth.resize(n, 0.0);
        f_.lat.resize(n, 0.0);
        f_.lon.resize(n, 0.0);
    }

    // The depth of a point, at the lowest (highest) altitude the engine takes
    // when it lies below (above) it.
    double depth_at(double feet) const { return ft2gpcms(p_, flown_feet(bounds_, feet)); }

    // Point i at `distance` nautical miles from the origin along A.
    bool place(int i, double weight, double feet, double distance) {
        auto k = static_cast<std::size_t>(i - 1);
        f_.weight[k] = weight;
        f_.depth[k] = depth_at(feet);
        auto at = use_forward(p_.runs, origin_.lat, origin_.lon, distance, f_.azimuth);
        if (!at) return false;
        f_.lat[k] = at->lat;
        f_.lon[k] = at->lon;
        p_.log.line(ListLine() << i << f_.depth[k] << distance << f_.azimuth << f_.lat[k] << f_.lon[k]);
        return true;
    }

    const RunContext& p_;
    const AltitudeBounds bounds_;
    const BigFlightRecord& r_;
    const FlightEnd& origin_;
    const FlightEnd& destination_;
    FlightProfile& f_;
    const double first_step_;
    const double last_step_;
    const double top_of_climb_;
    const double end_of_cruise_;
};

}  // namespace

FlightProfile flight_profile(const RunContext& p, const BigFlightRecord& r, const FlightEnd& origin,
                             const FlightEnd& destination) {
    FlightProfile f;
    const int G = r.climb;
    const int K = r.cruise;
    const int D = r.descent;
    const int T = r.total;
    NauticalInverse leg = use_inverse(p.runs, origin.lat, origin.lon, destination.lat, destination.lon);
    const double S = leg.distance;
    f.azimuth = leg.azimuth;
    float divisor = static_cast<float>(K) + static_cast<float>(G + D) * 0.5f;
    const double V = S / static_cast<double>(divisor);
    f.speed = V;
    p.log.line(ListLine() << "CALCULATED SPEED miles/min " << V);
    if (T > kMaxFlightMinutes && G + 1 > kMaxProfilePoints) {
        f.status = FlightStatus::TooLong;  // the climb alone would not fit
        return f;
    }

    ProfileBuilder build(p, r, origin, destination, f);
    if (!build.climb()) {
        f.status = FlightStatus::BadProfile;
        return f;
    }
    p.log.line(ListLine() << "CALCULATING CRUISE COORDS");
    if (T > kMaxFlightMinutes) {
        f.status = FlightStatus::TooLong;
        return f;
    }
    if (!build.cruise() || !build.descent()) f.status = FlightStatus::BadProfile;
    return f;
}

double profile_dose(const RunContext& p, FlightProfile& profile, double t0, int particle, int quantity) {
    const int kind = dose_kind_of(particle, quantity);
    const int gcr_model = p.set.ini.gcr_model;
    const int superposition = p.set.ini.superposition;
    p.log.line(ListLine() << "CALCULATING FLIGHT DOSE " << t0 << kind << gcr_model << superposition);
    p.log.line(ListLine() << "STEP, LAT, LON, ALT, DOSERATE, TIME, CUMDOSE");
    double t = t0;
    double total = 0.0;
    for (std::size_t k = 0; k < profile.weight.size(); ++k) {
        double w = profile.weight[k];
        if (w == 0.0) continue;
        double rate = dose(p, profile.lat[k], profile.lon[k], profile.depth[k], t, kind, gcr_model, 0, superposition);
        t += w * kMinuteYears;
        total += w * rate / 60.0;
        p.log.line(ListLine() << static_cast<int>(k + 1) << profile.lat[k] << profile.lon[k] << profile.depth[k]
                              << rate << w << total);
    }
    p.log.line(ListLine() << total << particle << quantity << superposition);
    return total;
}

BigFlightDose big_flt_dose(const RunContext& p, FlightFile& file, const std::string& run_date, int takeoff, int particle,
                           int quantity) {
    BigFlightDose out;
    out.record = rdbigflt(p, file);
    const BigFlightRecord& r = out.record;
    out.status = r.status;
    out.detail = r.detail;
    if (out.status != FlightStatus::Computed) return out;
    p.log.current_item = file.name + " " + flight_item(file, r);
    trace_record(p, r);
    out.detail = bad_profile_data(r);
    if (!out.detail.empty()) {
        out.status = FlightStatus::BadProfile;
        return out;
    }

    // The destination is looked up only when the origin was found.
    auto lookup = [&](const std::string& code) {
        auto airport = port_info(p, code);
        if (!airport) {
            p.log.line(ListLine() << "Missing airport data for" << code);
            p.log.line(ListLine() << "Aborting flight");
            out.detail = trim(code) + " is not in the airport files";
        }
        return airport;
    };
    auto origin = lookup(r.origin);
    auto destination = origin ? lookup(r.destination) : std::nullopt;
    if (!destination) {
        out.status = origin ? FlightStatus::UnknownDestination : FlightStatus::UnknownOrigin;
        return out;
    }
    trace_airport(p, "ORIGIN INFORMATION", *origin);
    p.log.line("");
    trace_airport(p, "DESTINATION INFORMATION", *destination);
    out.status = check_altitudes(p, r, *origin, *destination, out.detail);
    if (out.status != FlightStatus::Computed) return out;

    FlightProfile profile = flight_profile(p, r, signed_place(*origin), signed_place(*destination));
    if (profile.status != FlightStatus::Computed) {
        out.status = profile.status;
        out.detail = profile.status == FlightStatus::TooLong
                         ? std::to_string(r.total) + " minutes, at most " + std::to_string(kMaxFlightMinutes)
                         : "a point of its route cannot be placed";
        return out;
    }

    // With the dates of the flight file every flight is a daily average.
    bool file_dates = run_date == "0000/00/00";
    out.date = pad_to(file_dates ? r.date : run_date, 10);
    int hour = file_dates ? 0 : takeoff / 100;
    int minute = file_dates ? 0 : takeoff % 100;
    auto t0 = flight_start(p, out.date, hour, minute);
    if (!t0) {
        out.status = FlightStatus::DateUnreadable;  // a date whose parts are not numbers
        auto date = date2ymd(out.date);
        out.detail = "\"" + trim(out.date) + "\"" + (date ? ": " + date_fault(*date) : " is not a date");
        return out;
    }
    thin_cruise(r.cruise, r.climb, profile.weight);
    out.dose = profile_dose(p, profile, *t0, particle, quantity);
    return out;
}

}  // namespace tolv7
