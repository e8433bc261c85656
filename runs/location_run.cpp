#include "runs/location_run.hpp"

#include <fstream>
#include <optional>
#include <string>

#include "airports/port_lookup.hpp"
#include "app/batch_control.hpp"
#include "app/console_routines.hpp"
#include "app/conversions.hpp"
#include "app/file_picker.hpp"
#include "app/fortran_format.hpp"
#include "app/processor_time.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "engine/altitude_depth.hpp"
#include "engine/coefficient_lookup.hpp"
#include "engine/dose.hpp"
#include "engine/dose_labels.hpp"
#include "runs/archive_names.hpp"
#include "runs/location_line.hpp"
#include "runs/run_context.hpp"
#include "runs/single_place.hpp"
#include "runs/skip_tally.hpp"
#include "runs/stop_context.hpp"

namespace tolv7 {

namespace {

const char kHeader[] =
    "     LAT,       LON,     ALTITUDE,    DATE,    HR, "
    "VCR(GV), PARTICLE,  DOSE RATE,        UNIT,      "
    "QUANTITY ";

const char kCorrupt[] = "CANNOT READ LOCATIONS, FILE IS CORRUPT OR EMPTY";

// The kept line of the list: the columns read, blank-padded to 72.
constexpr std::size_t kKeptWidth = 72;

bool starts_with(const std::string& line, const char* head) { return line.rfind(head, 0) == 0; }

// Processor-time stamps of the list line being worked on. Stamps that a
// line does not take keep the values of the last computed line.
struct Stamps {
    double start = 0, date = 0, lat = 0, lon = 0, alt = 0, before = 0, after = 0;
};

// The 127-column line of one computed place.
std::string result_line(const LocationLine& l, double latitude, double longitude, double vcut, double rate) {
    std::string label(39, ' ');
    dkstr(label, l.quantity);
    return fmt_f(latitude, 10, 5) + "," + fmt_f(longitude, 10, 5) + "," + fmt_f(l.altitude, 11, 4) + "," +
           l.unit + "," + l.ymd + "," + fmt_i(l.hour, 4) + "," + fmt_f(vcut, 6, 2) + "," + partstr(l.particle) +
           "," + fmt_e(rate, 11, 4) + "," + std::string(6, ' ') + label;
}

// Why the engine cannot take a place's altitude, with the bounds in its
// unit; empty when it can.
std::string altitude_refusal(const RunContext& p, const LocationLine& l) {
    if (engine_takes(p, l.unit, l.altitude)) return "";
    AltitudeRange range = altitude_range(p, l.unit);
    bool above = l.altitude > kHighestDepth;
    if (l.unit == 'F' || l.unit == 'K')
        above = (l.unit == 'F' ? l.altitude : km2feet(l.altitude)) > altitude_bounds(p).highest;
    std::string written = "ALTITUDE " + l.altitude_text + " " + range.unit;
    if (above) return written + " IS ABOVE " + range.highest + " " + range.unit;
    return written + " IS BELOW " + range.lowest + " " + range.unit;
}

class LocationRun {
public:
    LocationRun(const RunContext& p, std::istream& list, std::string list_name, std::ostream& results,
                std::string results_name, SkipGroup& skips)
        : p_(p), list_(list), list_name_(std::move(list_name)), results_(results),
          results_name_(std::move(results_name)), skips_(skips), diag_(diagnostics_on(p.set.init)) {}

    // False when the list ended or could not be read before its stop line.
    bool run();

private:
    bool read_list_line(std::string& columns);
    void analyse(const std::string& columns);
    bool compute(const LocationLine& l);
    void report_improper(const std::string& columns, const std::string& reason);
    void write_times();
    bool report_corrupt();
    void result(const std::string& text);
    void trace(const std::string& text) {
        if (diag_) p_.log.line(text);
    }

