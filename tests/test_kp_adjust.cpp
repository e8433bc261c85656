// Storm adjustment of the vertical cutoff by the Kp file.
#include <gtest/gtest.h>

#include "app/calendar.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "engine/findcut.hpp"
#include "engine/kp_adjust.hpp"
#include "support/data_tree_fixture.hpp"
#include "support/decimal_year.hpp"

namespace tolv7 {
namespace {

namespace fs = std::filesystem;

using test::stop_status;

// A working folder with a DIAGNOSE folder and, when given, a Kp file.
class KpFolder {
public:
    explicit KpFolder(const std::string& kp_file = "") : cwd_(dir_.path()) {
        fs::create_directories(dir_.path() / "DIAGNOSE");
        if (!kp_file.empty()) write(kp_file);
        tp->set.init.os = "LINUX";
    }
    void write(const std::string& kp_file) { test::write_file(dir_.path() / "KP_INDEX/KP_INDEX.TXT", kp_file); }
    std::vector<std::string> log() { return test::read_lines(dir_.path() / "DIAGNOSE/DIAGNOSE.SKY"); }
    Program& p() { return *tp; }
    test::TestProgram tp;

private:
    test::TempDir dir_;
    test::ScopedCwd cwd_;
};

const std::string kHeading = "HEADING OF THE KP FILE\n";

// The date of a calendar day and hour, as the runs form it.
constexpr auto at = test::decimal_year;

TEST(KpStormCutoff, LowersTheCutoffFromKp5On) {
    EXPECT_EQ(storm_cutoff(10.0, 4), 10.0);
    EXPECT_EQ(storm_cutoff(10.0, 5), 5.491413885974921);
    EXPECT_EQ(storm_cutoff(10.0, 9), 5.491413885974921);
    EXPECT_NEAR(storm_cutoff(0.0, 5), 0.23, 1e-7);
    // Unchanged near 0.554 GV, raised below, lowered above.
    EXPECT_NEAR(storm_cutoff(0.554, 5), 0.554, 1e-3);
    EXPECT_GT(storm_cutoff(0.3, 5), 0.3);
    EXPECT_LT(storm_cutoff(1.0, 5), 1.0);
}

TEST(KpAverages, AnAverageDateSkipsTheFileAltogether) {
    for (int which = 0; which < 3; ++which) {
        KpFolder f;  // no Kp file at all
        f.p().engine.useaves[static_cast<std::size_t>(which)] = -1;
        EXPECT_EQ(anid(f.p(), 12.5, at(2019, 3, 4, 5)), 12.5);
        EXPECT_EQ(getkp(f.p(), at(2019, 3, 4, 5)), 0);
        EXPECT_EQ(f.log(), std::vector<std::string>(2, " SKIPPED KP BASED ADJUSTMENT, TIME SCALE TOO LONG"));
    }
}

TEST(KpAverages, OnlyTheLowestBitOfASwitchCounts) {
    KpFolder f;
    f.p().engine.useaves = {2, 4, -2};
    std::string what;
    EXPECT_EQ(stop_status([&] { anid(f.p(), 12.5, at(2019, 3, 4, 5)); }, &what), kExitFileError);
    EXPECT_NE(what.find("KP_INDEX/KP_INDEX.TXT"), std::string::npos);
}

TEST(KpLookup, FoundLineHasItsColumnsAndTheIntervalsDigitCounts) {
    KpFolder f(kHeading + "20031029+5+6-7 8 9-8+7 6 rest of the line, not used   \n" +
               "20031030 1+2-3 4 5-6+7 8 rest of the line, not used   \n");
    double date = at(2003, 10, 30, 19);
    EXPECT_EQ(anid(f.p(), 10.0, date), 5.491413885974921);
    EXPECT_EQ(getkp(f.p(), at(2003, 10, 30, 0)), 1);
    EXPECT_EQ(getkp(f.p(), at(2003, 10, 30, 14)), 5);
    auto log = f.log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0], "Found Kp= 7 for 2003 10 30 at 19 h");
    EXPECT_EQ(log[1], "Found Kp= 1 for 2003 10 30 at  0 h");
    EXPECT_EQ(anid(f.p(), 10.0, at(2003, 10, 30, 11)), 10.0);  // Kp 4
}

TEST(KpLookup, DateSplitGivesMonthDayAndHourAndCarriesHour24) {
    KpFolder f(kHeading + "2001 2 9 1 1 1 1 1 1 5 1\n" + "2001 210 6 0 0 0 0 0 0 0\n");
    // 40.75 days into a common year: 9 February, 18 h, interval 7.
    EXPECT_EQ(getkp(f.p(), 2001 + 40.75 / 365), 5);
    // 40.99 days: the hour rounds to 24, which is 0 h of 10 February.
    EXPECT_EQ(getkp(f.p(), 2001 + 40.99 / 365), 6);
    EXPECT_EQ(f.log(), (std::vector<std::string>{"Found Kp= 5 for 2001  2  9 at 18 h",
                                                 "Found Kp= 6 for 2001  2 10 at  0 h"}));
}

