// The built program in a real terminal: a walk through the menus typed
// into a tmux session, the viewer a recorder script found on PATH.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#endif

#include "app/program_stop.hpp"
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
    write_file("TYPO.LOC", "START-\nN,51.5,W,0.5,F,35,000,2019/06/15,H12,P00,D2\nSTOP--\n");
    TmuxSession term(wd.path(), program_with_viewer_recorder(wd.path(), kRecorder));
    ASSERT_TRUE(term.wait_for("MAIN MENU")) << term.capture();
    ASSERT_TRUE(term.answer("4", "LOCATION MENU"));
    // One place: yearly average of 2019, 45.5 N 10.5 E at 200 g/cm2, all
    // particles, effective dose; then the pause.
    for (const char* answer : {"1", "2019", "0", "N", "45.5", "E", "10.5", "G", "200", "0", "2"}) term.send_line(answer);
    ASSERT_TRUE(term.wait_for("MICROSIEVERTS/HOUR")) << term.capture();
    ASSERT_TRUE(term.answer("x", "MAIN MENU", 2));
    // A list with a line that is left out: its summary, then the pause.
    ASSERT_TRUE(term.answer("4", "LOCATION MENU", 2));
    ASSERT_TRUE(term.answer("2", "Enter a file number"));
    ASSERT_TRUE(term.answer("1", "1 of 1 place line skipped in TYPO.LOC: line 2"));
    ASSERT_TRUE(term.wait_for("Press a character then press <ENTER> to continue", 2)) << term.capture();
    ASSERT_TRUE(term.answer("x", "MAIN MENU", 3));
    ASSERT_TRUE(term.answer("6", "OUTPUT MENU"));
    ASSERT_TRUE(term.answer("1", "MAIN MENU", 4));
    ASSERT_TRUE(term.answer("5", "SOLAR DATA MENU"));
    ASSERT_TRUE(term.answer("1", "HELIOCENTRIC POTENTIAL MENU"));
    ASSERT_TRUE(term.answer("1", "VIEW HELIOCENTRIC POTENTIALS"));
    // MENUS is FEW now: no pause after the result.
    ASSERT_TRUE(term.answer("2019/06/00", "HELIOCENTRIC POTENTIAL MENU", 2));
    ASSERT_TRUE(term.answer("4", "MAIN MENU", 5));
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

#ifndef _WIN32
// The program started in a terminal through a shell that first writes its
// process id to tolv7.pid, then becomes the program.
class InterruptibleSession {
public:
    InterruptibleSession(const fs::path& dir, const std::string& command)
        : dir_(dir), term(dir, "sh -c " + sh_quote("echo $$ > tolv7.pid; exec env " + command)) {}
    int pid() const { return std::stoi(read_file(dir_ / "tolv7.pid")); }
    // The files the program holds open: the targets of its /proc/PID/fd links.
    std::string open_files() const {
        std::string names;
        std::error_code ec;
        for (const auto& fd : fs::directory_iterator("/proc/" + std::to_string(pid()) + "/fd", ec))
            names += fs::read_symlink(fd.path(), ec).string() + "\n";
        return names;
    }
    // Ctrl-C as the terminal sends it to the program; the status the shell
    // then reports.
    std::optional<int> interrupt() {
        ::kill(pid(), SIGINT);
        return term.wait_for_exit();
    }

private:
    fs::path dir_;

public:
    TmuxSession term;
};

constexpr int kInterrupted = 128 + SIGINT;  // a shell's status for a program that SIGINT ended

// The check log on disk holds exactly `expected`; a failure names the line
// count and the last lines of both.
::testing::AssertionResult check_log_is(const std::string& expected) {
    std::string log = read_file("DIAGNOSE/TOLV7CHK.DAT");
    if (log == expected) return ::testing::AssertionSuccess();
    auto tail = [](const std::string& text) { return text.substr(text.size() > 300 ? text.size() - 300 : 0); };
    return ::testing::AssertionFailure() << "the check log has " << split_lines(log).size() << " lines, expected "
                                         << split_lines(expected).size() << "; it ends\n" << tail(log)
                                         << "\ninstead of\n" << tail(expected);
}

