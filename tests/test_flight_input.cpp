// Reading city-pair flight records, run options, flight file selection and archive names.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "app/file_picker.hpp"
#include "app/program_stop.hpp"
#include "app/shell.hpp"
#include "app/text_lines.hpp"
#include "runs/archive_names.hpp"
#include "runs/big_flight_record.hpp"
#include "runs/flight_files.hpp"
#include "runs/flight_options.hpp"
#include "runs/flight_run_start.hpp"
#include "runs/flight_status.hpp"
#include "support/test_program.hpp"

namespace tolv7::test {
namespace {

class BigRecord : public ::testing::Test {
protected:
    BigFlightRecord next() { return rdbigflt(*tp, file); }
    void open(const std::string& text) { in.str(text); }
    std::vector<std::string> log() {
        tp.log.open((dir.path() / "log").string());
        tp.log.flush();
        return read_lines(dir.path() / "log");
    }
    TempDir dir;
    TestProgram tp;
    std::istringstream in;
    FlightFile file{in, "FLIGHTS.BIG"};
};

TEST_F(BigRecord, ReadsAGoodRecordAndItsTotals) {
    // A step line holding only its altitude takes the minutes from the next
    // line; a remark after a step's numbers is not read.
    open("LHR-JFK BA117\n2019/06/15\n  EGLL\nKJFK\n2\n20\n35000\n300\n37000, 60 FL370\n25\n-----\n");
    BigFlightRecord r = next();
    EXPECT_EQ(r.status, FlightStatus::Computed);
    EXPECT_EQ(r.name, "LHR-JFK BA117                 ");
    EXPECT_EQ(r.date, "2019/06/15");
    EXPECT_EQ(r.origin, "EGLL  ");
    EXPECT_EQ(r.destination, "KJFK  ");
    EXPECT_EQ(r.steps, 2);
    EXPECT_EQ(r.climb, 20);
    EXPECT_EQ(r.step_feet[1], 37000);
    EXPECT_EQ(r.step_min[1], 60);
    EXPECT_EQ(r.descent, 25);
    EXPECT_EQ(r.cruise, 360);
    EXPECT_EQ(r.total, 405);
    EXPECT_EQ(next().status, FlightStatus::EndOfFile);
    auto lines = log();
    std::vector<std::string> expected = {
        " READINGLHR-JFK BA117                 ", " READING DATE2019/06/15", " OPORT EGLL  ",
        " DPORT KJFK  ", " STEPS            2", " CLIMB MIN           20",
        "        35000         300", "        37000          60", "           25 ----- ",
        " EXITING RDBIGFLT, BAD=           0", " EXITING RDBIGFLT, BAD=           3"};
    EXPECT_EQ(lines, expected);
}

TEST_F(BigRecord, MonthDatesAreMonthlyAverages) {
    EXPECT_EQ(big_flight_date("05/2019"), "2019/05/00");
    EXPECT_EQ(big_flight_date("  2019/05 "), "2019/05/00");
    EXPECT_EQ(big_flight_date("2019/05/12"), "2019/05/12");
    EXPECT_EQ(big_flight_date("05/20/9"), "20/9/05/00");  // both slashes: month first wins
    EXPECT_EQ(big_flight_date("2019-05-12"), "");
    EXPECT_EQ(big_flight_date("2019/5/12"), "");
    EXPECT_EQ(big_flight_date(""), "");
}

TEST_F(BigRecord, BadDateSkipsToTheSeparator) {
    open("A\n2019-05-12\nEGLL\nKJFK\n0\n10\n5\n_____\nB\n05/2019\nEGLL\nKJFK\n0\n10\n5\nEND\n");
    BigFlightRecord bad = next();
    EXPECT_EQ(bad.status, FlightStatus::DateUnreadable);
    BigFlightRecord good = next();
    EXPECT_EQ(good.status, FlightStatus::Computed);
    EXPECT_EQ(good.name.substr(0, 1), "B");
    EXPECT_EQ(good.date, "2019/05/00");
    EXPECT_EQ(good.steps, 0);
    EXPECT_EQ(good.cruise, 0);
    EXPECT_EQ(good.total, 15);
}

TEST_F(BigRecord, MoreThanTwentyStepsAreReadToTheEndAndRefused) {
    std::string text = "LONG\n2019/06/15\nEGLL\nKJFK\n21\n10\n";
    for (int k = 0; k < 21; ++k) text += "35000 10\n";
    text += "10\n----\nNEXT\n2019/06/15\nEGLL\nKJFK\n20\n10\n";
    for (int k = 0; k < 20; ++k) text += std::to_string(30000 + k * 100) + " 10\n";
    text += "10\n----\n";
    open(text);
    EXPECT_EQ(next().status, FlightStatus::RecordUnreadable);
    BigFlightRecord twenty = next();
    EXPECT_EQ(twenty.status, FlightStatus::Computed);
    EXPECT_EQ(twenty.name.substr(0, 4), "NEXT");
    EXPECT_EQ(twenty.step_feet[19], 31900);
    EXPECT_EQ(twenty.cruise, 200);
}

TEST_F(BigRecord, UnreadableStepOrDescentCostsThatRecordOnly) {
    const std::string good = "B\n2019/06/15\nEGLL\nLFPG\n1\n15\n-500 15\n25\n----\n";
    const std::pair<const char*, const char*> cases[] = {
        {"A\n2019/06/15\nEGLL\nKJFK\n1\n10\n35000 ten\n10\n----\n", "line 7 is not a step's feet and minutes"},
        {"A\n2019/06/15\nEGLL\nKJFK\n1\n10\n35000 10\nten\n----\n", "line 8 is not the descent minutes"},
        // two steps announced, one given: the separator ends the bad read
        {"A\n2019/06/15\nEGLL\nKJFK\n2\n10\n35000 10\n10\n----\n", "line 9 is not a step's feet and minutes"},
        {"A\n2019/06/15\nEGLL\nKJFK\n1\n10\n35000 10\n------\n", "line 8 is not the descent minutes"},
        // A number after the two would shift them: a thousands comma reads
        // as 36 ft for 0 minutes, then 430.
        {"A\n2019/06/15\nEGLL\nKJFK\n1\n430\n36,000 430\n25\n----\n", "line 7 holds a third number"},
        {"A\n2019/06/15\nEGLL\nKJFK\n2\n10\n35000 10\n37000\n20 5\n10\n----\n", "line 9 holds a third number"},
    };
    for (const auto& [bad, detail] : cases) {
        SCOPED_TRACE(bad);
        in.clear();
        open(bad + good);
        file.line = 0;
        BigFlightRecord a = next();
        EXPECT_EQ(a.status, FlightStatus::RecordUnreadable);
        EXPECT_EQ(a.detail, detail);
        BigFlightRecord b = next();
        EXPECT_EQ(b.status, FlightStatus::Computed);
        EXPECT_EQ(trim_right(b.name), "B");
        EXPECT_EQ(b.step_feet[0], -500);  // a negative altitude is no separator
        EXPECT_EQ(next().status, FlightStatus::EndOfFile);
    }
    // A cut last record still ends the file.
    in.clear();
    open("A\n2019/06/15\nEGLL\nKJFK\n1\n10\n35000 ten\n10\n");
    EXPECT_EQ(next().status, FlightStatus::EndOfFile);
}

// A record cut short by the end of the file says where; a last line alone,
// or blank lines, are no record.
TEST_F(BigRecord, EndOfFileInsideARecord) {
    const std::pair<const char*, const char*> cases[] = {
        {"A\n2019/06/15\nEGLL\nKJFK\n2\n10\n35000 10\n", "the file ends inside the record, at line 7"},
        {"A\n2019/06/15\nEGLL\nKJFK\n1\n10\n35000 10\n", "the file ends inside the record, at line 7"},
        {"A\nbad date\nEGLL\n", "the file ends inside the record, at line 3"},
        {"A\n", ""},
        {"END\n\n\n", ""},
    };
    for (const auto& [text, detail] : cases) {
        SCOPED_TRACE(text);
        in.clear();
        open(text);
        file.line = 0;
        BigFlightRecord r = next();
        EXPECT_EQ(r.status, FlightStatus::EndOfFile);
        EXPECT_EQ(r.detail, detail);
    }
}

TEST_F(BigRecord, MissingAirportOrStepCountStopsTheRun) {
    open("A\n2019/06/15\nEGLL\n");
    EXPECT_EQ(stop_status([&] { next(); }), kExitFileError);
    in.clear();
    file.line = 0;
    open("A\n2019/06/15\nEGLL\nKJFK\nx\n");
    std::string message;
    EXPECT_EQ(stop_status([&] { next(); }, &message), kExitFileError);
    EXPECT_EQ(message, "FLIGHTS.BIG: line 5: the cruise steps are not a whole number");
    // A line that is missing is reported as missing.
    in.clear();
    file.line = 0;
    open("A\n2019/06/15\nEGLL\nKJFK\n1\n");
    EXPECT_EQ(stop_status([&] { next(); }, &message), kExitFileError);
    EXPECT_EQ(message, "FLIGHTS.BIG: line 6: the climb minutes are missing at the end of the file");
}

// A record of one cruise step; the separator line is left out when empty.
std::string one_step(const std::string& name, const std::string& date, const std::string& separator) {
    return name + "\n" + date + "\nEGLL\nKJFK\n1\n10\n35000 10\n10\n" + (separator.empty() ? "" : separator + "\n");
}

struct SeparatorCase {
    const char* what;
    std::string text;
    std::vector<std::pair<FlightStatus, std::string>> records;  // status, name
};

TEST_F(BigRecord, RecordWithoutItsSeparatorIsFollowedByTheNextOne) {
    using enum FlightStatus;
    const SeparatorCase cases[] = {
        {"a missing separator: the next record's name, a date and an origin follow",
         one_step("LHR-CDG BA304", "2019/06/15", "") + one_step("LHR-FRA LH903", "05/2019", "----"),
         {{Computed, "LHR-CDG BA304"}, {Computed, "LHR-FRA LH903"}, {EndOfFile, ""}}},
        {"blank lines in the separator's place are passed over",
         one_step("A", "2019/06/15", "\n") + one_step("B", "2019/06", "----"),
         {{Computed, "A"}, {Computed, "B"}, {EndOfFile, ""}}},
        {"a separator of any text", one_step("A", "2019/06/15", "END OF A") + one_step("B", "2019/06/16", "END"),
         {{Computed, "A"}, {Computed, "B"}, {EndOfFile, ""}}},
        // A line of dashes is a separator even before a name written as a date.
        {"a name written as a date after dashes",
         one_step("A", "2019/06/15", "-----") + one_step("2019/06/16", "2019/06/15", "-----"),
         {{Computed, "A"}, {Computed, "2019/06/16"}, {EndOfFile, ""}}},
        // A line of text before a name written as a date and its date: two
        // dates in a row make the first line a separator.
        {"a text separator before a name written as a date",
         one_step("A", "2019/06/15", "NEXT") + one_step("06/2019", "2019/06/15", "NEXT"),
         {{Computed, "A"}, {Computed, "06/2019"}, {EndOfFile, ""}}},
        // Without a date after it the line is taken as the separator: the
        // broken record costs itself only, never more records than the file
        // holds.
        {"a missing separator before a record whose date cannot be read",
         one_step("A", "2019/06/15", "") + one_step("B", "2019-06-15", "----") + one_step("C", "2019/06/15", "----"),
         {{Computed, "A"}, {DateUnreadable, "2019-06-15"}, {Computed, "C"}, {EndOfFile, ""}}},
        {"a last record without its separator is read to the end of the file",
         one_step("A", "2019/06/15", "----") + one_step("B", "2019/06/15", ""),
         {{Computed, "A"}, {Computed, "B"}, {EndOfFile, ""}}},
        // Read as a name, END would give a record whose counts are codes:
        // it is the separator, and the record after it is skipped by its
        // date alone.
        {"a text separator before a record named as a date whose date cannot be read",
         one_step("A", "2019/06/15", "END") + one_step("2019/06", "JUNE 2019", "----") +
             one_step("C", "2019/06/15", ""),
         {{Computed, "A"}, {DateUnreadable, "2019/06"}, {Computed, "C"}, {EndOfFile, ""}}},
        // A record whose step line cannot be read is still a record: the
        // line before it is its name.
        {"a missing separator before a record with an unreadable step",
         one_step("A", "2019/06/15", "") + "B\n2019/06/15\nEGLL\nKJFK\n1\n10\n36,000 430\n10\n----\n" +
             one_step("C", "2019/06/15", "----"),
         {{Computed, "A"}, {RecordUnreadable, "B"}, {Computed, "C"}, {EndOfFile, ""}}},
    };
    for (const SeparatorCase& c : cases) {
        SCOPED_TRACE(c.what);
        in.clear();
        open(c.text);
        file.line = 0;
        for (const auto& [status, name] : c.records) {
            BigFlightRecord r = next();
            EXPECT_EQ(r.status, status);
            EXPECT_EQ(trim_right(r.name), name);
        }
    }
}

// Read from files with Windows and CR-only line ends (one beginning with a
// byte-order mark), opened as the runs open their input files: the reader
// goes back to the name line by its position.
TEST_F(BigRecord, MissingSeparatorInAFileWithWindowsOrCarriageReturnLineEnds) {
    ScopedCwd cwd(dir.path());
    std::string text = one_step("A", "2019/06/15", "") + one_step("B", "2019/06/16", "") + one_step("C", "05/2019", "--");
    for (const char* start : {"", "\xEF\xBB\xBF"})
        for (const char* end : {"\r\n", "\r"}) {
            SCOPED_TRACE(::testing::PrintToString(std::string(start) + end));
            std::string written = start;
            for (char ch : text) written += ch == '\n' ? std::string(end) : std::string(1, ch);
            write_file("OTHER.BIG", written);
            std::ifstream flights = open_flight_file(*tp, "OTHER.BIG", 1, 1);
            FlightFile f{flights, "OTHER.BIG"};
            for (const char* name : {"A", "B", "C"}) {
                BigFlightRecord r = rdbigflt(*tp, f);
                EXPECT_EQ(r.status, FlightStatus::Computed) << name;
                EXPECT_EQ(r.name, pad_to(name, 30));
                EXPECT_EQ(r.origin, "EGLL  ") << name;
            }
            EXPECT_EQ(rdbigflt(*tp, f).status, FlightStatus::EndOfFile);
            EXPECT_EQ(f.line, 25);  // every line counted once
        }
}

TEST(FlightStatus, SkipTextsAreFortyFiveCharacters) {
    // The numbers the check log writes; 4 is no status and reads as bad profile data.
    for (int s : {1, 2, 3, 5, 6, 7, 8, 9, 4}) EXPECT_EQ(badstr(static_cast<FlightStatus>(s)).size(), 45u) << s;
    EXPECT_EQ(badstr(FlightStatus::BadProfile), "  BAD PROFILE DATA...SKIPPING THIS FLIGHT    ");
    EXPECT_EQ(badstr(static_cast<FlightStatus>(7)), "  BAD DESTINATION PORT...SKIPPING THIS FLIGHT");
    EXPECT_EQ(skip_reason(FlightStatus::BadProfile), "BAD PROFILE DATA");
    EXPECT_EQ(skip_reason(FlightStatus::TooLong, "2000 minutes, at most 1996"),
              "TRIP TIME >1996 MIN: 2000 minutes, at most 1996");
    EXPECT_EQ(skip_reason(FlightStatus::EndOfFile), "REACHED END OF BIG FILE");
}

TEST(ArchiveNames, LastDotCountsAndAnInputIsNeverOverwritten) {
    EXPECT_EQ(archive_name("ROUTES.BIG                    ", ".OUT"), "ROUTES.OUT");
    EXPECT_EQ(archive_name("ROUTE.A.DEG", ".SUM"), "ROUTE.A.SUM");
    EXPECT_EQ(archive_name("PLACES", ".ANS"), "PLACES.ANS");
    EXPECT_EQ(archive_name("X.ANS", ".ANS"), std::nullopt);
    EXPECT_EQ(archive_name("x.ans", ".ANS"), std::nullopt);
    EXPECT_EQ(archive_name("R.DAT", ".DAT"), std::nullopt);
}

class FlightFiles : public ::testing::Test {
protected:
    void SetUp() override {
        tp.shell.handler = [this](const std::string&) { write_file(dir.path() / "FILELIST.TXT", listing); };
        tp->set.init.os = "LINUX";
        tp.log.open((dir.path() / "log").string());
    }
    TempDir dir;
    ScopedCwd cwd{dir.path()};
    TestProgram tp;
    std::string listing;
};

TEST_F(FlightFiles, PatternCountsTheListedFiles) {
    listing = "A.BIG\nB.BIG\nC.BIG\n";
    EXPECT_EQ(pick_flt_files(*tp, "*.BIG"), 3);
    EXPECT_EQ(tp.shell.commands.at(0), "ls -1d -- *.BIG > FILELIST.TXT");
    auto lines = tp.screen_lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "  Using all local files found of type BIG.");
    EXPECT_EQ(lines[1], "  Starting requested multifile run of           3 files.");
}

TEST_F(FlightFiles, PatternWithOneFileIsASingleRunNamedByThePattern) {
    listing = "ONLY.BIG\n";
    EXPECT_EQ(pick_flt_files(*tp, "A*.BIG"), 1);
    EXPECT_EQ(tp.shell.commands.at(0), "ls -1d -- *.BIG > FILELIST.TXT");
    EXPECT_EQ(tp.screen_lines().at(0), "  Starting requested single file run: A*.BIG                        ");
}

TEST_F(FlightFiles, NamedFileIsListedWithAllThirtyCharacters) {
    tp->set.init.os = "WIN  ";
    write_file("FLT.big", "");
    EXPECT_EQ(pick_flt_files(*tp, "FLT.big"), 1);
    EXPECT_EQ(tp.shell.commands.at(0), "DIR /B FLT.big                        > FILELIST.TXT");
#ifndef _WIN32  // a file name cannot hold a star there
    write_file("*BIG", "");
    EXPECT_EQ(pick_flt_files(*tp, "*BIG"), 1);  // too short to be a pattern
#endif
}

TEST_F(FlightFiles, PatternFindingNothingStops) {
    listing = "";
    EXPECT_EQ(stop_status([&] { pick_flt_files(*tp, "*.DEG"); }), kExitFileError);
    auto lines = tp.screen_lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "  Warning: Aborting requested multifile run. All");
    EXPECT_EQ(lines[1], "  files requested but none found of type DEG");
}