TEST(KpLookup, TheFirstLineOfADayCounts) {
    KpFolder f(kHeading + "2019 7 1 0 0 0 0 6 0 0 0\n" + "2019 7 1 0 0 0 0 2 0 0 0\n");
    EXPECT_EQ(getkp(f.p(), at(2019, 7, 1, 13)), 6);
}

TEST(KpLookup, AMissingDateMeansQuietConditions) {
    KpFolder f(kHeading + "2019 630 9 9 9 9 9 9 9 9\n");
    EXPECT_EQ(anid(f.p(), 10.0, 2019.5), 10.0);
    auto log = f.log();
    std::vector<std::string> expected{ListLine() << "Digiyear" << 2019.5,
                                      ListLine() << "Year:" << 2019,
                                      ListLine() << "Month:" << 7,
                                      ListLine() << "Day:" << 1,
                                      ListLine() << "Hour:" << 12,
                                      " Kp index not found in database for this date",
                                      " Using standard, quiet conditions (Kp=0-4)   "};
    EXPECT_EQ(log, expected);
}

TEST(KpFile, MissingOrEmptyFileStopsTheProgram) {
    KpFolder missing;
    std::string what;
    EXPECT_EQ(stop_status([&] { getkp(missing.p(), 2019.5); }, &what), kExitFileError);
    EXPECT_NE(what.find("KP_INDEX/KP_INDEX.TXT"), std::string::npos);
    KpFolder empty;
    empty.write("");
    EXPECT_EQ(stop_status([&] { getkp(empty.p(), 2019.5); }), kExitFileError);
}

TEST(KpFile, AnUnreadableLineStopsOnlyALookupThatReachesIt) {
    KpFolder f(kHeading + "2019 7 1 0 0 0 0 6 0 0 0\n" + "2019 7 2 0 0 x 0 6 0 0 0\n" + "2019 7 3 7 7 7 7 7 7 7 7\n");
    EXPECT_EQ(getkp(f.p(), at(2019, 7, 1, 13)), 6);
    std::string what;
    EXPECT_EQ(stop_status([&] { getkp(f.p(), at(2019, 7, 3, 13)); }, &what), kExitFileError);
    EXPECT_EQ(what, "KP_INDEX/KP_INDEX.TXT: line 3 \"2019 7 2 0 0 x 0 6 0 0 0\" cannot be read as a Kp day");
    EXPECT_EQ(stop_status([&] { getkp(f.p(), at(2019, 7, 2, 13)); }), kExitFileError);
}

TEST(KpFile, AnEditIsSeenAtTheNextLookup) {
    for (bool caching : {true, false}) {
        KpFolder f(kHeading + "2019 7 1 0 0 0 0 6 0 0 0\n");
        f.p().engine.caching = caching;
        EXPECT_EQ(getkp(f.p(), at(2019, 7, 1, 13)), 6);
        EXPECT_EQ(getkp(f.p(), at(2019, 7, 1, 13)), 6);
        f.write(kHeading + "2019 7 1 0 0 0 0 3 0 0 0 edited\n");
        EXPECT_EQ(getkp(f.p(), at(2019, 7, 1, 13)), 3) << caching;
        fs::remove("KP_INDEX/KP_INDEX.TXT");
        EXPECT_EQ(stop_status([&] { getkp(f.p(), at(2019, 7, 1, 13)); }), kExitFileError);
    }
}

TEST(KpFile, KeepsItsForwardSlashUnderAWindowsSetting) {
    KpFolder f(kHeading + "2019 7 1 0 0 0 0 6 0 0 0\n");
    f.p().set.init.os = "WIN  ";
    EXPECT_EQ(getkp(f.p(), at(2019, 7, 1, 13)), 6);
    // The cutoff log follows the OS setting.
    EXPECT_EQ(test::read_lines("DIAGNOSE\\DIAGNOSE.SKY").at(0), "Found Kp= 6 for 2019  7  1 at 13 h");
}

TEST(KpTree, TheStormDayLowersTheCutoffAndOtherDaysAreQuiet) {
    test::TreeWorkdir wd;
    test::TestProgram tp;
    tp->set.init.os = "LINUX";
    double vcut = 0.0, c = 0.0, s = 0.0, w = 0.0;
    findcut(*tp, 1, 1, at(2018, 8, 26, 16), 0.0, 10.0, 11.0, vcut, {&c, 1}, {&s, 1}, {&w, 1});
    double storm = vcut;
    findcut(*tp, 1, 1, at(2018, 8, 27, 16), 0.0, 10.0, 11.0, vcut, {&c, 1}, {&s, 1}, {&w, 1});
    EXPECT_NEAR(storm, storm_cutoff(vcut, 8), 1e-3);  // a day later: quiet, grids nearly the same
    EXPECT_LT(storm, 0.6 * vcut);
    for (int month = 1; month <= 12; ++month) EXPECT_LE(getkp(*tp, at(2019, month, 15, 12)), 3);
    auto log = test::read_lines(wd.path() / "DIAGNOSE/DIAGNOSE.SKY");
    EXPECT_EQ(log.at(0), "Found Kp= 8 for 2018  8 26 at 16 h");
}

}  // namespace
}  // namespace tolv7