TEST(MenusInATerminal, AnInterruptWhileTheProgramWaitsLosesNoCheckLogLine) {
    if (!TmuxSession::available()) GTEST_SKIP() << "tmux is not installed";
    TreeWorkdir wd;
    const std::string program = program_with_viewer_recorder(wd.path(), "");
    // The log of a session that ends at the main menu with its exit item.
    ASSERT_EQ(run_executable(wd.path(), "7\n"), kExitNormal);
    const std::string at_main_menu = read_file("DIAGNOSE/TOLV7CHK.DAT");
    ASSERT_NE(at_main_menu.find(" Finished HP read\n"), std::string::npos);
    {
        InterruptibleSession s(wd.path(), program);
        ASSERT_TRUE(s.term.wait_for("MAIN MENU")) << s.term.capture();
        EXPECT_EQ(s.interrupt(), kInterrupted);
        EXPECT_TRUE(check_log_is(at_main_menu));
    }
    {
        InterruptibleSession s(wd.path(), program);
        ASSERT_TRUE(s.term.wait_for("MAIN MENU")) << s.term.capture();
        ASSERT_TRUE(s.term.answer("4", "LOCATION MENU"));
        ASSERT_TRUE(s.term.answer("1", "What year?"));
        EXPECT_EQ(s.interrupt(), kInterrupted);
        EXPECT_TRUE(check_log_is(at_main_menu + " CALLING ONESPOT\n"));
    }
}

// The potential files are open only while they are read: neither at the
// menus, nor while the viewer shows one of them, nor after a look-up.
TEST(MenusInATerminal, ThePotentialFilesAreHeldOpenOnlyWhileRead) {
    if (!TmuxSession::available()) GTEST_SKIP() << "tmux is not installed";
    TreeWorkdir wd;
    // The viewer notes the files the program holds while it waits.
    InterruptibleSession s(wd.path(),
                           program_with_viewer_recorder(wd.path(), "ls -l /proc/$(cat tolv7.pid)/fd >> HELD.LOG\n"));
    ASSERT_TRUE(s.term.wait_for("MAIN MENU")) << s.term.capture();
    std::string held = s.open_files();
    EXPECT_NE(held.find("AIRPORTS.DAT"), std::string::npos) << held;  // held open for the whole run
    for (const char* item : {"2", "3"}) {
        ASSERT_TRUE(s.term.answer("5", "SOLAR DATA MENU", item[0] == '2' ? 1 : 2));
        ASSERT_TRUE(s.term.answer("1", "HELIOCENTRIC POTENTIAL MENU", item[0] == '2' ? 1 : 2));
        ASSERT_TRUE(s.term.answer(item, "MAIN MENU", item[0] == '2' ? 2 : 3));
    }
    ASSERT_TRUE(s.term.answer("5", "SOLAR DATA MENU", 3));
    ASSERT_TRUE(s.term.answer("1", "HELIOCENTRIC POTENTIAL MENU", 3));
    ASSERT_TRUE(s.term.answer("1", "VIEW HELIOCENTRIC POTENTIALS"));
    // A year no table holds: the look-up warns in the check log.
    ASSERT_TRUE(s.term.answer("2150/06/00", "Press a character then press <ENTER> to continue"));
    std::string after_lookup = s.open_files();
    EXPECT_NE(after_lookup.find("AIRPORTS.DAT"), std::string::npos) << after_lookup;
    EXPECT_EQ(s.interrupt(), kInterrupted);

    std::string while_shown = read_file("HELD.LOG");
    EXPECT_EQ(occurrences(while_shown, "AIRPORTS.DAT"), 2) << while_shown;
    EXPECT_EQ(read_file("VIEWER.LOG"), "SOLARMOD/MV-DATES.L99\nSOLARMOD/MORDATES.2K\n");
    for (const std::string& files : {held, while_shown, after_lookup}) {
        EXPECT_EQ(files.find("MV-DATES.L99"), std::string::npos) << files;
        EXPECT_EQ(files.find("MORDATES.2K"), std::string::npos) << files;
    }
    auto log = read_lines("DIAGNOSE/TOLV7CHK.DAT");
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2].substr(0, 37), " WARNING: No data potential found for");
    EXPECT_EQ(log.back().substr(0, 42), " Using most recent heliocentric potential:");
}
#endif

}  // namespace
}  // namespace tolv7::test
