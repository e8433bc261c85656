#include "runs/big_flight_record.hpp"

#include "app/fixed_columns.hpp"
#include "app/fortran_format.hpp"
#include "app/free_form.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

namespace {

enum class Read { Ok, End, Error };

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

// `separator_read` is set when a failed read took in its record's separator.
Read read_ints(FlightFile& f, std::size_t count, int* out, bool* separator_read = nullptr) {
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

std::string left_adjusted(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

std::string big_flight_date(const std::string& text) {
    std::string date = trim_right(left_adjusted(pad_to(text, 10)));
    Columns c(date);
    if (date.size() == 7 && c.text(3, 3) == "/") return c.text(4, 7) + "/" + c.text(1, 2) + "/00";
    if (date.size() == 7 && c.text(5, 5) == "/") return c.text(1, 7) + "/00";
    if (date.size() == 10 && c.text(5, 5) == "/") return date;
    return "";
}

BigFlightRecord rdbigflt(const RunContext& p, FlightFile& f) {
    BigFlightRecord r;
    auto exit_with = [&](FlightStatus status) {
        r.status = status;
        p.log.line(ListLine() << "EXITING RDBIGFLT, BAD=" << static_cast<int>(status));
        return r;
    };
    std::string line;
    if (!read_line(f.in, line)) return exit_with(FlightStatus::EndOfFile);
    ++f.line;
    r.name = column_text(line, 1, 30);
    f.flight = trim_right(r.name);
    if (!read_line(f.in, line)) return exit_with(FlightStatus::EndOfFile);
    ++f.line;
    std::string written_date = column_text(line, 1, 10);
    p.log.line(ListLine() << "READING" << r.name);
    p.log.line(ListLine() << "READING DATE" << written_date);

    r.date = big_flight_date(written_date);
    if (r.date.empty()) {
        r.date = written_date;
        for (;;) {  // pass over the record up to its separator line
            std::string endstr;
            if (read_text(f, 6, endstr) == Read::End) return exit_with(FlightStatus::EndOfFile);
            if (endstr.find_first_of("-_") != std::string::npos) return exit_with(FlightStatus::DateUnreadable);
        }
    }

    if (read_text(f, 6, r.origin) == Read::End) stop_at(f, "the origin airport is missing");
    r.origin = pad_to(left_adjusted(r.origin), 6);
    p.log.line(ListLine() << "OPORT " << r.origin);
    if (read_text(f, 6, r.destination) == Read::End) stop_at(f, "the destination airport is missing");
    r.destination = pad_to(left_adjusted(r.destination), 6);
    p.log.line(ListLine() << "DPORT " << r.destination);

    auto whole_number = [&](int* value, const std::string& what) {
        int line = f.line + 1;
        Read got = read_ints(f, 1, value);
        if (got == Read::End) stop_at(f, what + " are missing at the end of the file");
        if (got == Read::Error)
            stop_file_error(f.name, "line " + std::to_string(line) + ": " + what + " are not a whole number");
    };
    whole_number(&r.steps, "the cruise steps");
    whole_number(&r.climb, "the climb minutes");
    p.log.line(ListLine() << "STEPS " << r.steps);
    p.log.line(ListLine() << "CLIMB MIN " << r.climb);

    // One unreadable line costs this record only.
    auto unreadable = [&](bool separator_read) {
        if (!separator_read && !skip_to_separator(f)) return exit_with(FlightStatus::EndOfFile);
        return exit_with(FlightStatus::RecordUnreadable);
    };
    bool too_many = r.steps > kMaxCruiseSteps;
    for (int k = 0; k < r.steps; ++k) {
        int step[2] = {0, 0};
        bool separator_read = false;
        Read got = read_ints(f, 2, step, &separator_read);
        if (got == Read::End) return exit_with(FlightStatus::EndOfFile);
        if (got == Read::Error) return unreadable(separator_read);
        if (k < kMaxCruiseSteps) {
            r.step_feet[static_cast<std::size_t>(k)] = step[0];
            r.step_min[static_cast<std::size_t>(k)] = step[1];
        }
        p.log.line(ListLine() << step[0] << step[1]);
    }

    bool separator_read = false;
    Read got = read_ints(f, 1, &r.descent, &separator_read);
    if (got == Read::End) return exit_with(FlightStatus::EndOfFile);
    if (got == Read::Error) return unreadable(separator_read);
    std::string endstr;
    if (read_text(f, 6, endstr) == Read::End) return exit_with(FlightStatus::EndOfFile);
    p.log.line(ListLine() << r.descent << endstr);
    if (too_many) return exit_with(FlightStatus::RecordUnreadable);  // the step tables hold twenty steps

    long long cruise = 0;
    for (int k = 0; k < r.steps; ++k) cruise += r.step_min[static_cast<std::size_t>(k)];
    long long total = cruise + r.climb + r.descent;
    if (cruise > INT32_MAX || cruise < INT32_MIN || total > INT32_MAX || total < INT32_MIN)
        return exit_with(FlightStatus::RecordUnreadable);
    r.cruise = static_cast<int>(cruise);
    r.total = static_cast<int>(total);
    return exit_with(FlightStatus::Computed);
}

}  // namespace tolv7