TEST_F(FlightFiles, NamesThatCouldRunShellCommandsAreRefused) {
    tp->set.init.menus = "FEW";  // the menus: a message, then back
    EXPECT_EQ(pick_flt_files(*tp, "A;rm -rf x.BIG"), std::nullopt);
    EXPECT_EQ(pick_flt_files(*tp, "$(x).BIG"), std::nullopt);
    // Unattended, a refused name ends with status 2 and is quoted.
    tp->set.init.menus = "NO!";
    std::string message;
    EXPECT_EQ(stop_status([&] { pick_flt_files(*tp, "  my flights.BIG  "); }, &message), kExitFileError);
    EXPECT_NE(message.find("\"my flights.BIG\""), std::string::npos) << message;
    EXPECT_TRUE(tp.shell.commands.empty());
}

TEST_F(FlightFiles, NamedInputMustBeAFileAndBlanksAroundItAreTrimmed) {
    std::string message;
    EXPECT_EQ(stop_status([&] { pick_flt_files(*tp, "MISSING.BIG"); }, &message), kExitFileError);
    EXPECT_NE(message.find("MISSING.BIG"), std::string::npos) << message;
    EXPECT_EQ(message.find("FILELIST.TXT"), std::string::npos) << message;
    fs::create_directories("X.BIG");
    EXPECT_EQ(stop_status([&] { pick_flt_files(*tp, "X.BIG"); }, &message), kExitFileError);
    EXPECT_NE(message.find("X.BIG: is a folder"), std::string::npos) << message;
    EXPECT_TRUE(tp.shell.commands.empty());

    write_file("A.BIG", "");
    listing = "A.BIG\n";
    EXPECT_EQ(pick_flt_files(*tp, "  A.BIG"), 1);
    EXPECT_EQ(tp.shell.commands.at(0), "ls -1d -- A.BIG                          > FILELIST.TXT");
}

