#include "runs/flight_options.hpp"

#include "app/batch_control.hpp"
#include "app/calendar.hpp"
#include "app/console_routines.hpp"
#include "app/fixed_columns.hpp"
#include "app/fortran_format.hpp"
#include "app/text_lines.hpp"
#include "runs/flight_time.hpp"
#include "runs/particle_menus.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

namespace {

void show(const RunContext& p, const char* text) { p.con.line(ListLine() << text); }

}  // namespace

FlightOptions pick_flt_options(const RunContext& p) {
    FlightOptions o;
    cls(p);
    menuheader(p);
    if (few_dialogues(p.set.init)) {
        o.particle = kAllParticles;
        o.quantity = 2;
    } else {
        o.particle = ask_particle(p, "      Entry must be 0 to 37 ");
        p.con.line(" ");
        o.quantity = ask_dose_type(p, DoseMenu::Flight);
        if (o.particle == 0) o.particle = kAllParticles;
    }
    p.set.ini.gcr_model = 4;
    o.takeoff = 0;
    o.run_date = "0000/00/00";
    show(p, "      USE DATES FROM FLIGHT DATA FILE <Y,N> ?");
    if (readkb(p, 1) != "N") return o;

    for (;;) {
        p.con.line("");
        show(p, "      ENTER A DATE FOR FLIGHT(S) <YYYY/MM/DD>");
        show(p, "      (USE MM=00 AND DD=00 TO USE YEARLY AVERAGE)");
        show(p, "      (USE DD=00 TO USE MONTHLY AVERAGE)         ");
        std::string date = column_text(p.con.read_line(), 1, 10);
        auto fault = run_date_fault(date);
        if (date[4] != '/' || date[7] != '/' || (fault && fault->form)) {
            show(p, "WRONG FORMAT: RE-ENTER");
        } else if (fault) {
            // A date the runs could not compute (2019/13/45, 2019/02/30, year 0),
            // said as the form's refusal is: what is wrong, then RE-ENTER.
            p.con.line(ListLine() << upper_case(fault->why) + ": RE-ENTER");
        } else {
            o.run_date = date;
            break;
        }
    }
    if (column_text(o.run_date, date_col::day) == "00") return o;
    p.con.line("");
    for (;;) {
        show(p, "      ENTER A UT TAKE-OFF TIME FOR FLIGHT(S)?");
        show(p, "      (0 for no FORBUSH or GEOMAGNETIC STORMS, or");
        show(p, "      range 1-2400. NOTE: if not 0, calculation  ");
        show(p, "      times will be significantly increased).    ");
        auto t = Columns(p.con.read_line()).integer(1, 4);
        bool in_range = t && *t >= 0 && *t <= 2400;
        if (in_range && takeoff_minutes_fit(static_cast<int>(*t))) {
            o.takeoff = static_cast<int>(*t);
            return o;
        }
        cls(p);
        show(p, in_range ? "      Minutes must be 00 to 59 " : "      Entry must be 0 to 2400 ");
    }
}

FlightOptions batch_flight_options(const RunContext& p) {
    BatchControl bc = read_default_inp();
    // The console line stays within its 60 columns; the stop's own message
    // names the file, the line, the value and the limit.
    auto refuse = [&](int line, const std::string& console, const std::string& detail) {
        std::string where = "DEFAULT.INP LINE " + std::to_string(line) + ": ";
        epitath(p, " " + where + console, "DEFAULT.INP, line " + std::to_string(line) + ": " + detail);
    };
    auto outside = [&](int line, const std::string& what, int value, int low, int high) {
        std::string limit = std::to_string(low) + " to " + std::to_string(high);
        refuse(line, upper_case(what + " must be " + limit), what + " " + std::to_string(value) + " is not " + limit);
    };
    if (auto fault = run_date_fault(bc.ymd1)) {
        std::string date = "date \"" + trim_right(bc.ymd1) + "\"";
        if (fault->form) refuse(1, "DATE MUST BE YYYY/MM/DD OR MM/YYYY", date + " " + fault->why);
        refuse(1, upper_case(fault->why), date + ": " + fault->why);
    }
    if (bc.hour < 0 || bc.hour > 2400) outside(2, "take-off time", bc.hour, 0, 2400);
    if (!takeoff_minutes_fit(bc.hour))
        refuse(2, "TAKE-OFF MINUTES MUST BE 00 TO 59",
               "take-off time " + fmt_i(bc.hour, 4, 4) + ": minutes " + std::to_string(bc.hour % 100) +
                   " are not 00 to 59");
    if (bc.particle < 0 || bc.particle > 37) outside(3, "particle", bc.particle, 0, 37);
    if (bc.dosekind < 1 || bc.dosekind > kDoseQuantities) outside(4, "dose quantity", bc.dosekind, 1, kDoseQuantities);
    FlightOptions o;
    o.run_date = bc.ymd1;
    o.takeoff = bc.hour;
    o.particle = bc.particle == 0 ? kAllParticles : bc.particle;
    o.quantity = bc.dosekind;
    o.input_name = bc.name;
    return o;
}

}  // namespace tolv7
