// The built program in a real terminal: a walk through the menus typed
// into a tmux session, the viewer a recorder script found on PATH.
#include <gtest/gtest.h>

#include "support/data_tree_fixture.hpp"
#include "support/tmux_session.hpp"
#include "support/viewer_recorder.hpp"

namespace tolv7::test {
namespace {

// Given TOLV.INI, the recorder turns MENUS to FEW as an editor would.
const char kRecorder[] =
    "if [ \"$1\" = TOLV.INI ]; then\n"
    "  sed 's/^MENUS .*/MENUS     = FEW/' TOLV.INI > TOLV.NEW && mv TOLV.NEW TOLV.INI\n"
    "fi\n";

TEST(MenusInATerminal, AWalkThroughTheMenus) {
    if (!TmuxSession::available()) GTEST_SKIP() << "tmux is not installed";
    TreeWorkdir wd;
    TmuxSession term(wd.path(), program_with_viewer_recorder(wd.path(), kRecorder));
    ASSERT_TRUE(term.wait_for("MAIN MENU")) << term.capture();
    ASSERT_TRUE(term.answer("4", "LOCATION MENU"));
    // One place: yearly average of 2019, 45.5 N 10.5 E at 200 g/cm2, all
    // particles, effective dose; then the pause.
    for (const char* answer : {"1", "2019", "0", "N", "45.5", "E", "10.5", "G", "200", "0", "2"}) term.send_line(answer);
    ASSERT_TRUE(term.wait_for("MICROSIEVERTS/HOUR")) << term.capture();
    ASSERT_TRUE(term.answer("x", "MAIN MENU", 2));
    ASSERT_TRUE(term.answer("6", "OUTPUT MENU"));
    ASSERT_TRUE(term.answer("1", "MAIN MENU", 3));
    ASSERT_TRUE(term.answer("5", "SOLAR DATA MENU"));
    ASSERT_TRUE(term.answer("1", "HELIOCENTRIC POTENTIAL MENU"));
    ASSERT_TRUE(term.answer("1", "VIEW HELIOCENTRIC POTENTIALS"));
    // MENUS is FEW now: no pause after the result.
    ASSERT_TRUE(term.answer("2019/06/00", "HELIOCENTRIC POTENTIAL MENU", 2));
    ASSERT_TRUE(term.answer("4", "MAIN MENU", 4));
    term.send_line("7");
    EXPECT_EQ(term.wait_for_exit(), 0) << term.capture();

    std::string screen = term.capture();
    EXPECT_NE(screen.find("For YEAR:        2019 MONTH:           6 and DAY:           0"), std::string::npos);
    EXPECT_NE(screen.find("Heliocentric potential was:"), std::string::npos);
    EXPECT_EQ(screen.find("Press a character then press <ENTER> to continue", screen.find("For YEAR:")),
              std::string::npos);
    EXPECT_EQ(read_file("VIEWER.LOG"), "TOLV.INI\n") << screen;
    EXPECT_NE(read_file("TOLV.INI").find("MENUS     = FEW\n"), std::string::npos);
}

}  // namespace
}  // namespace tolv7::test