#ifndef _WIN32
// The shell lists the files itself: a name beginning with "-" is a name, not
// options of ls, whether a pattern finds it or it is named alone.
TEST_F(FlightFiles, NamesBeginningWithADashAreListedByTheShell) {
    tp.shell.handler = [](const std::string& command) { SystemShell().run(command); };
    write_file("-n.BIG", "");
    write_file("FLIGHTS.BIG", "");
    fs::create_directories("-d.BIG");  // a folder is no input file
    EXPECT_EQ(pick_flt_files(*tp, "*.BIG"), 2);
    std::vector<std::string> listed = read_filelist(10);
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<std::string>{"-n.BIG", "FLIGHTS.BIG"}));

    EXPECT_EQ(pick_flt_files(*tp, "-n.BIG"), 1);
    EXPECT_EQ(read_filelist(10), std::vector<std::string>{"-n.BIG"});
    EXPECT_EQ(tp.shell.commands, (std::vector<std::string>{"ls -1d -- *.BIG > FILELIST.TXT",
                                                           "ls -1d -- -n.BIG                         > FILELIST.TXT"}));
}
#endif

TEST(FlightOptions, FullDialogueWithADateAndTakeOffTime) {
    TestProgram tp("0\n2\nn\n2019/06/15\n1230\n");
    FlightOptions o = pick_flt_options(*tp);
    EXPECT_EQ(o.particle, 38);
    EXPECT_EQ(o.quantity, 2);
    EXPECT_EQ(o.run_date, "2019/06/15");
    EXPECT_EQ(o.takeoff, 1230);
    EXPECT_EQ(tp->set.ini.gcr_model, 4);
    std::string screen = tp.screen();
    EXPECT_NE(screen.find("       SELECT RADIATION.\n"), std::string::npos);
    EXPECT_NE(screen.find("       <8> NM-64 COUNTS\n"), std::string::npos);
    EXPECT_NE(screen.find("       ENTER A UT TAKE-OFF TIME FOR FLIGHT(S)?\n"), std::string::npos);
}

