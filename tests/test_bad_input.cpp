// Whole batch runs of the built program on failed writes and bad input: the
// exit status, the message that names the file, and what still reaches the
// archives.
#include <gtest/gtest.h>

#include "app/calendar.hpp"
#include "app/program_stop.hpp"
#include "engine/dose.hpp"
#include "program/startup.hpp"
#include "support/data_tree_fixture.hpp"

namespace tolv7::test {
namespace {

const char kFlights[] =
    "LHR-CDG\n2019/06/15\nEGLL\nLFPG\n1\n15\n29000 15\n25\n--------\n";
const char kRoute[] =
    "2019/06/15,SHORT HOP\nLAT DEG MIN N/S  LON DEG MIN E/W  ALT FT  MINUTES\n"
    "51 28.0 N 0 27.0 W 83 0\n51 0.0 N 1 0.0 E 30000 20\n";
const char kPlaces[] = "START-\nN,51.5,W,0.5,F,35000,2019/06/15,H12,P00,D2\nSTOP--\n";

std::string batch(const std::string& input) { return "2019/06/15\n1200\n   0\n   2\n" + input + "\n"; }

class BatchRun : public ::testing::Test {
protected:
    BatchRun() {
        write_file("R.BIG", kFlights);
        write_file("R.DEG", kRoute);
        write_file("P.LOC", kPlaces);
    }
    int run(const std::string& input) {
        write_file("DEFAULT.INP", batch(input));
        return run_executable(wd.path(), "", &console);
    }
    TreeWorkdir wd;
    std::string console;
};

TEST_F(BatchRun, FailedWriteOfAnyArchiveOrLogStopsWithStatusTwoNamingTheFile) {
#ifdef _WIN32
    GTEST_SKIP() << "a full disk is a link to /dev/full, which Windows does not have";
#endif
    struct Case {
        const char* input;
        const char* file;
    };
    for (const Case& c : {Case{"R.BIG", "R.OUT"}, Case{"R.BIG", "TOLV-7.RPT"}, Case{"R.DEG", "R.SUM"},
                          Case{"R.DEG", "R.DAT"}, Case{"P.LOC", "P.ANS"}, Case{"R.BIG", "DIAGNOSE/TOLV7CHK.DAT"},
                          Case{"R.BIG", "DIAGNOSE/DIAGNOSE.SKY"}}) {
        SCOPED_TRACE(c.file);
        fs::remove(c.file);
        fs::create_symlink("/dev/full", c.file);
        EXPECT_EQ(run(c.input), kExitFileError) << console;
        EXPECT_NE(console.find(std::string("tolv7: ") + c.file + ": could not be written"), std::string::npos)
            << console;
        if (std::string(c.file).find("TOLV7CHK") == std::string::npos) {
            EXPECT_EQ(console.find("FINISHED"), std::string::npos) << console;
        }
        fs::remove(c.file);
    }
    // With the disk back, the same runs end normally.
    for (const char* input : {"R.BIG", "R.DEG", "P.LOC"}) EXPECT_EQ(run(input), kExitNormal) << console;
}

// DEFAULT.INP picks the run by the input's last three letters: an input named
// like a flight archive (.OUT, .SUM, .DAT) is read as a location list, whose
// archive is the .ANS file, so nothing is written over the input.
TEST_F(BatchRun, InputNamedLikeAFlightArchiveIsKeptAndReadAsALocationList) {
    const std::pair<const char*, const char*> cases[] = {
        {"FLIGHTS.OUT", kFlights}, {"ROUTES.SUM", kRoute}, {"X.DAT", kRoute}};
    for (const auto& [input, text] : cases) {
        SCOPED_TRACE(input);
        write_file(input, text);
        EXPECT_EQ(run(input), kExitFileError) << console;
        EXPECT_EQ(read_file(input), text);
        EXPECT_NE(console.find("CANNOT READ LOCATIONS, FILE IS CORRUPT OR EMPTY"), std::string::npos) << console;
        EXPECT_NE(console.find(std::string("tolv7: ") + input + ": cannot be read as a location list"),
                  std::string::npos)
            << console;
        std::string stem(input, std::string(input).find('.'));
        auto answers = read_lines(stem + ".ANS");
        ASSERT_EQ(answers.size(), 2u);
        EXPECT_EQ(answers[1], " CANNOT READ LOCATIONS, FILE IS CORRUPT OR EMPTY");
        for (const char* archive : {".OUT", ".SUM", ".DAT"}) {
            if (stem + archive != input) {
                EXPECT_FALSE(fs::exists(stem + archive)) << archive;
            }
        }
    }
}

TEST_F(BatchRun, BadStepLineCostsOnlyItsFlight) {
    write_file("R.BIG", std::string("BROKEN\n2019/06/15\nEGLL\nLFPG\n2\n15\n29000 x\n31000 10\n25\n-------\n") +
                            kFlights);
    ASSERT_EQ(run("R.BIG"), kExitNormal) << console;
    auto out = read_lines("R.OUT");
    ASSERT_EQ(out.size(), 3u + 3u);
    EXPECT_EQ(out[3], "  CANNOT READ ALTS...SKIPPING THIS FLIGHT    ");
    EXPECT_EQ(out[4].substr(0, 44), "LHR-CDG                        EGLL   LFPG  ");
    EXPECT_NE(out[4].substr(45, 11).find("E"), std::string::npos) << out[4];
    EXPECT_EQ(out[5], "  REACHED END OF BIG FILE                    ");
}

TEST_F(BatchRun, FlightsOnImpossibleDatesAreSkippedAsUnreadableDates) {
    std::string flights = kFlights;
    auto dated = [&](const std::string& date) {
        std::string record = flights;
        record.replace(record.find("2019/06/15"), 10, date);
        return record;
    };
    write_file("R.BIG", dated("2019/13/01") + dated("2019/04/31") + dated("13/2019") + flights);
    write_file("DEFAULT.INP", "0000/00/00\n   0\n   0\n   2\nR.BIG\n");
    ASSERT_EQ(run_executable(wd.path(), "", &console), kExitNormal) << console;
    auto out = read_lines("R.OUT");
    ASSERT_EQ(out.size(), 3u + 4u + 1u);
    for (int i = 3; i < 6; ++i) EXPECT_EQ(out[static_cast<std::size_t>(i)], "  CANNOT READ DATE...SKIPPING THIS FLIGHT    ");
    EXPECT_EQ(out[6].substr(0, 7), "LHR-CDG");
}

TEST_F(BatchRun, ImpossibleDatesInTheBatchFileStopBeforeAnyOutput) {
    for (const char* date : {"2019/13/01", "2019/04/31", ""}) {
        SCOPED_TRACE(date);
        write_file("DEFAULT.INP", std::string(date) + "\n1200\n   0\n   2\nR.BIG\n");
        EXPECT_EQ(run_executable(wd.path(), "", &console), kExitFatal) << console;
        EXPECT_NE(console.find("DEFAULT.INP LINE 1"), std::string::npos) << console;
        EXPECT_FALSE(fs::exists("R.OUT"));
    }
}

// An altitude beyond the depth table costs its own item only: the flight is
// skipped with its status, the place is an improper line, and the run ends
// normally; no conversion reaches its fatal stop.
TEST_F(BatchRun, AltitudeBeyondTheTableSkipsItsItemOnly) {
    write_file("R.BIG", std::string("HIGH FLYER\n2019/06/15\nEGLL\nLFPG\n1\n15\n500000 15\n25\n--------\n") + kFlights);
    write_file("R.DEG", "2019/06/15,HIGH\nTITLES\n51 28.0 N 0 27.0 W 500000 0\n51 0.0 N 1 0.0 E 500000 20\n");
    write_file("P.LOC", "START-\nN,51.5,W,0.5,G,2000,2019/06/15,H12,P00,D2\nSTOP--\n");
    const std::pair<const char*, const char*> cases[] = {
        {"R.BIG", "R.OUT"}, {"R.DEG", "R.SUM"}, {"P.LOC", "P.ANS"}};
    for (const auto& [input, result] : cases) {
        SCOPED_TRACE(input);
        EXPECT_EQ(run(input), kExitNormal) << console;
        EXPECT_EQ(console.find("Fatal error, aborting program!"), std::string::npos) << console;
        EXPECT_EQ(console.find("is outside the table's"), std::string::npos) << console;
        EXPECT_TRUE(fs::exists(result));
    }
    auto out = read_lines("R.OUT");
    ASSERT_EQ(out.size(), 3u + 2u + 1u);
    EXPECT_EQ(out[3], "  CANNOT READ ALTS...SKIPPING THIS FLIGHT    ");
    EXPECT_EQ(out[4].substr(0, 7), "LHR-CDG");
    EXPECT_EQ(read_file("R.SUM"), "  BAD PROFILE DATA...SKIPPING THIS FLIGHT    \n");
    auto ans = read_lines("P.ANS");
    ASSERT_EQ(ans.size(), 3u);
    EXPECT_NE(ans[1].find("COMMENT OR IMPROPER FORMAT FOR DATA AT LINE:"), std::string::npos) << ans[1];
}

TEST(DoseLog, StopInsideADoseCallLeavesThatCallsLines) {
    TreeWorkdir wd;
    TestProgram tp;
    start_up(*tp);
    double date = 2019.0 + dsf(2019, 6, 15, 12) / diy(2019);
    double lon = 10.0;
    dose(*tp, 45.0, lon, 300.0, date, 76, 4, 1, 0);
    ASSERT_NE(read_file("DIAGNOSE/DIAGDAP.DAT").find("300.0"), std::string::npos);
    lon = 10.0;
    EXPECT_EQ(stop_status([&] { dose(*tp, 45.0, lon, 2000.0, date, 76, 4, 1, 0); }), kExitFatal);
    auto dap = read_lines("DIAGNOSE/DIAGDAP.DAT");
    ASSERT_FALSE(dap.empty());
    EXPECT_EQ(dap[0].substr(0, 11), "  Starting ");
    EXPECT_NE(dap[0].find("2000.0"), std::string::npos) << dap[0];
}

// The sample tree's coefficients give every top bin a factor of at least 1,
// so the sample runs leave no low-factor warning in either log.
TEST(SampleRuns, WriteNoLowTopBinFactorWarnings) {
    TreeWorkdir wd;
    fs::path samples = fs::path(__FILE__).parent_path().parent_path() / "samples";
    for (const char* name : {"FLIGHTS.BIG", "ROUTES.DEG", "PLACES.LOC"}) fs::copy_file(samples / name, name);
    for (const char* input : {"FLIGHTS.BIG", "ROUTES.DEG", "PLACES.LOC"}) {
        SCOPED_TRACE(input);
        write_file("DEFAULT.INP", batch(input));
        std::string console;
        ASSERT_EQ(run_executable(wd.path(), "", &console), kExitNormal) << console;
        for (const char* log : {"DIAGNOSE/TOLV7CHK.DAT", "DIAGNOSE/DIAGDAP.DAT"})
            EXPECT_EQ(read_file(log).find("Low HFF"), std::string::npos) << log;
        EXPECT_NE(read_file("DIAGNOSE/TOLV7CHK.DAT").find(" Finished: "), std::string::npos);
    }
}

}  // namespace
}  // namespace tolv7::test
