// The dose of a waypoint flight, minute by minute.
//
// Notation: a, b the waypoints at the ends of a leg; j a minute of flight
// from take-off and k its element in the minute profile m; tau the time into
// the leg (minutes) of the middle of minute j; dt the leg's minutes; t the
// time (decimal year); w a waypoint as read.
#include "runs/waypoint_dose.hpp"

#include <cmath>
#include <limits>
#include <vector>

#include "app/fixed_columns.hpp"
#include "app/fortran_format.hpp"
#include "app/free_form.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "engine/altitude_depth.hpp"
#include "engine/coefficient_lookup.hpp"
#include "engine/dose.hpp"
#include "runs/flight_altitudes.hpp"
#include "runs/flight_time.hpp"
#include "runs/geodesy.hpp"
#include "runs/place_limits.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

namespace {

struct Waypoint {
    double lat = 0.0;  // degrees north
    double lon = 0.0;  // degrees east
    double feet = 0.0;
    long long minute = 0;
    int line = 0;  // the file line its last value stands on
};

enum class WaypointRead { Ok, End, Bad };

// Degrees and minutes of a waypoint: minutes 0 to below 60, the angle at
// most `limit` degrees.
bool possible_angle(long long degrees, double minutes, double limit) {
    if (!std::isfinite(minutes) || minutes < 0.0 || minutes >= 60.0) return false;
    return std::fabs(static_cast<double>(degrees)) + minutes / 60.0 <= limit;
}

// One waypoint of eight free-form values: latitude degrees, minutes and
// N/S, longitude degrees, minutes and E/W, altitude, elapsed minutes. `line`
// counts the file lines read.
WaypointRead read_waypoint(std::istream& in, Waypoint& w, int& line) {
    auto rec = read_free(in, 8, false, &line);
    w.line = line;
    if (!rec) return WaypointRead::End;
    if (rec->size() < 8) return WaypointRead::Bad;  // the file ends inside the group
    for (std::size_t i = 0; i < 8; ++i)
        if (rec->is_null(i)) return WaypointRead::Bad;
    auto lat_deg = rec->integer(0);
    auto lat_min = rec->real(1);
    std::string ns = rec->text(2, 1);
    auto lon_deg = rec->integer(3);
    auto lon_min = rec->real(4);
    std::string ew = rec->text(5, 1);
    auto feet = rec->real(6);
    auto minute = rec->integer(7);
    if (!lat_deg || !lat_min || !lon_deg || !lon_min || !feet || !minute) return WaypointRead::Bad;
    if ((ns != "N" && ns != "S") || (ew != "E" && ew != "W")) return WaypointRead::Bad;
    for (std::size_t i : {0u, 1u, 3u, 4u})
        if (minus_signed(rec->text(i, 1))) return WaypointRead::Bad;
    // The altitude is interpolated in single precision: beyond its range it
    // cannot be flown at all.
    if (!possible_angle(*lat_deg, *lat_min, 90.0) || !possible_angle(*lon_deg, *lon_min, 360.0) ||
        !(*feet >= kLowestWrittenFeet && *feet <= std::numeric_limits<float>::max()))
        return WaypointRead::Bad;
    w.lat = (static_cast<double>(*lat_deg) + *lat_min / 60.0) * (ns == "N" ? 1.0 : -1.0);
    w.lon = (static_cast<double>(*lon_deg) + *lon_min / 60.0) * (ew == "E" ? 1.0 : -1.0);
    w.feet = *feet;
    w.minute = *minute;
    return WaypointRead::Ok;
}

std::string step_line(double lat, double lon, double depth, int minute, double rate, double total) {
    return fmt_f(lat, 8, 4) + " " + fmt_f(lon, 8, 4) + " " + fmt_f(depth, 8, 3) + " " + fmt_i(minute, 4) + " " +
           fmt_e(rate, 11, 4) + " " + fmt_e(total, 11, 4);
}

// The date written in the file's first line: what stands before its first
// comma, 10 characters (blank without a comma).
std::string date_of_line(const std::string& line) {
    std::string headers = column_text(line, 1, 60);
    std::size_t comma = headers.find(',');
    return comma == std::string::npos ? std::string(10, ' ') : pad_to(headers.substr(0, comma), 10);
}

// The minutes of the waypoints: none after minute 2000 (else TooLong), each
// after the one before (else MinutesDoNotRise), the first at minute 0, since
// minutes before it would have no position (else BadProfile). `line` is set
// to the waypoint at fault.
FlightStatus check_minutes(const std::vector<Waypoint>& waypoints, int& line) {
    for (std::size_t i = 0; i < waypoints.size(); ++i) {
        line = waypoints[i].line;
        if (waypoints[i].minute > kMaxWaypointMinutes) return FlightStatus::TooLong;
        if (i > 0 && waypoints[i].minute <= waypoints[i - 1].minute) return FlightStatus::MinutesDoNotRise;
    }
    if (!waypoints.empty() && waypoints.front().minute != 0) {
        line = waypoints.front().line;
        return FlightStatus::BadProfile;
    }
    line = 0;
    return FlightStatus::Computed;
}

// The waypoints to the end of the file (the two lines before them read),
// then their minutes checked. BadProfile for a waypoint that cannot be read
// or more than 2000. `line` is set to the waypoint at fault.
FlightStatus read_waypoints(std::istream& in, std::vector<Waypoint>& waypoints, int& line) {
    int read = 2;
    for (;;) {
        Waypoint w;
        WaypointRead got = read_waypoint(in, w, read);
        if (got == WaypointRead::End) break;
        if (got == WaypointRead::Bad || waypoints.size() == kMaxWaypoints) {
            line = w.line;
            return FlightStatus::BadProfile;
        }
        waypoints.push_back(w);
    }
    return check_minutes(waypoints, line);
}

// The altitude of minute j of the leg from a to b, at the middle of the
// minute: linear between the waypoints' altitudes in single precision.
double minute_feet(const Waypoint& a, const Waypoint& b, long long j) {
    auto dt = static_cast<float>(b.minute - a.minute);
    float climb = static_cast<float>(b.feet - a.feet) / dt;
    float tau = static_cast<float>(j - a.minute) - 0.5f;
    return static_cast<double>(static_cast<float>(a.feet)) + static_cast<double>(climb) * static_cast<double>(tau);
}

// Whether a minute of the leg from a to b is flown above `feet`.
bool leg_above(const Waypoint& a, const Waypoint& b, double feet) {
    for (long long j = a.minute + 1; j <= b.minute; ++j)
        if (minute_feet(a, b, j) > feet) return true;
    return false;
}

// The waypoints' altitudes as the check of the flight takes them. One above
// the highest altitude the engine takes counts only when a minute of a leg
// from or to it is flown above the highest: the minutes are computed at
// their middles, never at a waypoint itself. `numbers` gets the index of the
// waypoint of each altitude.
std::vector<WrittenAltitude> checked_altitudes(const std::vector<Waypoint>& waypoints, const AltitudeBounds& bounds,
                                               std::vector<std::size_t>& numbers) {
    std::vector<WrittenAltitude> written;
    for (std::size_t i = 0; i < waypoints.size(); ++i) {
        if (waypoints[i].feet > bounds.highest &&
            !(i > 0 && leg_above(waypoints[i - 1], waypoints[i], bounds.highest)) &&
            !(i + 1 < waypoints.size() && leg_above(waypoints[i], waypoints[i + 1], bounds.highest)))
            continue;
        written.push_back({"WAYPOINT", static_cast<int>(i + 1), waypoints[i].feet});
        numbers.push_back(i);
    }
    return written;
}

// The point of each minute of flight, element minute (element 0 unused).
struct MinuteProfile {
    std::vector<double> lat, lon, depth;
};

// The minutes of the leg from a to b: the middle of each minute on the
// leg's geodesic, its altitude linear between the waypoints' and kept
// within the engine's bounds. False when a position cannot be computed.
bool fly_leg(const RunContext& p, const AltitudeBounds& bounds, const Waypoint& a, const Waypoint& b,
             MinuteProfile& m) {
    NauticalInverse leg = use_inverse(p.runs, a.lat, a.lon, b.lat, b.lon);
    auto dt = static_cast<float>(b.minute - a.minute);
    double speed = leg.distance / static_cast<double>(dt);
    for (long long j = a.minute + 1; j <= b.minute; ++j) {
        float tau = static_cast<float>(j - a.minute) - 0.5f;  // the middle of the minute
        auto k = static_cast<std::size_t>(j);
        m.depth[k] = ft2gpcms(p, flown_feet(bounds, minute_feet(a, b, j)));
        auto at = use_forward(p.runs, a.lat, a.lon, speed * static_cast<double>(tau), leg.azimuth);
        if (!at) return false;
        m.lat[k] = at->lat;
        m.lon[k] = at->lon;
    }
    return true;
}

// The rate of each minute in turn from the start time (decimal year), one
// step line each to `dat`; the total dose. The dose turns each longitude
// into 0-360 in place.
double minute_doses(const RunContext& p, MinuteProfile& m, double start, int kind, std::ostream& dat) {
    double t = start;
    double total = 0.0;
    const int gcr_model = p.set.ini.gcr_model;
    const int superposition = p.set.ini.superposition;
    const auto last_minute = static_cast<int>(m.lat.size()) - 1;
    for (int j = 1; j <= last_minute; ++j) {
        auto k = static_cast<std::size_t>(j);
        double rate = dose(p, m.lat[k], m.lon[k], m.depth[k], t, kind, gcr_model, 0, superposition);
        t += kMinuteYearsDouble;
        total += rate / 60.0;
        dat << step_line(m.lat[k], m.lon[k], m.depth[k], j, rate, total) << '\n';
    }
    return total;
}

}  // namespace