TEST(FlightOptions, RefusedAnswersAreAskedAgain) {
    TestProgram tp("38\nx\n5\n9\n0\n4\nN\n2019/6/15\n2019/06/15\n2401\n1260\n0975\n2400\n");
    FlightOptions o = pick_flt_options(*tp);
    EXPECT_EQ(o.particle, 5);
    EXPECT_EQ(o.quantity, 4);
    EXPECT_EQ(o.takeoff, 2400);
    std::string screen = tp.screen();
    EXPECT_NE(screen.find("\n       Entry must be 0 to 37 \n"), std::string::npos);
    EXPECT_NE(screen.find("\n       Entry must be 1 to 8 \n"), std::string::npos);
    EXPECT_NE(screen.find("\n WRONG FORMAT: RE-ENTER\n"), std::string::npos);
    EXPECT_NE(screen.find("\n       Entry must be 0 to 2400 \n"), std::string::npos);
    EXPECT_EQ(occurrences(screen, "\n       Minutes must be 00 to 59 \n"), 2);
}

TEST(FlightOptions, DatesTheRunsCannotUseAreAskedAgain) {
    const std::pair<const char*, const char*> cases[] = {
        {"2019/13/45", " MONTH 13 IS NOT 00 TO 12: RE-ENTER"},
        {"2019/02/30", " DAY 30 IS NOT 00 TO 28 IN 2019/02: RE-ENTER"},
        {"2019/00/15", " DAY 15 IS NOT 00 IN A YEARLY AVERAGE: RE-ENTER"},
        {"0000/06/15", " YEAR 0 IS NOT 1 OR LATER: RE-ENTER"},
        {"-019/06/15", " WRONG FORMAT: RE-ENTER"},
        {"2019/JU/15", " WRONG FORMAT: RE-ENTER"},
        {"04/1973", " WRONG FORMAT: RE-ENTER"},  // the dialogue asks for YYYY/MM/DD
    };
    for (const auto& [bad, refusal] : cases) {
        SCOPED_TRACE(bad);
        TestProgram tp(std::string("N\n") + bad + "\n2019/06/15\n1230\n");
        tp->set.init.menus = "FEW";
        FlightOptions o = pick_flt_options(*tp);
        EXPECT_EQ(o.run_date, "2019/06/15");
        EXPECT_EQ(o.takeoff, 1230);
        std::string screen = tp.screen();
        EXPECT_EQ(occurrences(screen, "\n" + std::string(refusal) + "\n"), 1) << screen;
        EXPECT_EQ(occurrences(screen, "       ENTER A DATE FOR FLIGHT(S) <YYYY/MM/DD>\n"), 2);
    }
}

