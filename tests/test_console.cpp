// Banner, keyboard answers, messages, the fatal exit and the viewer command.
#include <gtest/gtest.h>

#include <streambuf>

#include "app/console_routines.hpp"
#include "app/program_stop.hpp"
#include "support/test_program.hpp"

namespace tolv7::test {
namespace {

const std::string kHint = " (If entering more than a word, enclose answer in quotes)";

TEST(Banner, TwoLinesOfSixtyFourColumns) {
    EXPECT_EQ(banner_line1(),
              "  TOLV-7                                                Ostrelle");
    EXPECT_EQ(banner_line2(),
              "  April 23, 2020 (4.1.3)                               Vandemere");
    TestProgram tp;
    menuheader(*tp);
    auto lines = tp.screen_lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], " ");
    EXPECT_EQ(lines[1], " " + banner_line1());
    EXPECT_EQ(lines[2], " " + banner_line2());
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "");
}

TEST(Banner, ClearScreenIsFiftyBlankLines) {
    TestProgram tp;
    cls(*tp);
    EXPECT_EQ(tp.screen(), std::string(50, '\n'));
}

TEST(Keyboard, OneCharacterAnswerShowsNoHint) {
    TestProgram tp("y\n");
    EXPECT_EQ(readkb(*tp, 1), "Y");
    EXPECT_EQ(tp.screen(), "");
}

TEST(Keyboard, LongerAnswersShowTheHintAndArePadded) {
    TestProgram tp("q\n");
    EXPECT_EQ(readkb(*tp, 2), "Q ");
    EXPECT_EQ(tp.screen_lines(), std::vector<std::string>{kHint});
}

TEST(Keyboard, UnquotedWordsGiveTheFirstWordQuotedGiveBoth) {
    TestProgram tp("new york\n'new york'\n");
    EXPECT_EQ(readkb(*tp, 12), "NEW         ");
    EXPECT_EQ(readkb(*tp, 12), "NEW YORK    ");
}

TEST(Keyboard, EmptyLinesArePassedOverAndLongAnswersCut) {
    TestProgram tp("\n   \nabcdefgh,x\n");
    EXPECT_EQ(readkb(*tp, 4), "ABCD");
}

TEST(Keyboard, NumbersAreOneFreeFormItem) {
    TestProgram tp("\n  12, 13\n4.5\nx1\n");
    EXPECT_EQ(read_kb_integer(*tp), 12);
    EXPECT_EQ(read_kb_real(*tp), 4.5);
    EXPECT_FALSE(read_kb_integer(*tp));
}

TEST(Keyboard, EndOfInputStopsWithStatusThreeNamingThePrompt) {
    struct Case {
        std::vector<std::string> lines;  // written before the read; "" is a blank line
        int n;
        const char* message;
    };
    const Case cases[] = {
        {{}, 1, "keyboard input ended before any prompt"},
        {{"          Type 1, 2, or 3 and press <ENTER> .", " ", ""}, 1,
         "keyboard input ended at the prompt \"Type 1, 2, or 3 and press <ENTER> .\""},
        // the quoting hint is no prompt: the question before it is named
        {{" Enter the ICAO code"}, 4, "keyboard input ended at the prompt \"Enter the ICAO code\""},
        // a question followed by notes in parentheses is named, not its last note
        {{"WRONG FORMAT: RE-ENTER", "", "       ENTER A DATE FOR FLIGHT(S) <YYYY/MM/DD>",
          "       (USE MM=00 AND DD=00 TO USE YEARLY AVERAGE)", "       (USE DD=00 TO USE MONTHLY AVERAGE)         "},
         10, "keyboard input ended at the prompt \"ENTER A DATE FOR FLIGHT(S) <YYYY/MM/DD>\""},
        {{"       Entry must be 0 to 2400 ", "       ENTER A UT TAKE-OFF TIME FOR FLIGHT(S)?",
          "       (0 for no FORBUSH or GEOMAGNETIC STORMS, or", "       range 1-2400. NOTE: if not 0, calculation  ",
          "       times will be significantly increased).    "},
         4, "keyboard input ended at the prompt \"ENTER A UT TAKE-OFF TIME FOR FLIGHT(S)?\""},
        {{"      What hour (e.g. 14) in UT?", "     (ENTER 0 FOR DAILY AVERAGE)?"}, 2,
         "keyboard input ended at the prompt \"What hour (e.g. 14) in UT?\""},
        {{"      What day (ENTER 0 FOR MONTHLY AVERAGE)?"}, 2,
         "keyboard input ended at the prompt \"What day (ENTER 0 FOR MONTHLY AVERAGE)?\""},
        {{" (ONLY A NOTE)"}, 1, "keyboard input ended at the prompt \"(ONLY A NOTE)\""},
    };
    for (const Case& c : cases) {
        TestProgram tp("\n");
        for (const auto& line : c.lines) {
            if (line.empty()) tp->con.blank_lines(1);
            else tp->con.line(line);
        }
        std::string message;
        EXPECT_EQ(stop_status([&] { readkb(*tp, c.n); }, &message), kExitEndOfInput);
        EXPECT_EQ(message, c.message);
    }
}