    RunContext p_;
    std::istream& list_;
    std::string list_name_;
    std::ostream& results_;
    std::string results_name_;
    SkipGroup& skips_;  // the place lines computed and those left out
    bool diag_;
    int line_number_ = 0;
    Stamps t_;
};

// Reads the next line of the list and keeps its first 66 columns; the rest
// of a longer line is not used.
bool LocationRun::read_list_line(std::string& columns) {
    std::string line;
    if (!read_line(list_, line)) return false;
    columns = line.substr(0, kLocationLineWidth);
    return true;
}

bool LocationRun::run() {
    result(kHeader);
    trace(ListLine() << "CALLING READIT TO READ LIST OF LOCATIONS");
    p_.con.line(ListLine() << "READING LIST OF LOCATIONS");

    std::string columns;
    for (;;) {
        if (!read_list_line(columns)) return report_corrupt();
        ++line_number_;
        p_.log.line(ListLine() << "TESTING LINE" << line_number_);
        p_.log.line(ListLine() << pad_to(columns, kKeptWidth));
        if (starts_with(columns, "START-")) break;
    }
    for (;;) {
        t_.start = processor_seconds();
        ++line_number_;
        p_.con.line(ListLine() << " Analyzing data line: " << line_number_);
        if (!read_list_line(columns)) return report_corrupt();
        p_.log.line(ListLine() << pad_to(columns, kKeptWidth));
        if (starts_with(columns, "STOP--")) return true;
        try {
            p_.log.current_item = list_name_ + " line " + std::to_string(line_number_);
            analyse(columns);
        } catch (const ProgramStop& stop) {
            rethrow_naming(stop, list_name_ + ", line " + std::to_string(line_number_));
        }
        write_times();
    }
}

void LocationRun::analyse(const std::string& columns) {
    LocationLine l = parse_location_line(columns);
    // An altitude the engine cannot take makes the line improper too.
    bool place = l.kind == LocationKind::Coordinates || l.kind == LocationKind::Airport;
    if (place) {
        if (std::string why = altitude_refusal(p_, l); !why.empty()) {
            l.kind = LocationKind::Improper;
            l.reason = why;
        }
    }
    switch (l.kind) {
        case LocationKind::Comment:
            p_.log.line(ListLine() << "SKIPPING COMMENT LINE");
            break;
        case LocationKind::Coordinates:
            p_.log.line(ListLine() << "READING " << pad_to(columns, kKeptWidth));
            compute(l);
            skips_.computed();
            break;
        case LocationKind::Airport:
            p_.log.line(ListLine() << "READING " << pad_to(columns, kLocationLineWidth));
            // A place that cannot be found is reported like an improper
            // line, so that the result file accounts for every place line.
            if (compute(l)) skips_.computed();
            else report_improper(columns, "AIRPORT " + trim(l.icao) + " NOT FOUND");
            break;
        case LocationKind::Improper:
            report_improper(columns, l.reason);
            break;
    }
}

// False for an airport that the lookup does not find (it has told the
// user): nothing is computed.
bool LocationRun::compute(const LocationLine& l) {
    bool airport = l.kind == LocationKind::Airport;
    if (airport) trace(ListLine() << "READING CODE " << l.icao);
    t_.date = processor_seconds();
    p_.engine.useaves = average_switches(false, false, false);
    double t = ymdh2t(p_, l.year, l.month, l.day, l.hour);

    char ns = l.ns, ew = l.ew;
    double latitude = l.latitude, longitude = l.longitude;  // unsigned
    if (airport) {
        std::optional<AirportInfo> port = port_info(p_, l.icao);
        t_.lat = t_.lon = processor_seconds();
        if (!port) return false;
        ns = port->ns;
        ew = port->ew;
        latitude = port->latitude;
        longitude = port->longitude;
    } else {
        t_.lat = t_.lon = processor_seconds();
    }
    int test = diag_ ? 1 : 0;
    trace(ListLine() << "READING LAT AND LON " << ns << latitude << ew << longitude);
    trace(ListLine() << "READING ALTITUDE " << l.unit << l.altitude);
    trace(ListLine() << "READING DATE & HOUR " << l.ymd << l.hour);
    trace(ListLine() << "READING PARTICLE AND UNITS " << l.particle << l.quantity);
    if (airport) {
        trace(ListLine() << "READING gcr = " << 4);
        trace(ListLine() << "READING test = " << test);
        trace(ListLine() << "READING superposition = " << 0);
    }
    if (ns == 'S') latitude = -latitude;
    if (ew == 'W') longitude = -longitude;
    int dose_kind = dose_kind_of(l.particle, l.quantity);

    double depth = l.altitude;
    if (l.unit == 'F') {
        p_.log.line(ListLine() << "CALLING FT2GPCM2");
        depth = ft2gpcms(p_, l.altitude);
    } else if (l.unit == 'K') {
        depth = km2depth(p_, l.altitude);
    }
    t_.alt = processor_seconds();

    p_.log.line(ListLine() << " Sending DOSE latitude = " << latitude);
    p_.log.line(ListLine() << " Sending DOSE longitude = " << longitude);
    p_.log.line(ListLine() << " Sending DOSE altitude = " << depth);
    p_.log.line(ListLine() << " Sending DOSE date and time = " << t);
    p_.log.line(ListLine() << " Sending DOSE dosekind = " << dose_kind);
    p_.log.line(ListLine() << " Sending DOSE gcr = " << 4);
    p_.log.line(ListLine() << " Sending DOSE test = " << test);
    p_.log.line(ListLine() << " Sending DOSE superposition = " << 0);
    t_.before = processor_seconds();
    // The result line shows the longitude as written, not as dose turns it.
    double engine_longitude = longitude;
    double rate = dose(p_, latitude, engine_longitude, depth, t, dose_kind, 4, test, 0);
    t_.after = processor_seconds();

    if (diag_) {
        std::string label(39, ' ');
        dkstr(label, l.quantity);
        ListLine where;
        if (airport) where << "DOSE RATE AT" << l.icao << " IS ";
        else where << "DOSE RATE AT NORMAL LOCATION IS";
        p_.log.line(where << rate << "+/-" << p_.engine.isostats << label);
    }
    result(result_line(l, latitude, longitude, p_.engine.vcut, rate));
    return true;
}

// The two report lines in the check log and the result file. A line written
// as a place is also counted as left out and named on the console by the
// list's own name, its line number and the reason; other lines are comments.
void LocationRun::report_improper(const std::string& columns, const std::string& reason) {
    std::string first = ListLine() << "COMMENT OR IMPROPER FORMAT FOR DATA AT LINE: " << line_number_ << "IN PLACES.DAT";
    std::string second = ListLine() << pad_to(columns, 60);
    p_.log.line(first);
    p_.log.line(second);
    result(first);
    result(second);
    if (!place_line(columns)) return;
    const std::string line = std::to_string(line_number_);
    skips_.skipped("line " + line, reason);
    p_.con.line(skipped_line({list_name_ + " LINE " + line, reason}));
}

void LocationRun::write_times() {
    double end = processor_seconds();
    p_.log.line(ListLine() << "TIME BEFORE CALLING DOSE WAS " << t_.before - t_.start);
    p_.log.line(ListLine() << "  TIME FOR DATE WAS " << t_.date - t_.start);
    p_.log.line(ListLine() << "  TIME FOR LAT WAS " << t_.lat - t_.date);
    p_.log.line(ListLine() << "  TIME FOR LON WAS " << t_.lon - t_.lat);
    p_.log.line(ListLine() << "  TIME FOR ALT WAS " << t_.alt - t_.lon);
    p_.log.line(ListLine() << "TIME IN DOSE WAS " << t_.after - t_.before);
    p_.log.line(ListLine() << "TIME AFTER DOSE WAS " << end - t_.after);
    p_.log.line(ListLine() << "TIME ON THIS LINE DATA WAS " << end - t_.start);
    p_.log.line(" ");
}

bool LocationRun::report_corrupt() {
    p_.log.line(ListLine() << kCorrupt);
    oops(p_, kCorrupt);
    result(ListLine() << kCorrupt);
    return false;
}

// Every result line reaches the file at once, so a later fatal stop loses
// none of them.
void LocationRun::result(const std::string& text) {
    results_ << text << '\n';
    flush_checked(results_, results_name_);
}

// The list to run: from DEFAULT.INP in batch mode, else picked by the user.
struct ListChoice {
    std::optional<std::string> name;
    NextMenu next = NextMenu::Same;
};

ListChoice choose_list(const RunContext& p) {
    if (batch_mode(p.set.init)) return {read_default_inp().name, NextMenu::Same};
    PickOutcome picked = pick_infile(p, "LOC");
    switch (picked.result) {
        case PickResult::Picked: return {picked.name, NextMenu::Same};
        case PickResult::MainMenu: return {std::nullopt, NextMenu::Main};
        case PickResult::NoFiles: break;
    }
    return {std::nullopt, NextMenu::Same};
}

}  // namespace

NextMenu readit(const RunContext& p) {
    ListChoice choice = choose_list(p);
    if (!choice.name) return choice.next;
    std::string list_name = trim_right(*choice.name);
    std::optional<std::string> result_name = archive_name(list_name, ".ANS");
    if (!result_name) {
        // The results would be written over the list itself.
        if (batch_mode(p.set.init))
            stop_file_error(list_name, "would be its own result file; rename the location list");
        oops(p, " A LIST NAMED *.ANS WOULD BE ITS OWN RESULT FILE");
        return NextMenu::Same;
    }
    std::ifstream list = open_existing(list_name);
    std::ofstream results = open_created(*result_name);
    SkipGroup& skips = p.runs.skips.begin(list_name, "place lines");
    bool complete = LocationRun(p, list, list_name, results, *result_name, skips).run();
    p.log.current_item.clear();
    close_checked(results, *result_name);
    // A batch job that could not read its list to the end did not do what it
    // was asked: its status must not say it did (the results written so far
    // stay in the result file).
    if (!complete && batch_mode(p.set.init))
        stop_file_error(list_name, "cannot be read as a location list (empty, no START- line or no STOP-- line)");
    return NextMenu::Same;
}

}  // namespace tolv7