TEST(FlightOptions, FewAsksOnlyTheDateAndMonthlyDatesNoTime) {
    TestProgram tp("N\n2019/06/00\n");
    tp->set.init.menus = "FEW";
    FlightOptions o = pick_flt_options(*tp);
    EXPECT_EQ(o.particle, 38);
    EXPECT_EQ(o.quantity, 2);
    EXPECT_EQ(o.run_date, "2019/06/00");
    EXPECT_EQ(o.takeoff, 0);
    EXPECT_EQ(tp.screen().find("SELECT RADIATION"), std::string::npos);
}

TEST(FlightOptions, AnyAnswerButNOrATypedFileDateUsesTheFileDates) {
    for (const char* answers : {"Y\n", "N\n0000/00/00\n"}) {
        TestProgram tp(answers);
        tp->set.init.menus = "FEW";
        FlightOptions o = pick_flt_options(*tp);
        EXPECT_EQ(o.run_date, "0000/00/00") << answers;
        EXPECT_EQ(o.takeoff, 0) << answers;
        EXPECT_EQ(tp.screen().find("TAKE-OFF"), std::string::npos) << answers;
    }
}

class BatchOptions : public ::testing::Test {
protected:
    TempDir dir;
    ScopedCwd cwd{dir.path()};
    TestProgram tp;
};

