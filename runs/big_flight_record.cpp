#include "runs/big_flight_record.hpp"

#include <optional>

#include "app/check_log.hpp"
#include "app/fixed_columns.hpp"
#include "app/fortran_format.hpp"
#include "app/free_form.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

namespace {

enum class Read { Ok, End, Error };

constexpr char kLettersAndDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// One free-form read of `count` values from the flight file.
Read read_values(FlightFile& f, std::size_t count, std::optional<FreeRecord>& rec) {
    rec = read_free(f.in, count, true, &f.line);
    return rec ? Read::Ok : Read::End;
}

// A value that can only be a record's separator: a text holding "-" or "_"
// that is not a number (a negative altitude is no separator).
bool separator_text(const FreeRecord& rec, std::size_t i) {
    std::string text = trim_right(rec.text(i, 80));
    return text.find_first_of("-_") != std::string::npos && !rec.integer(i);
}

// Whether the first value after those of the read is a number: a thousands
// comma ("36,000 430" reads as 36 ft for 0 minutes, then 430) or a stray
// figure. Text after the values is a remark and stays ignored.
bool number_follows(const FreeRecord& rec) {
    for (const FreeItem& item : rec.rest())
        if (!item.null) return FreeRecord({item}).real(0).has_value();
    return false;
}

// `separator_read` is set when a failed read took in its record's separator;
// `number_after`, when given, is set when a number follows the values read.
Read read_ints(FlightFile& f, std::size_t count, int* out, bool* separator_read = nullptr,
               bool* number_after = nullptr) {
    std::optional<FreeRecord> rec;
    if (read_values(f, count, rec) == Read::End) return Read::End;
    for (std::size_t i = 0; i < count; ++i) {
        auto v = rec->integer(i);
        if (!v || *v < INT32_MIN || *v > INT32_MAX) {
            if (separator_read)
                for (std::size_t j = 0; j < count; ++j) *separator_read = *separator_read || separator_text(*rec, j);
            return Read::Error;
        }
        out[i] = static_cast<int>(*v);
    }
    if (number_after) *number_after = number_follows(*rec);
    return Read::Ok;
}

// After an unreadable step or descent line: the lines up to and including
// the record's separator are passed over, so the next call reads the next
// record. End of file while passing over: false.
bool skip_to_separator(FlightFile& f) {
    for (;;) {
        std::optional<FreeRecord> rec;
        if (read_values(f, 1, rec) == Read::End) return false;
        if (separator_text(*rec, 0)) return true;
    }
}

Read read_text(FlightFile& f, std::size_t width, std::string& out) {
    std::optional<FreeRecord> rec;
    if (read_values(f, 1, rec) == Read::End) return Read::End;
    out = rec->text(0, width);
    return Read::Ok;
}

// Lines whose absence the run cannot survive stop it, as a file error.
[[noreturn]] void stop_at(const FlightFile& f, const std::string& what) {
    stop_file_error(f.name, "line " + std::to_string(f.line + 1) + ": " + what);
}

}  // namespace

std::string big_flight_date(const std::string& text) {
    std::string date = trim(pad_to(text, 10));
    Columns c(date);
    if (date.size() == 7 && c.text(3, 3) == "/") return c.text(4, 7) + "/" + c.text(1, 2) + "/00";
    if (date.size() == 7 && c.text(5, 5) == "/") return c.text(1, 7) + "/00";
    if (date.size() == 10 && c.text(5, 5) == "/") return date;
    return "";
}

