// The input-file picker: listing commands, pages of 16, answers.
#include <gtest/gtest.h>

#include <functional>

#include "app/file_picker.hpp"
#include "app/program_stop.hpp"
#include "app/shell.hpp"
#include "runs/flight_files.hpp"
#include "support/test_program.hpp"

namespace tolv7 {
namespace {

std::vector<std::string> numbered(int count, const std::string& stem = "FLIGHT") {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i) names.push_back(stem + std::to_string(i) + ".LOC");
    return names;
}

// A working folder and a program whose shell "lists" the given names.
struct Picker {
    explicit Picker(const std::string& answers, const std::string& os = "LINUX") : tp(answers) {
        tp->set.init.os = os;
        tp.shell.handler = [this](const std::string&) { test::write_listing(listing); };
    }
    int count(const std::string& text) const { return test::occurrences(tp.screen(), text); }
    test::TempDir dir;
    test::ScopedCwd cwd{dir.path()};
    test::TestProgram tp;
    std::vector<std::string> listing;
};

const char kShortPrompt[] = "\n     Enter a file number or quit <Q,q>: \n";
const char kFirstPrompt[] = "\n     Enter a file number, next page <N,n>, or quit <Q,q>: \n";
const char kLastPrompt[] = "\n     Enter a file number, preivous page <P,p>, or quit <Q,q>: \n";
const char kMiddlePrompt[] = "\n     Enter a file number, next page <N,n>, preivous page <P,p>, or quit <Q,q>: \n";

TEST(FilePicker, SixteenNamesMakeOnePage) {
    Picker pk("0\n17\nxy\n16\n");
    pk.listing = numbered(16);
    PickOutcome out = pick_infile(*pk.tp, "LOC");
    EXPECT_EQ(out.result, PickResult::Picked);
    EXPECT_EQ(out.name, "FLIGHT16.LOC");
    EXPECT_EQ(pk.tp.shell.commands, std::vector<std::string>{"ls -1d -- *.LOC > FILELIST.TXT"});
    EXPECT_EQ(pk.count(kShortPrompt), 4);
    EXPECT_EQ(pk.count(" PAGE            1 OF            1\n \n     Showing available files 16 at a time.\n \n"), 4);
    EXPECT_EQ(pk.count("          <16> FLIGHT16.LOC" + std::string(48, ' ') + "\n \n"), 4);
}

TEST(FilePicker, SeventeenNamesMakeTwoPagesAndPagingStaysInside) {
    Picker pk("p\nn\nN\n1\n17\n", "WIN");
    pk.listing = numbered(17);
    PickOutcome out = pick_infile(*pk.tp, "DEG");
    EXPECT_EQ(out.name, "FLIGHT17.LOC");
    EXPECT_EQ(pk.tp.shell.commands, std::vector<std::string>{"DIR /B *.DEG > FILELIST.TXT"});
    EXPECT_EQ(pk.count(kFirstPrompt), 2);
    EXPECT_EQ(pk.count(kLastPrompt), 3);
    EXPECT_EQ(pk.count(" PAGE            2 OF            2\n"), 3);
}

TEST(FilePicker, MiddlePagesOfferBothWaysAndQuitGoesToTheMainMenu) {
    Picker pk("n\nn\np\nq\n");
    pk.listing = numbered(33);
    EXPECT_EQ(pick_infile(*pk.tp, "BIG").result, PickResult::MainMenu);
    EXPECT_EQ(pk.tp.shell.commands, std::vector<std::string>{"ls -1d -- *.BIG > FILELIST.TXT"});
    EXPECT_EQ(pk.count(kMiddlePrompt), 2);
    EXPECT_EQ(pk.count(" PAGE            3 OF            3\n"), 1);

    Picker two("n\n");
    two.listing = numbered(32);
    EXPECT_THROW(pick_infile(*two.tp, "BIG"), std::exception);  // the keyboard input ends
    EXPECT_EQ(two.count(" PAGE            2 OF            2\n"), 1);
}

TEST(FilePicker, NoFilesAndNoStaleEntries) {
    Picker pk("n\n18\n18\n2\n");
    pk.listing = {};
    PickOutcome none = pick_infile(*pk.tp, "LOC");
    EXPECT_EQ(none.result, PickResult::NoFiles);
    EXPECT_TRUE(none.name.empty());
    EXPECT_NE(pk.tp.screen().find("           No such files exist in this directory!"), std::string::npos);

    pk.listing = numbered(20, "OLD");
    EXPECT_EQ(pick_infile(*pk.tp, "LOC").name, "OLD18.LOC");
    pk.listing = numbered(3, "NEW");
    EXPECT_EQ(pick_infile(*pk.tp, "LOC").name, "NEW2.LOC");
}

TEST(FilePicker, NamesComeBackWholeAndManyAreCapped) {
    std::string long_name = std::string(70, 'L') + ".LOC";
    Picker pk("1\n2\n");
    pk.listing = {"", long_name, "  my flight.LOC  "};
    EXPECT_EQ(pick_infile(*pk.tp, "LOC").name, long_name);
    EXPECT_EQ(pick_infile(*pk.tp, "LOC").name, "my flight.LOC");
    EXPECT_NE(pk.tp.screen().find("          < 1> " + std::string(60, 'L') + "\n"), std::string::npos);

    Picker many("n\nn\nn\nn\nn\nn\nq\n");
    many.listing = numbered(805);
    pick_infile(*many.tp, "LOC");
    EXPECT_EQ(many.count(" PAGE            7 OF           50\n"), 1);
    EXPECT_EQ(many.count("          <**> FLIGHT100.LOC"), 1);  // only 1 to 99 can be typed
    EXPECT_EQ(read_filelist(1000).size(), 805u);
    EXPECT_EQ(read_filelist(800).back(), "FLIGHT800.LOC");
}

TEST(FileList, OneListingCommandForEveryPatternAndSystem) {
    struct Case {
        const char* os;
        const char* pattern;
        const char* command;
    };
    for (const Case& c : {Case{"LINUX", "*.BIG", "ls -1d -- *.BIG > FILELIST.TXT"},
                          Case{"LINUX", "-n.BIG", "ls -1d -- -n.BIG > FILELIST.TXT"},
                          Case{"WIN  ", "*.OUT", "DIR /B *.OUT > FILELIST.TXT"},
                          Case{"DOS", "-n.BIG", "DIR /B -n.BIG > FILELIST.TXT"}}) {
        Picker pk("", c.os);
        list_into_filelist(*pk.tp, c.pattern);
        EXPECT_EQ(pk.tp.shell.commands, std::vector<std::string>{c.command}) << c.os << " " << c.pattern;
    }
}

#ifndef _WIN32
// With the shell's own listing, a name beginning with "-" is offered beside
// the others (ls once took it for options and listed nothing).
TEST(FilePicker, NameBeginningWithADashIsOffered) {
    Picker pk("2\n");
    pk.tp.shell.handler = [](const std::string& command) { SystemShell().run("LC_ALL=C " + command); };
    test::write_file("-n.BIG", "");
    test::write_file("FLIGHTS.BIG", "");
    PickOutcome out = pick_infile(*pk.tp, "BIG");
    EXPECT_EQ(out.result, PickResult::Picked);
    EXPECT_EQ(out.name, "FLIGHTS.BIG");
    EXPECT_EQ(pk.count("          < 1> -n.BIG" + std::string(54, ' ') + "\n"), 1);
    EXPECT_EQ(pk.tp.shell.commands, std::vector<std::string>{"ls -1d -- *.BIG > FILELIST.TXT"});
}
#endif

TEST(FileList, TypeMustBeSafeForTheShell) {
    Picker pk("");
    EXPECT_TRUE(make_filelist(*pk.tp, "TXT"));
    EXPECT_FALSE(make_filelist(*pk.tp, "A;B"));
    EXPECT_EQ(pk.tp.shell.commands, std::vector<std::string>{"ls -1d -- *.TXT > FILELIST.TXT"});
    EXPECT_NE(pk.tp.screen().find("           FILE NAME MAY HOLD ONLY LETTERS, DIGITS AND ._-*"), std::string::npos);
}

TEST(FileList, OldListIsRemovedBeforeEachListing) {
    Picker pk("");
    test::write_file("FILELIST.TXT", "STALE.TXT\n");
    pk.tp.shell.handler = nullptr;  // the listing command writes nothing
    std::string message;
    EXPECT_EQ(test::stop_status([&] { make_filelist(*pk.tp, "TXT"); }, &message), kExitFileError);
    EXPECT_NE(message.find("FILELIST.TXT"), std::string::npos) << message;
    EXPECT_FALSE(test::fs::exists("FILELIST.TXT"));

    // A list that cannot be removed is never read as the new one.
    test::fs::create_directories("FILELIST.TXT/inside");
    EXPECT_EQ(test::stop_status([&] { make_filelist(*pk.tp, "TXT"); }, &message), kExitFileError);
    EXPECT_NE(message.find("FILELIST.TXT"), std::string::npos) << message;
    EXPECT_EQ(pk.tp.shell.commands.size(), 1u);
}

#ifndef _WIN32
// A listing into a full disk (the list a link to /dev/full, as the shell's
// redirection leaves it when nothing fits) is no listing of no files: every
// caller stops naming the list and the cause.
TEST(FileList, ListThatCannotBeWrittenStopsEveryCaller) {
    const std::pair<const char*, std::function<void(Program&)>> callers[] = {
        {"make_filelist", [](Program& p) { make_filelist(p, "TXT"); }},
        {"pick_infile", [](Program& p) { pick_infile(p, "LOC"); }},
        {"pick_flt_files", [](Program& p) { pick_flt_files(p, "*.BIG"); }},
    };
    for (const auto& caller : callers) {
        SCOPED_TRACE(caller.first);
        const auto& call = caller.second;
        Picker pk("");
        pk.tp.shell.handler = [](const std::string&) { test::fs::create_symlink("/dev/full", "FILELIST.TXT"); };
        std::string message;
        EXPECT_EQ(test::stop_status([&] { call(*pk.tp); }, &message), kExitFileError);
        EXPECT_EQ(message, "FILELIST.TXT: could not be written (disk full or I/O error)");
        EXPECT_EQ(pk.tp.screen().find("No such files"), std::string::npos) << pk.tp.screen();
        EXPECT_EQ(pk.tp.screen().find("none found"), std::string::npos) << pk.tp.screen();
    }
}
#endif

TEST(FileList, FoldersThatFitThePatternAreDropped) {
    Picker pk("");
    test::fs::create_directories("X.LOC");
    pk.listing = {"A.LOC", "X.LOC", "B.LOC"};
    EXPECT_TRUE(make_filelist(*pk.tp, "LOC"));
    EXPECT_EQ(read_filelist(10), (std::vector<std::string>{"A.LOC", "B.LOC"}));
}

}  // namespace
}  // namespace tolv7
