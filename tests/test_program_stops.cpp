// How the built program stops: for every kind of stop, its exit status and
// the one line on standard error that says why (the file, line, value and
// limit where there are any); and the causes named for files that cannot be
// opened or created.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <stdexcept>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#endif

#include "app/program_stop.hpp"
#include "support/data_tree_fixture.hpp"

namespace tolv7::test {
namespace {

struct Outcome {
    int status = -1;
    std::string console;  // standard output
    std::string errors;   // standard error
};

// Runs the built program in the working folder with `input` on its keyboard,
// its standard output and standard error kept apart.
Outcome run_apart(const std::string& input) {
    TempDir scratch;
    write_file(scratch.path() / "stdin.txt", input);
    const std::string program = built_program(TOLV7_EXE).string();
    const std::string in = (scratch.path() / "stdin.txt").string();
    const std::string out = (scratch.path() / "stdout.txt").string();
    const std::string err = (scratch.path() / "stderr.txt").string();
    Outcome o;
#ifdef _WIN32
    std::string command = "\"\"" + program + "\" < \"" + in + "\" > \"" + out + "\" 2> \"" + err + "\"\"";
    o.status = std::system(command.c_str());
#else
    // A program that waits for ever (at a named pipe) fails the case after
    // the limit instead of holding the whole test run.
    std::string command = "timeout 60 '" + program + "' < '" + in + "' > '" + out + "' 2> '" + err + "'";
    int raw = std::system(command.c_str());
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    o.console = read_file(out);
    o.errors = read_file(err);
    return o;
}

// TOLV.INI with its MENUS value replaced.
void set_menus(const std::string& value) {
    std::string ini = read_file("TOLV.INI");
    std::size_t at = ini.find("= ", ini.find("MENUS")) + 2;
    ini.replace(at, ini.find('\n', at) - at, value);
    write_file("TOLV.INI", ini);
}

// A folder of the tree that the fixture links to the shared tree, made the
// working folder's own copy so that a case may change it.
void own_copy(const std::string& folder) {
    if (!fs::is_symlink(folder)) return;  // copied already where links cannot be made
    fs::path shared = fs::read_symlink(folder);
    fs::remove(folder);
    fs::copy(shared, folder, fs::copy_options::recursive);
}

// The depth table with every depth above 30,000 ft ten thousand times
// smaller. The spline through that drop dips below zero near 31,000 ft,
// inside the altitudes that the runs take, so a point there meets the
// engine's fatal stop for a depth out of range.
void drop_depths_above_30000_ft() {
    std::istringstream in(read_file("ATMOSPHERE/FT-GM.DAT"));
    std::string text, line;
    for (int n = 1; std::getline(in, line); ++n) {
        double kft = 0.0, depth = 0.0;
        if (n > 2 && std::sscanf(line.c_str(), "%lf %lf", &kft, &depth) == 2 && kft > 30.0) {
            char changed[64];
            std::snprintf(changed, sizeof changed, "%9.2f  %.7E", kft, depth * 1e-4);
            line = changed;
        }
        text += line + "\n";
    }
    write_file("ATMOSPHERE/FT-GM.DAT", text);
}

const char kPlaces[] = "START-\nN,51.5,W,0.5,F,35000,2019/06/15,H12,P00,D2\nSTOP--\n";

#ifndef _WIN32
// A named pipe in the place of a file, which no program writes to.
void make_pipe(const std::string& name) {
    std::error_code ignored;
    fs::remove(name, ignored);
    if (::mkfifo(name.c_str(), 0600) != 0) throw std::runtime_error("cannot make the pipe " + name);
}
#endif

struct StopCase {
    const char* kind;
    std::function<void()> arrange;  // changes the working folder
    const char* keyboard;
    int status;
    std::string error;  // the whole line on standard error, without its line end
    bool posix_only = false;
};

TEST(ProgramStops, EachKindOfStopSaysWhyInOneLineWithItsStatus) {
    const std::string menu_prompt = "Type 1, 2, 3, 4, 5, 6, or 7 and press <ENTER> .";
    const std::vector<StopCase> cases = {
        {"data file missing", [] { fs::remove("SOLARMOD/MORDATES.2K"); }, "", kExitFileError,
         "tolv7: " + tree_path_name("SOLARMOD/MORDATES.2K") + ": does not exist"},
        {"data folder missing", [] { fs::remove_all("SOLARMOD"); }, "", kExitFileError,
         "tolv7: " + tree_path_name("SOLARMOD/MV-DATES.L99") + ": does not exist (there is no folder SOLARMOD)"},
        {"folder in place of a data file",
         [] {
             fs::remove("AIRPORTS/CODES");
             fs::create_directory("AIRPORTS/CODES");
         },
         "", kExitFileError, "tolv7: " + tree_path_name("AIRPORTS/CODES") + ": is a folder, not a file"},
        {"batch file missing", [] { fs::remove("DEFAULT.INP"); }, "", kExitFileError,
         "tolv7: DEFAULT.INP: does not exist"},
        {"configuration without its END line", [] { write_file("TOLV.INI", "MENUS     = NO!\nOS        = LINUX\n"); },
         "", kExitFileError, "tolv7: TOLV.INI: ends after line 2 without its END line"},
        {"check log folder missing", [] { fs::remove_all("DIAGNOSE"); }, "", kExitFileError,
         "tolv7: " + tree_path_name("DIAGNOSE/TOLV7CHK.DAT") + ": cannot be created (its folder DIAGNOSE does not exist)"},
        {"folder in the way of the check log", [] { fs::create_directories("DIAGNOSE/TOLV7CHK.DAT"); }, "",
         kExitFileError,
         "tolv7: " + tree_path_name("DIAGNOSE/TOLV7CHK.DAT") + ": cannot be created (a folder of that name is in the way)"},
        {"file in place of the spectrum folder",
         [] {
             fs::remove_all("GCR_MODELS");
             write_file("GCR_MODELS", "");
         },
         "", kExitFileError,
         "tolv7: " + tree_path_name("GCR_MODELS/ISO_GCR2.OUT") + ": cannot be created (GCR_MODELS is a file, not a folder)"},
        {"full disk under the spectrum file",
         [] {
             fs::remove("GCR_MODELS/ISO_GCR2.OUT");
             fs::create_symlink("/dev/full", "GCR_MODELS/ISO_GCR2.OUT");
         },
         "", kExitFileError, "tolv7: GCR_MODELS/ISO_GCR2.OUT: could not be written (disk full or I/O error)", true},
        {"empty monthly potential table", [] { write_file("SOLARMOD/MV-DATES.L99", ""); }, "", kExitFileError,
         "tolv7: SOLARMOD/MV-DATES.L99: is empty: it needs at least one line month/year,potential (such as 12/2020,    "
         "1345)"},
        {"cutoff grid cut short",
         [] {
             own_copy("CUTOFFS");
             write_file("CUTOFFS/IGRF2010.1X1", "ONE\nTWO\n");
         },
         "", kExitFileError,
         "tolv7: " + tree_path_name("CUTOFFS/IGRF2010.1X1") + ": ends at line 2, before line 3888 of the grid"},
        {"damaged airport file",
         [] {
             std::string airports = read_file("AIRPORTS/AIRPORTS.DAT");
             write_file("AIRPORTS/AIRPORTS.DAT", std::string(91, 'x') + "\n" + airports);
         },
         "", kExitFileError,
         "tolv7: " + tree_path_name("AIRPORTS/AIRPORTS.DAT") + ": record 1: ELEVATION is not a number"},
        {"batch value beyond its range",
         [] {
             fs::copy_file(fs::path(TOLV7_SAMPLES_DIR) / "FLIGHTS.BIG", "FLIGHTS.BIG");
             write_file("DEFAULT.INP", "2019/06/15\n1200\n  99\n   2\nFLIGHTS.BIG\n");
         },
         "", kExitFatal, "tolv7: DEFAULT.INP, line 3: particle 99 is not 0 to 37"},
        {"depth table whose depths do not fall",
         [] {
             std::string table = read_file("ATMOSPHERE/FT-GM.DAT");
             std::size_t at = 0;
             for (int n = 1; n < 60; ++n) at = table.find('\n', at) + 1;
             table.replace(at + 11, 13, "      9.9E+29");
             write_file("ATMOSPHERE/FT-GM.DAT", table);
         },
         "", kExitFileError,
         "tolv7: ATMOSPHERE/FT-GM.DAT: line 60: the depth 9.9E+29 g/cm2 does not fall below the line before"},
        // A fatal stop of the engine keeps its detail, with the run's file and
        // its line or flight in front.
        {"engine stop in a location list",
         [] {
             drop_depths_above_30000_ft();
             write_file("P.LOC", "START-\nN,51.5,W,0.5,F,31000,2019/06/15,H12,P00,D2\nSTOP--\n");
         },
         "", kExitFatal,
         "tolv7: P.LOC, line 2: depth -32.4730211 g/cm2 is outside the table's 0.0001 to 1035.0837 g/cm2"},
        {"engine stop in a city-pair flight",
         [] {
             drop_depths_above_30000_ft();
             fs::copy_file(fs::path(TOLV7_SAMPLES_DIR) / "FLIGHTS.BIG", "FLIGHTS.BIG");
             write_file("DEFAULT.INP", "0000/00/00\n   0\n   0\n   2\nFLIGHTS.BIG\n");
         },
         "", kExitFatal,
         "tolv7: FLIGHTS.BIG, flight \"LHR-FRA  LH903\": depth -2.774018272 g/cm2 is outside the table's 0.0001 to "
         "1035.0837 g/cm2"},
        {"engine stop in a waypoint flight",
         [] {
             drop_depths_above_30000_ft();
             fs::copy_file(fs::path(TOLV7_SAMPLES_DIR) / "ROUTES.DEG", "ROUTES.DEG");
             write_file("DEFAULT.INP", "2019/06/15\n1200\n   0\n   2\nROUTES.DEG\n");
         },
         "", kExitFatal,
         "tolv7: ROUTES.DEG: depth -0.5547710126 g/cm2 is outside the table's 0.0001 to 1035.0837 g/cm2"},
        {"keyboard input ends at a menu", [] { set_menus("YES"); }, "", kExitEndOfInput,
         "tolv7: keyboard input ended at the prompt \"" + menu_prompt + "\""},
        {"keyboard input ends at a question", [] { set_menus("YES"); }, "4\n1\n", kExitEndOfInput,
         "tolv7: keyboard input ended at the prompt \"What year?\""},
        {"keyboard input ends at a pause", [] { set_menus("YES"); }, "5\n1\n1\n2019/06/00\n", kExitEndOfInput,
         "tolv7: keyboard input ended at the prompt \"Press a character then press <ENTER> to continue\""},
#ifndef _WIN32
        {"named pipe as the configuration", [] { make_pipe("TOLV.INI"); }, "", kExitFileError,
         "tolv7: TOLV.INI: is not a regular file", true},
        {"named pipe as the flight input",
         [] {
             write_file("DEFAULT.INP", "2019/06/15\n1200\n   0\n   2\nFLIGHTS.BIG\n");
             make_pipe("FLIGHTS.BIG");
         },
         "", kExitFileError, "tolv7: FLIGHTS.BIG: is not a regular file", true},
        {"named pipe as a result file",
         [] {
             fs::copy_file(fs::path(TOLV7_SAMPLES_DIR) / "FLIGHTS.BIG", "FLIGHTS.BIG");
             write_file("DEFAULT.INP", "2019/06/15\n1200\n   0\n   2\nFLIGHTS.BIG\n");
             make_pipe("FLIGHTS.OUT");
         },
         "", kExitFileError, "tolv7: FLIGHTS.OUT: is not a regular file", true},
        {"named pipe as the spectrum file",
         [] {
             fs::copy_file(fs::path(TOLV7_SAMPLES_DIR) / "FLIGHTS.BIG", "FLIGHTS.BIG");
             write_file("DEFAULT.INP", "2019/06/15\n1200\n   0\n   2\nFLIGHTS.BIG\n");
             make_pipe("GCR_MODELS/ISO_GCR2.OUT");
         },
         "", kExitFileError, "tolv7: GCR_MODELS/ISO_GCR2.OUT: is not a regular file", true},
#endif
        {"damaged line with control bytes",
         [] { write_file("FORBUSH/FORBUSH.DAT", "2012   3   8\a  0\x1b[2J  68\xff\n"); }, "", kExitFileError,
         "tolv7: " + tree_path_name("FORBUSH/FORBUSH.DAT") +
             ": line 1 \"2012   3   8\\x07  0\\x1b[2J  68\\xff\" cannot be read as Forbush data"},
        {"keyboard input ends at a question with notes",
         [] {
             set_menus("YES");
             fs::copy_file(fs::path(TOLV7_SAMPLES_DIR) / "FLIGHTS.BIG", "FLIGHTS.BIG");
         },
         "2\n1\n1\n0\n2\nN\n", kExitEndOfInput,
         "tolv7: keyboard input ended at the prompt \"ENTER A DATE FOR FLIGHT(S) <YYYY/MM/DD>\""},
        {"configuration missing", [] { fs::remove("TOLV.INI"); }, "", kExitFileError,
         "tolv7: TOLV.INI: does not exist (run tolv7 in a folder that holds its data tree, such as one written by "
         "make_data_tree DIR)"},
    };
    for (const StopCase& c : cases) {
        SCOPED_TRACE(c.kind);
#ifdef _WIN32
        if (c.posix_only) continue;
#endif
        TreeWorkdir wd;
        write_file("DEFAULT.INP", "2019/06/15\n1200\n   0\n   2\nP.LOC\n");
        write_file("P.LOC", kPlaces);
        c.arrange();
        Outcome o = run_apart(c.keyboard);
        EXPECT_EQ(o.status, c.status) << o.console << o.errors;
        ASSERT_FALSE(o.errors.empty());
        EXPECT_EQ(o.errors.find('\n'), o.errors.size() - 1) << o.errors;  // exactly one line
        std::string line = o.errors.substr(0, o.errors.size() - 1);
        EXPECT_EQ(line, c.error);
        EXPECT_EQ(o.console.find("tolv7:"), std::string::npos) << o.console;
    }
}

TEST(ProgramStops, ANormalEndSaysNothingOnStandardError) {
    TreeWorkdir wd;
    write_file("DEFAULT.INP", "2019/06/15\n1200\n   0\n   2\nP.LOC\n");
    write_file("P.LOC", kPlaces);
    Outcome o = run_apart("");
    EXPECT_EQ(o.status, kExitNormal) << o.console << o.errors;
    EXPECT_EQ(o.errors, "");
    set_menus("YES");
    o = run_apart("7\n");
    EXPECT_EQ(o.status, kExitNormal) << o.console << o.errors;
    EXPECT_EQ(o.errors, "");
}

// The causes named for a file that cannot be opened or created.
TEST(FileCauses, TheRealCauseIsNamed) {
    TempDir dir;
    ScopedCwd cwd(dir.path());
    write_file("FILE.DAT", "x\n");
    fs::create_directory("FOLDER");
#ifndef _WIN32
    make_pipe("PIPE");
#endif
    struct Case {
        std::function<std::string(const std::string&)> cause;
        const char* path;
        const char* expected;
    };
    const Case cases[] = {
        {unreadable_cause, "MISSING.DAT", "does not exist"},
        {unreadable_cause, "NOWHERE/MISSING.DAT", "does not exist (there is no folder NOWHERE)"},
        {unreadable_cause, "FOLDER", "is a folder, not a file"},
        {unwritable_cause, "NOWHERE/NEW.DAT", "cannot be created (its folder NOWHERE does not exist)"},
        {unwritable_cause, "FOLDER", "cannot be created (a folder of that name is in the way)"},
        {unwritable_cause, "FILE.DAT/NEW.DAT", "cannot be created (FILE.DAT is a file, not a folder)"},
#ifndef _WIN32
        {unreadable_cause, "AIRPORTS\\AIRPORTS.DAT",
         "does not exist (the OS setting of TOLV.INI chose \\ in file names)"},
        {unwritable_cause, "/dev/full", "could not be written (disk full or I/O error)"},
        {unreadable_cause, "PIPE", "is not a regular file"},
        {unreadable_cause, "/dev/null", "is not a regular file"},
#endif
    };
    for (const Case& c : cases) EXPECT_EQ(c.cause(c.path), c.expected) << c.path;
    // A missing file of a folder that exists names no folder.
    EXPECT_EQ(unreadable_cause("FOLDER/MISSING.DAT"), "does not exist");
    std::string message;
    EXPECT_EQ(stop_status([] { open_created("NOWHERE/NEW.DAT"); }, &message), kExitFileError);
    EXPECT_EQ(message, "NOWHERE/NEW.DAT: cannot be created (its folder NOWHERE does not exist)");
}

}  // namespace
}  // namespace tolv7::test
