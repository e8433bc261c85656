#include "runs/single_place.hpp"

#include <cmath>
#include <initializer_list>
#include <string>

#include "airports/port_lookup.hpp"
#include "app/calendar.hpp"
#include "app/console_echo.hpp"
#include "app/console_routines.hpp"
#include "app/conversions.hpp"
#include "app/fortran_format.hpp"
#include "app/text_lines.hpp"
#include "engine/altitude_depth.hpp"
#include "engine/coefficient_lookup.hpp"
#include "engine/dose.hpp"
#include "engine/dose_labels.hpp"
#include "engine/helio_potential.hpp"
#include "engine/shower_library.hpp"
#include "runs/particle_menus.hpp"
#include "runs/place_limits.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

namespace {

void say(const RunContext& p, const char* text) { p.con.line(ListLine() << text); }

// A value shown to the user and kept in the check log.
void echo(const RunContext& p, const std::string& line) { echo_line(p.con, p.log, line); }

// Asks until the first n characters of the answer read as a whole number
// that `possible` accepts; anything else gets `refusal` and the question again.
template <typename Possible>
std::int32_t ask_integer(const RunContext& p, std::initializer_list<const char*> question, int n, Possible possible,
                         const std::string& refusal) {
    for (;;) {
        for (const char* line : question) say(p, line);
        std::string answer = readkb(p, n);
        auto value = char2int(answer, n);
        if (value && possible(*value)) return *value;
        p.con.line(ListLine() << refusal);
    }
}

struct DateAnswer {
    std::int32_t year = 0;
    std::int32_t month = 0;  // 0 a yearly average
    std::int32_t day = 0;    // 0 a monthly average
    std::int32_t hour = 0;   // 0 a daily average
};

// Year, month, day and hour, each asked until the date so far is one the
// runs would compute (possible_date), so that no impossible date reaches
// the engine.
DateAnswer ask_date(const RunContext& p) {
    auto& aves = p.engine.useaves;
    DateAnswer d;
    d.year = ask_integer(p, {"     What year?"}, 4, [](std::int32_t y) { return possible_date({y, 0, 0, 0}); },
                         "     YEAR MUST BE " + std::to_string(kFirstYear) + " OR LATER!");
    d.month = ask_integer(p, {"     What month (ENTER 0 FOR YEARLY AVERAGE)?"}, 2,
                          [&](std::int32_t m) { return possible_date({d.year, m, 0, 0}); },
                          "     MONTH MUST BE 0 TO 12!");
    if (d.month == 0) {
        add_average_switches(aves, true, false, false);
        return d;
    }
    d.day = ask_integer(p, {"     What day (ENTER 0 FOR MONTHLY AVERAGE)?"}, 2,
                        [&](std::int32_t day) { return possible_date({d.year, d.month, day, 0}); },
                        "     DAY MUST BE 0 TO " + std::to_string(dimo(d.year, d.month)) + "!");
    if (d.day == 0) {
        add_average_switches(aves, false, true, false);
        return d;
    }
    d.hour = ask_integer(p, {"     What hour (e.g. 14) in UT?", "    (ENTER 0 FOR DAILY AVERAGE)?"}, 2,
                         [](std::int32_t h) { return h >= 0 && h <= kLastHour; },
                         "     HOUR MUST BE 0 TO " + std::to_string(kLastHour) + "!");
    return d;
}

// One hemisphere letter out of two; anything else gets `refusal` and the
// question again (after `before`, when given).
char ask_hemisphere(const RunContext& p, const char* before, std::initializer_list<const char*> question, const char* letters,
                    const char* refusal) {
    for (;;) {
        if (before) p.con.line(before);
        for (const char* line : question) say(p, line);
        char letter = readkb(p, 1)[0];
        if (diagnostics_on(p.set.init)) echo(p, ListLine() << letter);
        if (letter == letters[0] || letter == letters[1]) return letter;
        say(p, refusal);
    }
}

// Minutes or seconds of an angle, echoed; asked until 0 to 59.
std::int32_t ask_angle_part(const RunContext& p, const char* question, const char* refusal) {
    for (;;) {
        say(p, question);
        std::string answer = readkb(p, 2);
        echo(p, ListLine() << answer);
        auto value = char2int(answer, 2);
        if (value && possible_angle_part(*value)) return *value;
        say(p, refusal);
    }
}

// Unsigned degrees: fractional when the answer holds a point, otherwise the
// first `whole_digits` characters as degrees followed by minutes and seconds.
// Asked again, after `refusal`, until `possible` accepts the degrees. The
// hemisphere letter gives the sign, so degrees with a minus sign are refused.
double ask_degrees(const RunContext& p, const char* question, int whole_digits, bool (*possible)(double),
                   const char* refusal) {
    auto taken = [&](const std::string& text, double degrees) { return !minus_signed(text) && possible(degrees); };
    for (;;) {
        say(p, question);
        std::string answer = readkb(p, 12);
        if (answer.find('.') != std::string::npos) {
            auto value = char2real(answer, 12);
            if (value) {
                echo(p, ListLine() << "USING FRACTIONAL DEGREES");
                if (taken(answer, *value)) return *value;
            }
            say(p, refusal);
            continue;
        }
        std::string whole = answer.substr(0, static_cast<std::size_t>(whole_digits));
        echo(p, ListLine() << whole);
        auto degrees = char2int(whole, whole_digits);
        if (!degrees || !taken(whole, *degrees)) {
            say(p, refusal);
            continue;
        }
        std::int32_t minutes =
            ask_angle_part(p, "      MINUTES (UP TO 2 CHARACTERS).", "     MINUTES MUST BE 0 TO 59!");
        std::int32_t seconds =
            ask_angle_part(p, "      SECONDS (UP TO 2 CHARACTERS).", "     SECONDS MUST BE 0 TO 59!");
        double value = record_degrees(*degrees, minutes, seconds);
        if (possible(value)) return value;
        say(p, refusal);  // 90 degrees and some minutes
    }
}

struct Altitude {
    char unit = 'G';
    double depth = 0.0;  // g/cm2
};

Altitude ask_altitude(const RunContext& p) {
    for (;;) {
        say(p, "      ALTITUDE");
        say(p, "      ARE UNITS FT, KM, OR G/CM^2 <F/K/G>.");
        char unit = readkb(p, 1)[0];
        std::optional<double> altitude;
        while (!altitude) {
            say(p, "      ENTER ALTITUDE.");
            altitude = read_kb_real(p);
        }
        echo(p, ListLine() << *altitude);
        // An altitude beyond the engine's bounds is asked again, with them.
        bool known_unit = unit == 'F' || unit == 'K' || unit == 'G';
        if (known_unit && !engine_takes(p, unit, *altitude)) {
            AltitudeRange range = altitude_range(p, unit);
            say(p, ("     ALTITUDE MUST BE " + range.lowest + " TO " + range.highest + " " + range.unit + "!").c_str());
            continue;
        }
        if (unit == 'F' || unit == 'K') {
            bool feet = unit == 'F';
            double depth = feet ? ft2gpcms(p, *altitude) : km2depth(p, *altitude);
            echo(p, ListLine() << "CONVERTED " << *altitude << (feet ? " ft TO " : " km TO ") << depth);
            return {unit, depth};
        }
        if (unit == 'G') return {unit, *altitude};
    }
}

struct Selection {
    int particle = kAllParticles;  // 1-38
    int dose_type = 2;  // 1-8
};

Selection ask_selection(const RunContext& p) {
    Selection s;
    if (!few_dialogues(p.set.init)) {
        int code = ask_particle(p, "      Entry must be 0 to 37", true);
        s.particle = code == 0 ? kAllParticles : code;
        echo(p, ListLine() << s.particle);
        p.con.line(" ");
        s.dose_type = ask_dose_type(p, DoseMenu::Place);
    }
    echo(p, ListLine() << "dose type is" << s.dose_type);
    return s;
}

// The dose line of the result screen for a dose type: caption and unit
// 32 characters each.
std::string dose_line(int dose_type, double rate, int particle) {
    const DoseQuantityTexts& t = dose_quantity_texts(dose_type);
    ListLine line;
    line << pad_to(t.place_caption, 32) << rate;
    if (t.place_names_particle) line << partstr(particle);
    line << pad_to(t.place_unit, 32);
    return line;
}

}  // namespace