TEST(Keyboard, UpperCasingTouchesOnlyLetters) {
    EXPECT_EQ(lc2uc("abz-09 Q{", 9), "ABZ-09 Q{");
    EXPECT_EQ(lc2uc("abc", 2), "AB");
}

TEST(Messages, OopsRightAlignsAndPausesOnlyWhenMenusIsYes) {
    TestProgram tp("x\n");
    tp->set.init.menus = "YES";
    oops(*tp, " NO SUCH AIRPORT");
    auto lines = tp.screen_lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::string(54, ' ') + " NO SUCH AIRPORT");
    EXPECT_EQ(lines[1], " ");
    EXPECT_EQ(lines[2], std::string(12, ' ') + "Press a character then press <ENTER> to continue");
    for (const char* menus : {"FEW", "NO!"}) {
        TestProgram quiet;  // no answers: a pause would stop the test program
        quiet->set.init.menus = menus;
        oops(*quiet, "message");
        EXPECT_EQ(quiet.screen_lines().size(), 1u);
    }
}

TEST(Messages, OopsCopiesToTheCheckLogUnderTheDiagnosticSwitch) {
    TempDir dir;
    TestProgram tp;
    tp.log.open((dir.path() / "log").string());
    oops(*tp, "first");
    tp->set.init.diag = "YES";
    oops(*tp, "second");
    tp.log.flush();
    EXPECT_EQ(read_file(dir.path() / "log"), " second\n");
}

TEST(Messages, EpitathWritesEverywhereAndStopsWithStatusOne) {
    TempDir dir;
    TestProgram tp;
    tp.log.open((dir.path() / "log").string());
    EXPECT_EQ(stop_status([&] { epitath(*tp, " ALTITUDE CONVERSION OUT OF RANGE "); }), kExitFatal);
    tp.log.flush();
    EXPECT_EQ(read_file(dir.path() / "log"), "  ALTITUDE CONVERSION OUT OF RANGE \n");
    auto lines = tp.screen_lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::string(36, ' ') + " ALTITUDE CONVERSION OUT OF RANGE ");
    EXPECT_EQ(lines[1], " ");
    EXPECT_EQ(lines[2], " Fatal error, aborting program!");
}

class Viewer : public ::testing::Test {
protected:
    TempDir dir;
    ScopedCwd cwd{dir.path()};
    TestProgram tp;
};

TEST_F(Viewer, FirstViewerLineIsUsedWithTheQuotedName) {
    write_file("TOLV.INI", "VIEWER    = notepad\nVIEWER    = vi\nEND\n");
    tp->set.init.os = "LINUX";
    showpick(*tp, "HELP.TXT");
    ASSERT_EQ(tp.shell.commands.size(), 1u);
    EXPECT_EQ(tp.shell.commands[0], "notepad      'HELP.TXT'");
}

TEST_F(Viewer, EndBeforeAnyViewerGivesNotepad) {
    write_file("TOLV.INI", "MENUS     = YES\nEND       = X\nVIEWER    = vi\n");
    tp->set.init.os = "WIN  ";
    showpick(*tp, "FLIGHTS.OUT");
    EXPECT_EQ(tp.shell.commands.at(0), "NOTEPAD \"FLIGHTS.OUT\"");
}

TEST_F(Viewer, FileEndingBeforeViewerOrEndGivesNotepad) {
    write_file("TOLV.INI", "MENUS     = YES\nEND\n");
    tp->set.init.os = "LINUX";
    showpick(*tp, "A.OUT");
    EXPECT_EQ(tp.shell.commands.at(0), "NOTEPAD 'A.OUT'");
}

TEST_F(Viewer, QuotedViewerValueMayHoldASlashAndLongNamesAreKept) {
    write_file("TOLV.INI", "VIEWER    = '/bin/less'\nEND\n");
    tp->set.init.os = "LINUX";
    std::string name(90, 'A');
    name += "'s.OUT";
    showpick(*tp, name);
    EXPECT_EQ(tp.shell.commands.at(0), "/bin/less    '" + std::string(90, 'A') + "'\\''s.OUT'");
}