std::string waypoint_file_date(const std::string& date_text) {
    Columns c(date_text);
    if (c.text(3, 3) == "/") return c.text(4, 7) + "/" + c.text(1, 2) + "/00";
    if (c.text(5, 5) != "/") return "";
    if (c.text(8, 8) == " ") return c.text(1, 4) + "/" + c.text(6, 7) + "/00";
    if (c.text(8, 8) == "/") return c.text(1, 10);
    return "";
}

WaypointDose deg_flt_dose(const RunContext& p, std::istream& in, const std::string& file_name, std::ostream& dat,
                          const std::string& run_date, int takeoff, int particle, int quantity) {
    WaypointDose out;
    out.date = pad_to(run_date, 10);
    const int kind = dose_kind_of(particle, quantity);
    std::string line;
    if (!read_line(in, line)) stop_file_error(file_name, "has no date line");

    std::string ymd = out.date;
    int hour = takeoff / 100;
    int minute = takeoff % 100;
    if (out.date == "0000/00/00") {
        ymd = waypoint_file_date(date_of_line(line));
        if (ymd.empty()) {
            out.status = FlightStatus::DateUnreadable;
            out.line = 1;
            return out;
        }
        hour = 0;
        minute = 0;
    }
    out.date = ymd;
    // The start time includes the take-off minutes.
    auto start = flight_start(p, ymd, hour, minute);
    if (!start) {
        out.status = FlightStatus::DateUnreadable;  // a date whose parts are not numbers
        out.line = 1;
        return out;
    }
    if (!read_line(in, line)) stop_file_error(file_name, "has no column title line");

    std::vector<Waypoint> waypoints;
    out.status = read_waypoints(in, waypoints, out.line);
    if (out.status != FlightStatus::Computed) return out;
    // A minute above the highest altitude the engine takes cannot be flown;
    // minutes below the lowest are flown at the lowest.
    const AltitudeBounds bounds = altitude_bounds(p);
    std::vector<std::size_t> numbers;
    std::vector<WrittenAltitude> written = checked_altitudes(waypoints, bounds, numbers);
    if (auto above = check_flight_altitudes(p, written, bounds)) {
        out.status = FlightStatus::BadProfile;
        out.line = waypoints[numbers[*above]].line;
        return out;
    }
    const std::size_t minutes = waypoints.empty() ? 0 : static_cast<std::size_t>(waypoints.back().minute);
    MinuteProfile m{std::vector<double>(minutes + 1, 0.0), std::vector<double>(minutes + 1, 0.0),
                    std::vector<double>(minutes + 1, 0.0)};
    for (std::size_t i = 0; i + 1 < waypoints.size(); ++i) {
        if (!fly_leg(p, bounds, waypoints[i], waypoints[i + 1], m)) {
            out.status = FlightStatus::BadProfile;
            out.line = waypoints[i + 1].line;
            return out;
        }
    }
    out.total = minute_doses(p, m, *start, kind, dat);
    return out;
}

}  // namespace tolv7