AltitudeRange altitude_range(const RunContext& p, char unit) {
    if (unit != 'F' && unit != 'K') return {"0.0001", "1035.0837", "G/CM^2"};
    AltitudeBounds b = altitude_bounds(p);
    if (unit == 'F') {
        auto whole = [](double feet) { return std::to_string(static_cast<long long>(feet)); };
        return {whole(std::ceil(b.lowest)), whole(std::floor(b.highest)), "FT"};
    }
    constexpr double kShown = 1.0e4;  // 4 decimals
    return {trim(fmt_f(std::ceil(ft2km(b.lowest) * kShown) / kShown, 12, 4)),
            trim(fmt_f(std::floor(ft2km(b.highest) * kShown) / kShown, 12, 4)), "KM"};
}

double ymdh2t(const RunContext& p, std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour) {
    add_average_switches(p.engine.useaves, month == 0, day == 0, hour == 0);
    return decimal_year(year, month, day, hour);
}

void onespot(const RunContext& p) {
    p.log.line(ListLine() << "CALLING ONESPOT");
    auto& aves = p.engine.useaves;
    aves = average_switches(false, false, false);

    auto [year, month, day, hour] = ask_date(p);

    char ns = ask_hemisphere(p, " ", {"     LATITUDE", "     NORTH OR SOUTH <N/S>?"}, "NS",
                             "     ENTRY MUST BE 'N' OR 'S'!");
    double latitude = (ns == 'S' ? -1 : 1) * ask_degrees(p, "      DEGREES LATITUDE (UP TO 12 CHARACTERS).", 2,
                                                         possible_latitude, "     LATITUDE MUST BE 0 TO 90 DEGREES!");
    char ew = ask_hemisphere(p, nullptr, {"      LONGITUDE", "      EAST OR WEST <E/W>."}, "EW",
                             "     ENTRY MUST BE 'E' OR 'W'!");
    double longitude = (ew == 'W' ? -1 : 1) * ask_degrees(p, "      DEGREES (UP TO 12 CHARACTERS).", 3,
                                                          possible_longitude,
                                                          "     LONGITUDE MUST BE 0 TO 360 DEGREES!");

    p.con.line(" ");
    Altitude altitude = ask_altitude(p);

    p.con.line(" ");
    std::int32_t potential = date2hp(p, year, month, day);
    p.log.line(ListLine() << " HELIOCENTRIC POTENTIAL USED WILL  BE " << potential << " MV");

    Selection s = ask_selection(p);
    int dose_kind = dose_kind_of(s.particle, s.dose_type);
    p.con.line(" ");
    p.log.line(ListLine() << "Converting ymdh data to T");
    double t = ymdh2t(p, year, month, day, hour);
    aves = average_switches(month == 0, day == 0, hour == 0);

    p.log.line(ListLine() << "SENDING data to DOSE" << latitude << longitude << altitude.depth << t << dose_kind << 4
                          << 0);
    // The engine turns its longitude into 0-360; the screen shows it signed.
    double engine_longitude = longitude;
    double rate = dose(p, latitude, engine_longitude, altitude.depth, t, dose_kind, 4, 0, 0);

    cls(p);
    p.con.line(" ");
    p.con.line(ListLine() << "DATE                     " << t);
    p.con.line(ListLine() << "HELIOCENTRIC POTENTIAL   " << potential << " MV");
    p.con.line(ListLine() << "LATITUDE                 " << latitude << ns);
    p.con.line(ListLine() << "LONGITUDE                " << longitude << ew);
    p.con.line(ListLine() << "ALTITUDE                 " << altitude.depth << " g/cm^2");
    p.con.line(ListLine() << "VERTICAL CUTOFF RIGIDITY " << p.engine.vcut << " GV");
    p.con.line(ListLine() << "PARTICLE                 " << partstr(s.particle));
    echo(p, dose_line(s.dose_type, rate, s.particle));
    oops(p, " ");
}

}  // namespace tolv7
