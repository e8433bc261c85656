#include "runs/flight_run_start.hpp"

#include <filesystem>
#include <vector>

#include "app/console_routines.hpp"
#include "app/file_picker.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "app/shell.hpp"
#include "app/text_lines.hpp"
#include "runs/archive_names.hpp"
#include "runs/flight_files.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

namespace {

constexpr std::size_t kInputNameLength = 30;  // the run's FILENAME

// The result archives of an input file of the type.
std::vector<std::string> result_extensions(const std::string& type) {
    if (type == "BIG") return {".OUT"};
    return {".SUM", ".DAT"};
}

// The lines a file of the type holds before its first flight: a waypoint
// file's date and column titles; a city-pair file's first record line.
int lines_before_flights(const std::string& type) { return type == "BIG" ? 1 : 2; }

// Why a file listed for a "*" run cannot be run, in capitals; nullopt when
// it can. The run's file name is one word of at most 30 characters, as its
// archives and messages show it; the file must be a regular file that can
// be read and hold the lines before its first flight.
std::optional<std::string> listed_file_fault(const std::string& name, const std::string& type) {
    if (name.find_first_of(" \t") != std::string::npos) return "NAME HOLDS A BLANK";
    if (name.size() > kInputNameLength) return "NAME IS LONGER THAN 30 CHARACTERS";
    std::error_code error;
    std::filesystem::file_status status = std::filesystem::status(name, error);
    // Checked before it is opened: opening a named pipe would wait for a writer.
    if (std::filesystem::exists(status) && !std::filesystem::is_directory(status) &&
        !std::filesystem::is_regular_file(status))
        return "IS NOT A REGULAR FILE";
    std::ifstream in;
    if (std::filesystem::is_regular_file(status)) in.open(name, std::ios::binary);
    if (!in.is_open()) return upper_case(unreadable_cause(name));
    int lines = 0;
    std::string line;
    while (lines < lines_before_flights(type) && read_line(in, line)) ++lines;
    if (lines == 0) return "FILE IS EMPTY";
    if (lines < lines_before_flights(type)) return "FILE ENDS AFTER LINE " + std::to_string(lines);
    return std::nullopt;
}

// Whether the run can take the picked name. One it cannot take is told by
// name before any question is asked: a name that may not go into the
// listing command (a "*" would make the one file picked a pattern), a name
// longer than the run's file name, or a name that would be its own result
// file.
bool picked_name_runs(const RunContext& p, const std::string& name, const std::string& type) {
    std::string reason;
    if (!shell_safe_name(name) || name.find('*') != std::string::npos)
        reason = " FILE NAME MAY HOLD ONLY LETTERS, DIGITS AND ._-";
    else if (name.size() > kInputNameLength)
        reason = " FILE NAME MAY HOLD AT MOST 30 CHARACTERS";
    if (!reason.empty()) {
        // The name above the reason, both right-aligned as messages are.
        std::string named = " NOT RUN: " + name;
        p.con.line(message_line(named, 60));
        oops(p, reason);
        return false;
    }
    for (const auto& extension : result_extensions(type))
        if (!result_file_name(p, name, extension)) return false;
    return true;
}

}  // namespace

QuietDiagnostics::QuietDiagnostics(InitRecord& init) : init_(init), diagall_(init.diag) { init.diag = kSwitchOff; }

QuietDiagnostics::~QuietDiagnostics() { init_.diag = diagall_; }

FlightRunStart start_flight_run(const RunContext& p, const std::string& type) {
    FlightRunStart run;
    if (batch_mode(p.set.init)) {
        run.options = batch_flight_options(p);
    } else {
        PickOutcome picked = pick_infile(p, type);
        if (picked.result != PickResult::Picked) {
            run.leave = picked.result == PickResult::MainMenu ? NextMenu::Main : NextMenu::Same;
            return run;
        }
        if (!picked_name_runs(p, picked.name, type)) {
            run.leave = NextMenu::Main;
            return run;
        }
        run.options = pick_flt_options(p);
        run.options.input_name = pad_to(picked.name, kInputNameLength);
    }
    auto count = pick_flt_files(p, run.options.input_name);
    if (!count) return run;
    run.started = true;
    run.count = *count;
    return run;
}

std::ifstream open_flight_file(const RunContext& p, const std::string& filename, int number, int count) {
    std::string name = trim_right(filename);
    // Opened in binary: a position taken while reading is then one to which
    // the reader can go back whatever the line ends (read_line still drops a
    // trailing \r).
    std::ifstream in = open_existing(name, std::ios::binary);
    p.con.line(ListLine() << "Processing " << pad_to(filename, 30) << ":" << number << " OF " << count << "FILES");
    return in;
}

std::optional<std::string> result_file_name(const RunContext& p, const std::string& filename, const std::string& extension) {
    auto name = archive_name(filename, extension);
    if (name) return name;
    // A batch job stops rather than end as if it had run the file.
    if (batch_mode(p.set.init))
        stop_file_error(trim_right(filename), "would be its own result file; rename the input file");
    oops(p, " " + trim_right(filename) + " WOULD BE ITS OWN RESULT FILE: NOT RUN");
    return name;
}


FlightRunStart run_counted_files(const RunContext& p, const std::string& type, const std::string& noun,
                                 const CountedFileRun& run_file) {
    FlightRunStart run = start_flight_run(p, type);
    if (!run.started) return run;
    const std::string input = trim(run.options.input_name);
    const bool pattern = flight_file_pattern(input);
    std::vector<std::string> names = listed_flight_files();
    if (names.size() < static_cast<std::size_t>(run.count))
        stop_file_error("FILELIST.TXT", "lists fewer files than the run was started for");
    SkipGroup& files = p.runs.skips.begin(input, noun);
    for (int i = 1; i <= run.count; ++i) {
        const std::string& name = names[static_cast<std::size_t>(i - 1)];
        // A file of a "*" run that cannot be run costs only itself.
        std::optional<std::string> skip = pattern ? listed_file_fault(name, type) : std::nullopt;
        if (!skip) skip = run_file(run.options, pad_to(name, kInputNameLength), i, run.count);
        if (skip) p.con.line(files.skipped(name, *skip));
        else files.computed();
    }
    return run;
}

FlightRunStart run_listed_files(const RunContext& p, const std::string& type, const FlightFileRun& run_file) {
    return run_counted_files(p, type, "files",
                             [&](const FlightOptions& o, const std::string& name, int number, int count) {
                                 run_file(o, name, number, count);
                                 return std::optional<std::string>();
                             });
}

}  // namespace tolv7
