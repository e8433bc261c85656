// Start-up: configuration, the fixed data files, the check log and the batch run choice.
#include <gtest/gtest.h>

#include <functional>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "airports/held_files.hpp"
#include "airports/index_files.hpp"
#include "app/batch_control.hpp"
#include "app/program_stop.hpp"
#include "program/startup.hpp"
#include "support/data_tree_fixture.hpp"

namespace tolv7::test {
namespace {

const std::string kDefaultInp = "2019/06/15\n1200\n   0\n   2\nPLACES.LOC\n";

TEST(RunChoice, LastThreeCharactersUpperCased) {
    EXPECT_EQ(run_type("FLIGHTS.big"), RunType::CityPair);
    EXPECT_EQ(run_type("*.BIG                         "), RunType::CityPair);
    EXPECT_EQ(run_type("ROUTES.DEG"), RunType::Waypoint);
    EXPECT_EQ(run_type("PLACES.LOC"), RunType::LocationList);
    EXPECT_EQ(run_type("PLACES.TXT"), RunType::LocationList);
    EXPECT_EQ(run_type("PLACES"), RunType::LocationList);
    EXPECT_EQ(run_type("BIG"), RunType::CityPair);
    EXPECT_EQ(run_type("IG "), RunType::LocationList);
    EXPECT_EQ(run_type(""), RunType::LocationList);
}

class BatchControlFile : public ::testing::Test {
protected:
    TempDir dir;
    ScopedCwd cwd{dir.path()};
};

TEST_F(BatchControlFile, ReadsTheDateAndNameByColumnsAndTheNumbersInFreeForm) {
    write_file("DEFAULT.INP", "2019/06/15 extra\r\n1230 xx\n  37,5\n   8\nFLIGHTS.BIG and more text beyond thirty\n");
    BatchControl bc = read_default_inp();
    EXPECT_EQ(bc.ymd1, "2019/06/15");
    EXPECT_EQ(bc.hour, 1230);
    EXPECT_EQ(bc.particle, 37);
    EXPECT_EQ(bc.dosekind, 8);
    EXPECT_EQ(bc.name, "FLIGHTS.BIG and more text beyo");
    // Columns 1-4 pass the start-up check; the runs take the whole number.
    write_file("DEFAULT.INP", "2019/06/15\n  1230\n   10\n    5\nA.BIG\n");
    bc = read_default_inp();
    EXPECT_EQ(bc.hour, 1230);
    EXPECT_EQ(bc.particle, 10);
    EXPECT_EQ(bc.dosekind, 5);
}

TEST_F(BatchControlFile, BlankNumberLinesReadAsZero) {
    write_file("DEFAULT.INP", "0000/00/00\n\n    \n   2\nA.LOC\n");
    BatchControl bc = read_default_inp();
    EXPECT_EQ(bc.hour, 0);
    EXPECT_EQ(bc.particle, 0);
}

TEST_F(BatchControlFile, BadOrMissingLinesStopNamingTheFileAndLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"2019/06/15\n12x0\n0\n2\nA.LOC\n", "line 2"},      // columns 1-4
        {"2019/06/15\n1200\n0\n2 \n\n", "line 5 names no input file"},
        {"2019/06/15\n1200\n   0x\n2\nA.LOC\n", "line 3"},  // free form
        {"2019/06/15\n1200\n", "ends before line 3"},
        {"", "ends before line 1"}};
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        write_file("DEFAULT.INP", text);
        std::string message;
        EXPECT_EQ(stop_status([] { read_default_inp(); }, &message), kExitFileError);
        EXPECT_NE(message.find("DEFAULT.INP"), std::string::npos) << message;
        EXPECT_NE(message.find(expected), std::string::npos) << message;
    }
    std::filesystem::remove("DEFAULT.INP");
    EXPECT_EQ(stop_status([] { read_default_inp(); }), kExitFileError);
}