// A name beginning with "-" must not reach the viewer as its options.
TEST_F(Viewer, NameBeginningWithADashGoesAsAPathOnPosixOnly) {
    write_file("TOLV.INI", "VIEWER    = vi\nEND\n");
    tp->set.init.os = "LINUX";
    showpick(*tp, "-x.LOC");
    tp->set.init.os = "WIN  ";
    showpick(*tp, "-x.LOC");
    EXPECT_EQ(tp.shell.commands, (std::vector<std::string>{"vi           './-x.LOC'", "vi           \"-x.LOC\""}));
}

TEST_F(Viewer, HelpClearsTheScreenFirst) {
    write_file("TOLV.INI", "VIEWER    = more\nEND\n");
    tp->set.init.os = "LINUX";
    showhelp(*tp);
    EXPECT_EQ(tp.screen(), std::string(50, '\n'));
    EXPECT_EQ(tp.shell.commands.at(0), "more         'HELP.TXT'");
}

TEST_F(Viewer, WithoutANameTheViewerStartsAlone) {
    write_file("TOLV.INI", "VIEWER    = vi\nEND\n");
    tp->set.init.os = "LINUX";
    showpick(*tp, "");
    write_file("TOLV.INI", "END\n");
    showpick(*tp, "");
    EXPECT_EQ(tp.shell.commands, (std::vector<std::string>{"vi", "NOTEPAD"}));
}

TEST_F(Viewer, MissingConfigurationStops) {
    EXPECT_EQ(stop_status([&] { showpick(*tp, "X"); }), kExitFileError);
}

// Keyboard answers, one line at a time, that note what the check log file
// holds each time the console asks for more.
class LogWatchingKeyboard : public std::streambuf {
public:
    LogWatchingKeyboard(std::string answers, fs::path log) : answers_(std::move(answers)), log_(std::move(log)) {}
    std::vector<std::string> seen;

protected:
    int_type underflow() override {
        seen.push_back(fs::exists(log_) ? read_file(log_) : "");
        if (next_ >= answers_.size()) return traits_type::eof();
        std::size_t end = std::min(answers_.find('\n', next_), answers_.size() - 1) + 1;
        setg(answers_.data() + next_, answers_.data() + next_, answers_.data() + end);
        next_ = end;
        return traits_type::to_int_type(*gptr());
    }

private:
    std::string answers_;
    fs::path log_;
    std::size_t next_ = 0;
};

// The check log is on disk whenever the program waits: at a keyboard read,
// a pause, the viewer and a listing command; lines written before the log
// opened come first.
TEST(WaitingForTheUser, EveryCheckLogLineIsOnDiskBeforeTheProgramWaits) {
    TempDir dir;
    ScopedCwd cwd(dir.path());
    write_file("TOLV.INI", "VIEWER    = vi\nEND\n");
    fs::create_directories("DIAGNOSE");
    LogWatchingKeyboard keyboard("1\nx\n", "DIAGNOSE/TOLV7CHK.DAT");
    std::istream in(&keyboard);
    std::ostringstream out;
    Console console(in, out);
    RecordingShell shell;
    std::vector<std::string> at_commands;
    shell.handler = [&](const std::string&) { at_commands.push_back(read_file("DIAGNOSE/TOLV7CHK.DAT")); };
    CheckLog log;
    Program p(console, shell, log);
    p.set.init.menus = "YES";
    p.set.init.os = "LINUX";
    const AppContext a = p;

    log.line(" READ BEFORE THE LOG OPENED");
    log.open("DIAGNOSE/TOLV7CHK.DAT");
    log.line(" ASKED");
    readkb(a, 1);
    log.line(" PAUSED");
    oops(a, "message");
    log.line(" SHOWN");
    showpick(a, "A.OUT");
    log.line(" LISTED");
    a.shell.run("ls -1d -- *.BIG > FILELIST.TXT");
    log.line(" AT THE END");
    EXPECT_EQ(stop_status([&] { readkb(a, 1); }), kExitEndOfInput);

    const std::string asked = " READ BEFORE THE LOG OPENED\n ASKED\n";
    const std::string paused = asked + " PAUSED\n";
    EXPECT_EQ(keyboard.seen, (std::vector<std::string>{asked, paused, paused + " SHOWN\n LISTED\n AT THE END\n"}));
    EXPECT_EQ(at_commands, (std::vector<std::string>{paused + " SHOWN\n", paused + " SHOWN\n LISTED\n"}));
    EXPECT_EQ(shell.commands, (std::vector<std::string>{"vi           'A.OUT'", "ls -1d -- *.BIG > FILELIST.TXT"}));
}

}  // namespace
}  // namespace tolv7::test
