// The built program in a real terminal: an airport added through the entry
// form with a three-letter code, then found by its report, typed into a tmux
// session with the viewer a recorder script found on PATH.
#include <gtest/gtest.h>

#include "support/data_tree_fixture.hpp"
#include "support/tmux_session.hpp"
#include "support/viewer_recorder.hpp"

namespace tolv7::test {
namespace {

// Given the code file, the recorder adds a line as a user would.
const char kRecorder[] =
    "if [ \"$1\" = AIRPORTS/CODES ]; then printf 'ZQX,ZQXA\\n' >> AIRPORTS/CODES; fi\n";

TEST(AirportMenuInATerminal, AddedAirportIsReportedWithItsCode) {
    if (!TmuxSession::available()) GTEST_SKIP() << "tmux is not installed";
    TreeWorkdir wd;
    const std::string earlier_users = read_file("AIRPORTS/NEWPORTS.DAT");

    TmuxSession term(wd.path(), program_with_viewer_recorder(wd.path(), kRecorder));
    ASSERT_TRUE(term.wait_for("MAIN MENU")) << term.capture();
    ASSERT_TRUE(term.answer("3", "AIRPORT MENU"));
    ASSERT_TRUE(term.answer("4", "AIRPORT ENTRY FORM"));
    ASSERT_TRUE(term.answer("\"QUEXLEY FIELD\"", "<2>  City name"));
    ASSERT_TRUE(term.answer("QUEXLEY", "<3>  ICAO code"));
    ASSERT_TRUE(term.answer("ZQXA", "<4>  Add a 3 letter code?"));
    ASSERT_TRUE(term.answer("Y", "<6a>  NORTH OR SOUTH"));  // the code file in the viewer, no pause
    for (const char* answer : {"N", "45", "30", "0", "W", "100", "15", "30"}) term.send_line(answer);
    ASSERT_TRUE(term.answer("1500", "IS THIS INFORMATION CORRECT <Y/N>?"));
    ASSERT_TRUE(term.answer("Y", "MAIN MENU", 2));
    ASSERT_TRUE(term.answer("3", "AIRPORT MENU", 2));
    ASSERT_TRUE(term.answer("3", "Please enter an ICAO code"));
    ASSERT_TRUE(term.answer("ZQXA", "Press a character then press <ENTER> to continue"));
    ASSERT_TRUE(term.answer("x", "AIRPORT MENU", 3));
    term.send_line("7");
    EXPECT_EQ(term.wait_for_exit(), 0) << term.capture();

    std::string screen = term.capture();
    EXPECT_NE(screen.find(" CITY NAME: QUEXLEY"), std::string::npos) << screen;
    EXPECT_NE(screen.find("45 DEGS 30 MINS 00 SECS NORTH LAT"), std::string::npos) << screen;
    EXPECT_EQ(read_file("VIEWER.LOG"), "AIRPORTS/CODES\nAIRPORTS/PORTINFO.TXT\n") << screen;
    // The new record first, the earlier ones after it.
    std::string users = read_file("AIRPORTS/NEWPORTS.DAT");
    EXPECT_EQ(users.substr(0, 90),
              "QUEXLEY FIELD                 ZQXA  QUEXLEY                       45300000100153000015000\n");
    EXPECT_EQ(users.substr(90), earlier_users);
    auto report = read_lines("AIRPORTS/PORTINFO.TXT");
    ASSERT_EQ(report.size(), 6u);
    EXPECT_EQ(report[0], "          ICAO CODE: ZQXA                  OTHER CODE: ZQX");
    EXPECT_EQ(report[3], "          LATITUDE: 45 DEGS 30 MINS  0 SECS N");
    EXPECT_EQ(report[4], "          LONGITUDE: 100 DEGS 15 MINS 30 SECS W");
    EXPECT_EQ(report[5], "          ALTITUDE:  1500.0 FEET");
}

}  // namespace
}  // namespace tolv7::test