namespace {

// The end of the file inside a record that was begun: past a date line
// that holds something (a last line alone, or blank lines, are no record).
FlightStatus ends_inside(const FlightFile& f, BigFlightRecord& r) {
    r.detail = "the file ends inside the record, at line " + std::to_string(f.line);
    return FlightStatus::EndOfFile;
}

// The name and date lines. A date that cannot be read costs this record
// only: the record is passed over up to its separator line.
std::optional<FlightStatus> read_name_and_date(CheckLog& log, FlightFile& f, BigFlightRecord& r) {
    std::string line;
    if (!read_line(f.in, line)) return FlightStatus::EndOfFile;
    ++f.line;
    ++f.record;
    f.record_line = f.line;
    r.name = column_text(line, 1, 30);
    f.flight = trim_right(r.name);
    if (!read_line(f.in, line)) return FlightStatus::EndOfFile;
    ++f.line;
    std::string written_date = column_text(line, 1, 10);
    log.line(ListLine() << "READING" << r.name);
    log.line(ListLine() << "READING DATE" << written_date);

    r.date = big_flight_date(written_date);
    if (!r.date.empty()) return std::nullopt;
    r.date = written_date;
    const std::string why = "line " + std::to_string(f.line) + " holds \"" + trim(written_date) + "\"";
    if (f.look_ahead) return FlightStatus::DateUnreadable;
    bool begun = !trim(written_date).empty();
    for (;;) {
        std::string endstr;
        if (read_text(f, 6, endstr) == Read::End) return begun ? ends_inside(f, r) : FlightStatus::EndOfFile;
        begun = true;
        if (endstr.find_first_of("-_") != std::string::npos) {
            r.detail = why;
            return FlightStatus::DateUnreadable;
        }
    }
}

void read_airports(CheckLog& log, FlightFile& f, BigFlightRecord& r) {
    if (read_text(f, 6, r.origin) == Read::End) stop_at(f, "the origin airport is missing");
    r.origin = pad_to(trim_left(r.origin), 6);
    log.line(ListLine() << "OPORT " << r.origin);
    if (read_text(f, 6, r.destination) == Read::End) stop_at(f, "the destination airport is missing");
    r.destination = pad_to(trim_left(r.destination), 6);
    log.line(ListLine() << "DPORT " << r.destination);
}

// A count the record cannot be read without; missing or not a whole number,
// it stops the run.
void read_count(FlightFile& f, int* value, const std::string& what) {
    int line = f.line + 1;
    Read got = read_ints(f, 1, value);
    if (got == Read::End) stop_at(f, what + " are missing at the end of the file");
    if (got == Read::Error)
        stop_file_error(f.name, "line " + std::to_string(line) + ": " + what + " are not a whole number");
}

// One unreadable line costs this record only: the rest of it is passed over.
FlightStatus unreadable(FlightFile& f, BigFlightRecord& r, bool separator_read, const std::string& why) {
    r.detail = "line " + std::to_string(f.line) + " " + why;
    if (f.look_ahead) return FlightStatus::RecordUnreadable;
    if (!separator_read && !skip_to_separator(f)) return ends_inside(f, r);
    return FlightStatus::RecordUnreadable;
}

// The cruise steps (altitude in feet, minutes); the tables keep the first
// twenty. A number after a step's two would shift its values, so its line
// cannot be read.
std::optional<FlightStatus> read_steps(CheckLog& log, FlightFile& f, BigFlightRecord& r) {
    for (int k = 0; k < r.steps; ++k) {
        int step[2] = {0, 0};
        bool separator_read = false;
        bool number_after = false;
        Read got = read_ints(f, 2, step, &separator_read, &number_after);
        if (got == Read::End) return ends_inside(f, r);
        if (got == Read::Error) return unreadable(f, r, separator_read, "is not a step's feet and minutes");
        if (number_after) return unreadable(f, r, false, "holds a third number");
        if (k < kMaxCruiseSteps) {
            r.step_feet[static_cast<std::size_t>(k)] = step[0];
            r.step_min[static_cast<std::size_t>(k)] = step[1];
        }
        log.line(ListLine() << step[0] << step[1]);
    }
    return std::nullopt;
}

FlightStatus read_record(CheckLog& log, FlightFile& f, BigFlightRecord& r);

// Whether a record reads from the file's position on: a name, a date the
// date rule takes, and then no line without which the run would stop (a
// step or descent line that cannot be read, or the end of the file, would
// cost that record only). Nothing is logged and nothing passed over.
bool record_reads(FlightFile& f) {
    CheckLog unkept;
    FlightFile ahead{f.in, f.name};
    ahead.look_ahead = true;
    BigFlightRecord r;
    try {
        FlightStatus status = read_record(unkept, ahead, r);
        return status != FlightStatus::DateUnreadable && !r.date.empty();
    } catch (const ProgramStop&) {  // the airports, steps or climb minutes are missing or not numbers
        return false;
    }
}

// Whether the line just read in the separator's place (it began at `start`,
// blank lines before it counted from line `first`) is the name line of the
// next record, whose separator is then missing. A line without a letter or
// a digit (a line of dashes) is always a separator. Any other line is a name
// only when the record it would begin reads (record_reads): a separator
// such as END before a record whose name looks like a date is then still a
// separator, and a line mistaken for a name never makes a record that would
// only be skipped stop the run. The file then goes back to the start of
// that line; otherwise it stays after it.
bool next_record_follows(FlightFile& f, std::streampos start, int first) {
    if (!f.in.good() || start == std::streampos(-1)) return false;  // no line follows
    std::streampos after = f.in.tellg();
    f.in.seekg(start);
    std::string line;
    for (int skipped = first + 1; skipped < f.line; ++skipped) read_line(f.in, line);
    std::streampos name_start = f.in.tellg();
    bool follows = read_line(f.in, line) && line.find_first_of(kLettersAndDigits) != std::string::npos;
    if (follows) {
        f.in.seekg(name_start);
        follows = record_reads(f);
    }
    f.in.clear();
    f.in.seekg(follows ? name_start : after);
    if (follows) --f.line;
    return follows;
}

// The descent minutes and the separator line. A record whose separator line
// is missing ends with its descent: at the end of the file, or where the
// next record is read from the line in the separator's place.
std::optional<FlightStatus> read_descent(CheckLog& log, FlightFile& f, BigFlightRecord& r) {
    bool separator_read = false;
    Read got = read_ints(f, 1, &r.descent, &separator_read);
    if (got == Read::End) return ends_inside(f, r);
    if (got == Read::Error) return unreadable(f, r, separator_read, "is not the descent minutes");
    std::string endstr(6, ' ');
    std::streampos start = f.in.good() ? f.in.tellg() : std::streampos(-1);
    int first = f.line;
    if (read_text(f, 6, endstr) == Read::Ok && !f.look_ahead && next_record_follows(f, start, first))
        endstr = std::string(6, ' ');
    log.line(ListLine() << r.descent << endstr);
    return std::nullopt;
}

// Cruise and total minutes; a sum past the range of an int makes the
// record unreadable.
FlightStatus sum_minutes(BigFlightRecord& r) {
    long long cruise = 0;
    for (int k = 0; k < r.steps; ++k) cruise += r.step_min[static_cast<std::size_t>(k)];
    long long total = cruise + r.climb + r.descent;
    if (cruise > INT32_MAX || cruise < INT32_MIN || total > INT32_MAX || total < INT32_MIN) {
        r.detail = "its minutes add up to " + std::to_string(total);
        return FlightStatus::RecordUnreadable;
    }
    r.cruise = static_cast<int>(cruise);
    r.total = static_cast<int>(total);
    return FlightStatus::Computed;
}

// One record into r; the status the reader leaves with.
FlightStatus read_record(CheckLog& log, FlightFile& f, BigFlightRecord& r) {
    if (auto status = read_name_and_date(log, f, r)) return *status;
    read_airports(log, f, r);
    read_count(f, &r.steps, "the cruise steps");
    read_count(f, &r.climb, "the climb minutes");
    log.line(ListLine() << "STEPS " << r.steps);
    log.line(ListLine() << "CLIMB MIN " << r.climb);
    if (auto status = read_steps(log, f, r)) return *status;
    if (auto status = read_descent(log, f, r)) return *status;
    if (r.steps > kMaxCruiseSteps) {  // the step tables hold twenty steps
        r.detail = std::to_string(r.steps) + " cruise steps, at most " + std::to_string(kMaxCruiseSteps);
        return FlightStatus::RecordUnreadable;
    }
    return sum_minutes(r);
}

}  // namespace

std::string flight_item(const FlightFile& file, const BigFlightRecord& r) {
    return "flight " + std::to_string(file.record) + " \"" + trim(r.name) + "\" at line " +
           std::to_string(file.record_line);
}

BigFlightRecord rdbigflt(const RunContext& p, FlightFile& f) {
    BigFlightRecord r;
    r.status = read_record(p.log, f, r);
    p.log.line(ListLine() << "EXITING RDBIGFLT, BAD=" << static_cast<int>(r.status));
    return r;
}

}  // namespace tolv7