TEST(RunDate, OnlyDatesThatCanBeAreAccepted) {
    for (const char* good : {"0000/00/00", "2019/06/15", "2019/06/00", "2019/00/00", "2020/02/29", "2019/04/30",
                             "04/1973", "04/1973   ", "00/1973", "0001/01/01"})
        EXPECT_TRUE(possible_run_date(good)) << good;
    for (const char* bad : {"", "          ", "2019/13/01", "2019/04/31", "2019/02/29", "2019/00/15", "2019-06-15",
                            "2019/6/15 ", "2019/06/1x", "13/1973", "04/0000", "4/1973", "04/1973/15", "04/197",
                            "2019/05", "0000/06/15", "-019/06/15", "00/0000", "2019/06/15x"})
        EXPECT_FALSE(possible_run_date(bad)) << bad;
}

TEST(RunDate, FaultTellsAWrongFormFromADateThatCannotBe) {
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"2019/13/40", false, "month 13 is not 00 to 12"},
        {"13/2019", false, "month 13 is not 00 to 12"},
        {"0000/06/15", false, "year 0 is not 1 or later"},
        {"2019/02/30", false, "day 30 is not 00 to 28 in 2019/02"},
        {"-019/06/15", true, "is not YYYY/MM/DD, MM/YYYY or 0000/00/00"},
        {"2019/JU/15", true, "is not YYYY/MM/DD, MM/YYYY or 0000/00/00"},
    };
    for (const auto& [date, form, why] : cases) {
        auto fault = run_date_fault(date);
        ASSERT_TRUE(fault) << date;
        EXPECT_EQ(fault->form, form) << date;
        EXPECT_EQ(fault->why, why) << date;
    }
}

TEST_F(BatchControlFile, FilesThatMustExistSayWhyTheyCannotBeRead) {
    std::string message;
    std::filesystem::create_directories("TOLV.INI");
    EXPECT_EQ(stop_status([] { open_existing("TOLV.INI"); }, &message), kExitFileError);
    EXPECT_EQ(message, "TOLV.INI: is a folder, not a file");
#ifndef _WIN32
    EXPECT_EQ(stop_status([] { open_existing("AIRPORTS\\AIRPORTS.DAT"); }, &message), kExitFileError);
    EXPECT_EQ(message, "AIRPORTS\\AIRPORTS.DAT: does not exist (the OS setting of TOLV.INI chose \\ in file names)");
#endif
    EXPECT_EQ(stop_status([] { open_existing("MISSING.DAT"); }, &message), kExitFileError);
    EXPECT_EQ(message, "MISSING.DAT: does not exist");
}

class StartUp : public ::testing::Test {
protected:
    int run(std::string* console = nullptr) { return run_executable(wd.path(), "", console); }
    TreeWorkdir wd;
};

TEST_F(StartUp, EachFixedFileMustExist) {
    write_file("DEFAULT.INP", kDefaultInp);
    for (const char* file : {"AIRPORTS/AIRPORTS.DAT", "SOLARMOD/MV-DATES.L99", "AIRPORTS/CODES",
                             "SOLARMOD/MORDATES.2K", "AIRPORTS/NEWPORTS.DAT", "TOLV.INI"}) {
        std::string saved = read_file(file);
        std::filesystem::remove(file);
        std::string console;
        EXPECT_EQ(run(&console), kExitFileError) << file;
        EXPECT_NE(console.find(tree_path_name(file)), std::string::npos) << console;
        write_file(file, saved);
    }
    EXPECT_FALSE(std::filesystem::exists("DIAGNOSE/TOLV7CHK.DAT"));  // the log opens after them
}

TEST_F(StartUp, MissingDiagnoseFolderOrBatchFileStops) {
    std::string console;
    EXPECT_EQ(run(&console), kExitFileError);  // no DEFAULT.INP yet
    EXPECT_NE(console.find("DEFAULT.INP"), std::string::npos);
    write_file("DEFAULT.INP", kDefaultInp);
    std::filesystem::remove_all("DIAGNOSE");
    EXPECT_EQ(run(&console), kExitFileError);
    EXPECT_NE(console.find(tree_path_name("DIAGNOSE/TOLV7CHK.DAT")), std::string::npos);
}

