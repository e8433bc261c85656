// The archive picker: listing, pages of 16, answers, and the name handed to
// the viewer.
#include <gtest/gtest.h>

#include "app/shell.hpp"
#include "menus/archive_picker.hpp"
#include "support/menu_rig.hpp"

namespace tolv7::test {
namespace {

std::vector<std::string> archives(int count, const std::string& type = "OUT") {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i) names.push_back("RUN" + std::to_string(i) + "." + type);
    return names;
}

TEST(ArchivePicker, SeventeenArchivesMakeTwoPagesDrawnExactly) {
    MenuRig rig("n\nq\n");
    rig.listing = archives(17);
    EXPECT_EQ(pickfromlist(*rig.tp, "OUT"), PickResult::MainMenu);
    EXPECT_EQ(rig.tp.screen(), golden_screen("menus/picker_17.txt"));
    EXPECT_EQ(rig.tp.shell.commands, std::vector<std::string>{"ls -1d -- *.OUT > FILELIST.TXT"});
}

TEST(ArchivePicker, NoArchiveGivesTheMessageWithThePauseOnlyUnderMenusYes) {
    MenuRig paused("x\n", "YES");
    EXPECT_EQ(pickfromlist(*paused.tp, "SUM"), PickResult::NoFiles);
    EXPECT_EQ(paused.tp.screen(), golden_screen("menus/no_files_paused.txt"));
    MenuRig quiet("", "FEW");
    EXPECT_EQ(pickfromlist(*quiet.tp, "SUM"), PickResult::NoFiles);
    EXPECT_EQ(quiet.tp.screen(), golden_screen("menus/no_files.txt"));
}

TEST(ArchivePicker, SixteenArchivesMakeOnePage) {
    MenuRig rig("n\np\n16\n");
    rig.listing = archives(16, "SUM");
    EXPECT_EQ(pickfromlist(*rig.tp, "SUM"), PickResult::Picked);
    EXPECT_EQ(rig.count("\n          Enter a file number or quit <Q,q>: \n"), 3);
    EXPECT_EQ(rig.count(" PAGE            1 OF            1\n"), 3);
    EXPECT_EQ(rig.tp.shell.commands, (std::vector<std::string>{"ls -1d -- *.SUM > FILELIST.TXT", "vi           'RUN16.SUM'"}));
}

TEST(ArchivePicker, EightyArchivesFillFivePagesAndAnEightyFirstIsNotOffered) {
    MenuRig full("n\nn\nn\nn\nn\n80\n");
    full.listing = archives(80, "ANS");
    EXPECT_EQ(pickfromlist(*full.tp, "ANS"), PickResult::Picked);
    EXPECT_EQ(full.count(" PAGE            5 OF            5\n"), 2);  // N on the last page stays
    EXPECT_EQ(full.count("\n          Enter a file number, see next page <N,n>, see preivous page <P,p>, "
                         "or quit <Q,q>: \n"),
              3);
    EXPECT_EQ(full.count("\n          Enter a file number, see preivous page <P,p>, or quit <Q,q>: \n"), 2);
    EXPECT_EQ(full.tp.shell.commands.back(), "vi           'RUN80.ANS'");

    MenuRig over("n\nn\nn\nn\n81\nq\n");
    over.listing = archives(81, "ANS");
    EXPECT_EQ(pickfromlist(*over.tp, "ANS"), PickResult::MainMenu);
    EXPECT_EQ(over.count("RUN81"), 0);
    EXPECT_EQ(over.count(" OF            5\n"), 6);
    EXPECT_EQ(over.tp.shell.commands.size(), 1u);
}

TEST(ArchivePicker, AnswersNotShownOnThePageShowTheSamePageAgain) {
    // On page 1 of 17: the previous page, 0, a blank answer, a negative
    // number, a number of page 2, one past the count, a letter with more
    // after it, other text; then file 2.
    MenuRig rig("p\n0\n\"  \"\n-1\n17\n99\nNX\nab\n2\n");
    rig.listing = archives(17);
    EXPECT_EQ(pickfromlist(*rig.tp, "OUT"), PickResult::Picked);
    EXPECT_EQ(rig.count(" PAGE            1 OF            2\n"), 9);
    EXPECT_EQ(rig.count(" PAGE            2 OF            2\n"), 0);
    EXPECT_EQ(rig.tp.shell.commands, (std::vector<std::string>{"ls -1d -- *.OUT > FILELIST.TXT", "vi           'RUN2.OUT'"}));

    // On page 2: numbers of page 1 are not taken either; 123 counts as 12.
    MenuRig second("n\n1\n123\n16\n17\n");
    second.listing = archives(17);
    EXPECT_EQ(pickfromlist(*second.tp, "OUT"), PickResult::Picked);
    EXPECT_EQ(second.count(" PAGE            2 OF            2\n"), 4);
    EXPECT_EQ(second.tp.shell.commands.back(), "vi           'RUN17.OUT'");
}

TEST(ArchivePicker, ALaterCallWithFewerArchivesOffersNoEarlierName) {
    MenuRig rig("q\n5\n20\n3\n");
    rig.listing = archives(20);
    EXPECT_EQ(pickfromlist(*rig.tp, "OUT"), PickResult::MainMenu);
    rig.listing = archives(3);
    std::size_t before = rig.tp.screen().size();
    EXPECT_EQ(pickfromlist(*rig.tp, "OUT"), PickResult::Picked);
    std::string later = rig.tp.screen().substr(before);
    EXPECT_EQ(later.find("RUN4.OUT"), std::string::npos);
    EXPECT_EQ(rig.tp.shell.commands.back(), "vi           'RUN3.OUT'");
}

TEST(ArchivePicker, TheViewerGetsTheWholeNameQuotedForTheShell) {
    std::string long_name = std::string(51, 'L') + ".OUT";  // 55 characters
    MenuRig rig("1\n2\n3\n4\n");
    rig.listing = {long_name, "A;>X;.OUT", "it's $(rm x).OUT", "-n.OUT"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(pickfromlist(*rig.tp, "OUT"), PickResult::Picked);
    // A name beginning with "-" is not taken for the viewer's options.
    EXPECT_EQ(rig.tp.shell.commands,
              (std::vector<std::string>{"ls -1d -- *.OUT > FILELIST.TXT", "vi           '" + long_name + "'",
                                        "ls -1d -- *.OUT > FILELIST.TXT", "vi           'A;>X;.OUT'",
                                        "ls -1d -- *.OUT > FILELIST.TXT", "vi           'it'\\''s $(rm x).OUT'",
                                        "ls -1d -- *.OUT > FILELIST.TXT", "vi           './-n.OUT'"}));

    MenuRig windows("1\n2\n", "FEW", "WIN");
    windows.listing = {"A;>X;.ANS", "-n.ANS"};
    EXPECT_EQ(pickfromlist(*windows.tp, "ANS"), PickResult::Picked);
    EXPECT_EQ(pickfromlist(*windows.tp, "ANS"), PickResult::Picked);
    EXPECT_EQ(windows.tp.shell.commands,
              (std::vector<std::string>{"DIR /B *.ANS > FILELIST.TXT", "vi           \"A;>X;.ANS\"",
                                        "DIR /B *.ANS > FILELIST.TXT", "vi           \"-n.ANS\""}));
}

#ifndef _WIN32
TEST(ArchivePicker, ANameWithShellCharactersIsShownNeverRun) {
    // A real shell lists a real archive and runs the viewer "cat" on it.
    MenuRig rig("1\n");
    write_file("TOLV.INI", "VIEWER    = cat\nEND\n");
    write_file("A;>X;.ANS", "archive\n");
    rig.tp.shell.handler = [](const std::string& command) {
        bool listing = command.find("FILELIST.TXT") != std::string::npos;
        SystemShell().run(listing ? command : command + " > /dev/null");
    };
    EXPECT_EQ(pickfromlist(*rig.tp, "ANS"), PickResult::Picked);
    EXPECT_EQ(rig.tp.shell.commands.back(), "cat          'A;>X;.ANS'");
    EXPECT_FALSE(fs::exists("X"));
    EXPECT_TRUE(fs::exists("A;>X;.ANS"));
}
#endif

}  // namespace
}  // namespace tolv7::test