TEST_F(BatchOptions, ValuesAreCheckedBeforeTheRun) {
    write_file("DEFAULT.INP", "2019/06/15\n1230\n   0\n   2\nFLIGHTS.BIG\n");
    FlightOptions o = batch_flight_options(*tp);
    EXPECT_EQ(o.particle, 38);
    EXPECT_EQ(o.takeoff, 1230);
    EXPECT_EQ(o.input_name, "FLIGHTS.BIG                   ");
    for (const char* bad : {"2019/06/15\n2401\n0\n2\nF.BIG\n", "2019/06/15\n0\n38\n2\nF.BIG\n",
                            "2019/06/15\n0\n0\n9\nF.BIG\n", "2019/06/15\n0\n-1\n2\nF.BIG\n",
                            "2019/06/15\n1260\n0\n2\nF.BIG\n", "2019/06/15\n0975\n0\n2\nF.BIG\n",
                            "2019/13/01\n0\n0\n2\nF.BIG\n", "2019/04/31\n0\n0\n2\nF.BIG\n", "\n0\n0\n2\nF.BIG\n"}) {
        write_file("DEFAULT.INP", bad);
        TestProgram fatal;
        std::string message;
        EXPECT_EQ(stop_status([&] { batch_flight_options(*fatal); }, &message), kExitFatal) << bad;
        EXPECT_NE(fatal.screen().find("DEFAULT.INP LINE"), std::string::npos) << bad;
        EXPECT_EQ(message.rfind("DEFAULT.INP, line ", 0), 0u) << message;
    }
    write_file("DEFAULT.INP", "2019/06/15\n0975\n0\n2\nF.BIG\n");
    std::string message;
    EXPECT_EQ(stop_status([&] { batch_flight_options(*tp); }, &message), kExitFatal);
    EXPECT_EQ(message, "DEFAULT.INP, line 2: take-off time 0975: minutes 75 are not 00 to 59");
    EXPECT_EQ(tp.screen_lines().at(0), std::string(16, ' ') + " DEFAULT.INP LINE 2: TAKE-OFF MINUTES MUST BE 00 TO 59");
    // Month first: April 1973, the form the runs read as 1973/04/00.
    write_file("DEFAULT.INP", "04/1973\n0\n0\n2\nFLIGHTS.BIG\n");
    EXPECT_EQ(batch_flight_options(*tp).run_date, "04/1973   ");
}

}  // namespace
}  // namespace tolv7::test