TEST_F(StartUp, WindowsPathFormLooksForBackslashNames) {
    write_file("DEFAULT.INP", kDefaultInp);
    std::string ini = read_file("TOLV.INI");
    const std::size_t os = ini.find("= ", ini.find("\nOS")) + 2;
    ini.replace(os, ini.find('\n', os) - os, "WINXP");
    write_file("TOLV.INI", ini);
    std::string console;
#ifdef _WIN32
    // There the backslash separates folders: the files are found.
    write_file("PLACES.LOC", "START-\nSTOP--\n");
    EXPECT_EQ(run(&console), kExitNormal) << console;
#else
    EXPECT_EQ(run(&console), kExitFileError);
    EXPECT_NE(console.find("AIRPORTS\\AIRPORTS.DAT"), std::string::npos) << console;
#endif
}

// The airport files that start-up holds open, removed or replaced while the
// program runs: each is named for what is there now when it is read again,
// and nothing waits at a named pipe.
TEST_F(StartUp, HeldAirportFileGoneOrReplacedIsNamedForWhatIsThereNow) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows does not remove a file that is held open";
#endif
    struct Case {
        const char* file;
        bool pipe;  // else removed
        std::function<void(Program&, const std::string&)> read_again;
        const char* cause;
    };
    auto rebuild_index = [](Program& p, const std::string&) { make_ndx(p, 91, 7000); };
    auto reopen_codes = [](Program& p, const std::string& path) { reopen_held(p.airports.codes_file, path); };
    auto reopen_user_file = [](Program& p, const std::string& path) {
        reopen_held_if_present(p.airports.newports_file, path);
        make_ndx(p, 91, 7000);
    };
    const std::vector<Case> cases = {
        {"AIRPORTS/AIRPORTS.DAT", false, rebuild_index, "does not exist"},
        {"AIRPORTS/CODES", false, reopen_codes, "does not exist"},
        {"AIRPORTS/NEWPORTS.DAT", false, reopen_user_file, "does not exist"},
#ifndef _WIN32
        {"AIRPORTS/AIRPORTS.DAT", true, rebuild_index, "is not a regular file"},
        {"AIRPORTS/CODES", true, reopen_codes, "is not a regular file"},
        {"AIRPORTS/NEWPORTS.DAT", true, reopen_user_file, "is not a regular file"},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + (c.pipe ? " as a pipe" : " removed"));
        const std::string path = tree_path_name(c.file);
        const std::string saved = read_file(path);
        TestProgram tp;
        open_program_files(*tp);
        std::filesystem::remove(path);
#ifndef _WIN32
        if (c.pipe) {
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        }
#endif
        std::string message;
        EXPECT_EQ(stop_status([&] { c.read_again(*tp, path); }, &message), kExitFileError);
        EXPECT_EQ(message, path + ": " + c.cause);
        std::filesystem::remove(path);
        write_file(path, saved);
    }
}

TEST_F(StartUp, CheckLogStartsWithTheConfigurationEchoAndIsWrittenOver) {
    write_file("DEFAULT.INP", kDefaultInp);
    write_file("PLACES.LOC", "START-\nSTOP--\n");
    write_file("DIAGNOSE/TOLV7CHK.DAT", std::string(3'000'000, 'x') + "\nOLD RUN\n");
    EXPECT_EQ(run(), kExitNormal);
    std::string log = read_file("DIAGNOSE/TOLV7CHK.DAT");
    EXPECT_EQ(log.find("OLD RUN"), std::string::npos);
    EXPECT_EQ(log.find("xxx"), std::string::npos);
    auto lines = split_lines(log);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], " MENUS      NO!         ");
    EXPECT_EQ(lines[2], " MENUS     =NO!");
    EXPECT_TRUE(std::filesystem::exists("DEBUGGER.DAT"));
}

}  // namespace
}  // namespace tolv7::test
