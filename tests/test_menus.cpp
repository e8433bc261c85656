// The menus: their screens, what every answer leads to, and the loop that
// shows them one after another.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <streambuf>

#include "app/program_stop.hpp"
#include "menus/flight_menu.hpp"
#include "menus/location_menu.hpp"
#include "menus/main_menu.hpp"
#include "menus/menu_state.hpp"
#include "menus/output_menu.hpp"
#include "menus/potential_menu.hpp"
#include "menus/solar_menu.hpp"
#include "support/data_tree_fixture.hpp"
#include "support/menu_rig.hpp"

namespace tolv7::test {
namespace {

// ---- screens, byte for byte ----

struct ScreenCase {
    const char* golden;
    std::function<NextMenu(Program&)> menu;
    const char* answer;  // leaves the menu at once
};

TEST(MenuScreens, EveryMenuIsDrawnExactly) {
    MenuState state;
    const ScreenCase cases[] = {
        {"main.txt", main_menu, "7\n"},
        {"flight.txt", menu_flight, "3\n"},
        {"location.txt", [&](Program& p) { return menu_locations(p, state); }, "6\n"},
        {"solar.txt", menu_solarmod, "4\n"},
        {"output.txt", menu_output, "6\n"},
        {"potential.txt", menu_potentials, "4\n"},
        // Entered once (the screen cleared), drawn again from the banner.
        {"lookup.txt", viewhp, "x\n2\n"},
    };
    for (const ScreenCase& c : cases) {
        MenuRig rig(c.answer);
        c.menu(*rig.tp);
        EXPECT_TRUE(matches_golden(std::string("menus/") + c.golden, rig.tp.screen()));
    }
}

TEST(MenuScreens, TheMainMenuCutsItemTwoAndTheOutputPromptHasNoIndent) {
    MenuRig main("7\n");
    main_menu(*main.tp);
    EXPECT_EQ(main.count("          <2>  Galactic cosmic radiation received on flights\n"), 1);
    MenuRig output("6\n");
    menu_output(*output.tp);
    EXPECT_EQ(output.count("\n     Type 1, 2, 3, 4, 5, 6, or 7 and press <ENTER> .\n"), 1);
}

// ---- answers ----

struct AnswerCase {
    const char* answers;
    NextMenu next;
    std::vector<std::string> commands;
    int screens = 1;  // how often the menu's title was drawn
};

void check_answers(const char* title, const std::function<NextMenu(Program&)>& menu,
                   const std::vector<AnswerCase>& cases) {
    for (const AnswerCase& c : cases) {
        MenuRig rig(c.answers);
        NextMenu next = NextMenu::Same;
        // An answer that redraws ends by reading past the input: count the
        // screens drawn until then.
        for (;;) {
            next = menu(*rig.tp);
            if (next != NextMenu::Same || rig.count(title) >= c.screens) break;
        }
        EXPECT_EQ(next, c.next) << title << " answers " << c.answers;
        EXPECT_EQ(rig.tp.shell.commands, c.commands) << title << " answers " << c.answers;
        EXPECT_EQ(rig.count(title), c.screens) << title << " answers " << c.answers;
    }
}

TEST(MenuAnswers, MainMenu) {
    check_answers("MAIN MENU", main_menu,
                  {{"1\n", NextMenu::Same, {"vi           'HELP.TXT'"}},
                   {"12\n", NextMenu::Same, {"vi           'HELP.TXT'"}},
                   {"help\n", NextMenu::Same, {}},
                   {"2\n", NextMenu::Flight, {}},
                   {"3\n", NextMenu::Airport, {}},
                   {"4\n", NextMenu::Location, {}},
                   {"5\n", NextMenu::SolarData, {}},
                   {"6\n", NextMenu::Output, {}},
                   {"7\n", NextMenu::Exit, {}},
                   {"q\n", NextMenu::Exit, {}},
                   {"Q\n", NextMenu::Exit, {}},
                   {"8\n0\n", NextMenu::Same, {}, 2},
                   // Empty lines are passed over without a redraw.
                   {"\n\n   \n2\n", NextMenu::Flight, {}}});
}

TEST(MenuAnswers, FlightMenu) {
    // No flight file exists: each run gives its message, then the main menu.
    check_answers("FLIGHT MENU", menu_flight,
                  {{"1\n", NextMenu::Main, {"ls -1d -- *.BIG > FILELIST.TXT"}},
                   {"2\n", NextMenu::Main, {"ls -1d -- *.DEG > FILELIST.TXT"}},
                   {"3\n", NextMenu::Main, {}},
                   {"4\n", NextMenu::Exit, {}},
                   {"q\nQ\n", NextMenu::Same, {}, 2}});
}

// A message line: ten blanks, then the text right-aligned in 60 columns.
std::string message_row(const std::string& text) { return std::string(70 - text.size(), ' ') + text + "\n"; }

// A picked flight file that the run cannot take is refused by name as soon
// as it is picked: no question of the run options follows, nothing but the
// listing reaches the shell, and the main menu comes next.
TEST(FlightMenu, PickedNameTheRunCannotTakeIsRefusedBeforeAnyQuestion) {
    const std::string kCharacters = " FILE NAME MAY HOLD ONLY LETTERS, DIGITS AND ._-";
    const std::string long_name = std::string(27, 'L') + ".BIG";  // 31 characters
    struct Case {
        const char* item;
        std::string name;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {"1", "my flight.BIG", {" NOT RUN: my flight.BIG", kCharacters}},
        {"1", "A;rm x.BIG", {" NOT RUN: A;rm x.BIG", kCharacters}},
        {"2", "A*.DEG", {" NOT RUN: A*.DEG", kCharacters}},  // one file, never a pattern
        {"1", long_name, {" NOT RUN: " + long_name, " FILE NAME MAY HOLD AT MOST 30 CHARACTERS"}},
        {"1", "FLIGHTS.OUT", {" FLIGHTS.OUT WOULD BE ITS OWN RESULT FILE: NOT RUN"}},
        {"2", "ROUTE.SUM", {" ROUTE.SUM WOULD BE ITS OWN RESULT FILE: NOT RUN"}},
        {"2", "ROUTE.DAT", {" ROUTE.DAT WOULD BE ITS OWN RESULT FILE: NOT RUN"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MenuRig rig(std::string(c.item) + "\n1\nx\n", "YES");  // the item, file 1, the pause
        rig.listing = {c.name};
        EXPECT_EQ(menu_flight(*rig.tp), NextMenu::Main);
        std::string rows;
        for (const auto& row : c.rows) rows += message_row(row);
        EXPECT_EQ(rig.count("\n" + rows + " \n            Press a character then press <ENTER> to continue"), 1)
            << rig.tp.screen();
        EXPECT_EQ(rig.count("SELECT RADIATION"), 0);
        EXPECT_EQ(rig.count("USE DATES FROM FLIGHT DATA FILE"), 0);
        EXPECT_EQ(rig.tp.shell.commands.size(), 1u);
    }
}

TEST(MenuAnswers, LocationMenu) {
    MenuState state;
    auto menu = [&](Program& p) { return menu_locations(p, state); };
    check_answers("LOCATION MENU", menu,
                  {{"2\n", NextMenu::Main, {"ls -1d -- *.LOC > FILELIST.TXT"}},
                   // No list was ever picked: the editor starts without a name.
                   {"3\n", NextMenu::Same, {"ls -1d -- *.LOC > FILELIST.TXT", "vi"}},
                   {"4\n", NextMenu::Main, {"ls -1d -- *.ANS > FILELIST.TXT"}},
                   {"5\n", NextMenu::Main, {"vi           'HELP.TXT'"}},
                   {"6\n", NextMenu::Main, {}},
                   {"7\n", NextMenu::Exit, {}},
                   {"q\nx\n", NextMenu::Same, {}, 2}});
}

TEST(MenuAnswers, SolarDataMenu) {
    check_answers("SOLAR DATA MENU", menu_solarmod,
                  {{"1\n", NextMenu::Potential, {}},
                   {"3\n", NextMenu::Main, {"vi           'KP_INDEX/KP_INDEX.TXT'"}},
                   {"4\n", NextMenu::Main, {}},
                   {"q\n", NextMenu::Main, {}},
                   {"Q\n", NextMenu::Main, {}},
                   {"5\n", NextMenu::Exit, {}},
                   {"6\n0\n", NextMenu::Same, {}, 2}});
}

TEST(MenuAnswers, OutputMenu) {
    check_answers("OUTPUT MENU", menu_output,
                  {{"1\n", NextMenu::Main, {"vi           'TOLV.INI'"}},
                   {"17\n", NextMenu::Main, {"vi           'TOLV.INI'"}},
                   {"2\n", NextMenu::Main, {"vi           'DEFAULT.INP'"}},
                   {"3\n", NextMenu::Main, {"ls -1d -- *.OUT > FILELIST.TXT"}},
                   {"4\n", NextMenu::Main, {"ls -1d -- *.SUM > FILELIST.TXT"}},
                   {"5\n", NextMenu::Main, {"ls -1d -- *.ANS > FILELIST.TXT"}},
                   {"6\n", NextMenu::Main, {}},
                   {"7\n", NextMenu::Exit, {}},
                   {"q\n0\n8\n", NextMenu::Same, {}, 3}});
}

TEST(MenuAnswers, PotentialMenu) {
    check_answers("HELIOCENTRIC POTENTIAL MENU", menu_potentials,
                  {{"1\n", NextMenu::LookUp, {}},
                   {"2\n", NextMenu::Main, {"vi           'SOLARMOD/MV-DATES.L99'"}},
                   {"21\n", NextMenu::Main, {"vi           'SOLARMOD/MV-DATES.L99'"}},
                   {"3\n", NextMenu::Main, {"vi           'SOLARMOD/MORDATES.2K'"}},
                   {"4\n", NextMenu::Main, {}},
                   {"5\n", NextMenu::Exit, {}},
                   {"q\n", NextMenu::Exit, {}},
                   {"6\n", NextMenu::Same, {}}});
}

TEST(MenuAnswers, LookUpScreenWithoutADate) {
    check_answers("VIEW HELIOCENTRIC POTENTIALS", viewhp,
                  {{"1\n", NextMenu::Potential, {}},
                   {"2\n", NextMenu::Main, {}},
                   {"3\n", NextMenu::Exit, {}},
                   {"q\n", NextMenu::Exit, {}},
                   {"Q\n", NextMenu::Exit, {}},
                   // An empty line and any other single character redraw.
                   {"\nx\n1 \n", NextMenu::Potential, {}, 3}});
}

TEST(MenuAnswers, AddingPotentialsShowsTheInstructionsBeforeTheViewer) {
    MenuRig rig("");
    add2l99(*rig.tp);
    addadaily(*rig.tp);
    EXPECT_EQ(rig.tp.screen(),
              " ADD NEW DATE AND POTENTIAL TO END OF FILE MV-DATES\n"
              " E.G. 12/2020,   1345\n"
              " ADD NEW DATE AND POTENTIAL TO END OF FILE MORDATES.2K\n"
              " E.G. 2020/12/25,   1345\n");
}

TEST(MenuAnswers, ALocationListPickedForEditingIsKeptBetweenVisits) {
    MenuRig rig("3\n1\n3\n3\nq\n");
    rig.listing = {"ALPS.LOC"};
    MenuState state;
    EXPECT_EQ(menu_locations(*rig.tp, state), NextMenu::Same);
    rig.listing.clear();
    EXPECT_EQ(menu_locations(*rig.tp, state), NextMenu::Same);  // no list now: the kept one
    rig.listing = {"ALPS.LOC", "ANDES.LOC"};
    EXPECT_EQ(menu_locations(*rig.tp, state), NextMenu::Main);  // q in the picker
    EXPECT_EQ(rig.tp.shell.commands,
              (std::vector<std::string>{"ls -1d -- *.LOC > FILELIST.TXT", "vi           'ALPS.LOC'", "ls -1d -- *.LOC > FILELIST.TXT",
                                        "vi           'ALPS.LOC'", "ls -1d -- *.LOC > FILELIST.TXT"}));
}

TEST(MenuAnswers, AnUnreadableLocationListIsReportedAndTheMenuComesBack) {
    MenuRig rig("2\n1\n");
    write_file("EMPTY.LOC", "");
    rig.listing = {"EMPTY.LOC"};
    MenuState state;
    NextMenu next = NextMenu::Exit;
    EXPECT_EQ(stop_status([&] { next = menu_locations(*rig.tp, state); }), -1);  // no stop outside batch mode
    EXPECT_EQ(next, NextMenu::Main);
    EXPECT_EQ(rig.count("CANNOT READ LOCATIONS, FILE IS CORRUPT OR EMPTY"), 1) << rig.tp.screen();
}

TEST(MenuAnswers, LocationItemsNoteTheirStartInTheCheckLog) {
    MenuRig rig("2\n3\n");
    rig.tp.log.open("CHECK.LOG");
    MenuState state;
    menu_locations(*rig.tp, state);
    menu_locations(*rig.tp, state);
    rig.tp.log.flush();
    std::string log = read_file("CHECK.LOG");
    EXPECT_NE(log.find(" CALLING READIT\n"), std::string::npos);
    EXPECT_NE(log.find(" CALLING NEWLOCS\n"), std::string::npos);
}

// ---- the loop ----

TEST(MenuLoop, OutputItemOneReadsTheEditedSettingsAtOnce) {
    // MENUS YES pauses after the first "no such files" message; the edit sets
    // FEW (no pause) and a Windows shell for the next listing.
    MenuRig rig("6\n3\nx\n6\n1\n6\n3\n7\n", "YES");
    rig.on_command = [](const std::string& command) {
        if (command == "vi           'TOLV.INI'")
            write_file("TOLV.INI", "MENUS     = FEW\nOS        = WIN\nVIEWER    = vi\nEND\n");
    };
    EXPECT_EQ(stop_status([&] { menu_main(*rig.tp); }), -1);
    EXPECT_EQ(rig.tp.shell.commands, (std::vector<std::string>{"ls -1d -- *.OUT > FILELIST.TXT", "vi           'TOLV.INI'",
                                                              "DIR /B *.OUT > FILELIST.TXT"}));
    EXPECT_EQ(rig.tp->set.init.menus, "FEW");
    EXPECT_EQ(rig.count("MAIN MENU"), 4);
}

// A run from the menus that left items out shows what it left out and
// pauses before the next menu; a run that left nothing out goes straight on.
TEST(MenuLoop, ARunThatSkippedSomethingShowsItsSummaryAndPauses) {
    MenuRig rig("4\n2\n1\nx\n4\n2\n2\n7\n");
    write_file("TYPO.LOC", "START-\nN,51.5,W,0.5,F,35,000,2019/06/15,H12,P00,D2\n! a comment\nSTOP--\n");
    write_file("CLEAN.LOC", "START-\n! a comment\nSTOP--\n");
    rig.listing = {"TYPO.LOC", "CLEAN.LOC"};
    EXPECT_EQ(stop_status([&] { menu_main(*rig.tp); }), -1);
    const std::string screen = rig.tp.screen();
    const std::string summary = "          1 of 1 place line skipped in TYPO.LOC: line 2 (MORE FIELDS  \n"
                                "          THAN ITS FORM)                                              \n \n"
                                "            Press a character then press <ENTER> to continue\n";
    EXPECT_EQ(occurrences(screen, summary), 1) << screen;
    EXPECT_EQ(rig.count("Press a character"), 1) << screen;
    EXPECT_FALSE(rig.tp->runs.skips.any());
}

TEST(MenuLoop, EndOfInputAtEveryKindOfReadStopsWithStatusThree) {
    struct Case {
        const char* what;
        const char* answers;
        std::vector<std::string> listing;
        const char* menus;
    };
    const Case cases[] = {
        {"menu", "", {}, "FEW"},
        {"menu after empty lines", "\n\n", {}, "FEW"},
        {"look-up", "5\n1\n1\n", {}, "FEW"},
        {"archive picker", "6\n3\n", {"A.OUT"}, "FEW"},
        {"input-file picker", "4\n3\n", {"A.LOC"}, "FEW"},
        {"message pause", "6\n4\n", {}, "YES"},
        {"Forbush pause", "5\n2\n", {}, "FEW"},
    };
    for (const Case& c : cases) {
        MenuRig rig(c.answers, c.menus);
        rig.listing = c.listing;
        EXPECT_EQ(stop_status([&] { menu_main(*rig.tp); }), kExitEndOfInput) << c.what;
    }
}

// Discards everything written to it.
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

TEST(MenuLoop, TwentyThousandRoundTripsKeepTheStackFlat) {
    TempDir dir;
    ScopedCwd cwd(dir.path());
    write_file("TOLV.INI", "VIEWER    = vi\nEND\n");
    std::string answers;
    constexpr int kTrips = 20000;
    for (int i = 0; i < kTrips; ++i) answers += "2\n3\n1\n";  // flight, back to main, help
    answers += "7\n";
    std::istringstream in(answers);
    NullBuffer null_buffer;
    std::ostream out(&null_buffer);
    Console console(in, out);
    RecordingShell shell;
    CheckLog log;
    Program program(console, shell, log);
    program.set.init.os = "LINUX";
    // Every help viewer runs at the same stack depth when no visit nests.
    std::set<std::uintptr_t> depths;
    int viewers = 0;
    shell.handler = [&](const std::string&) {
        int marker = 0;
        depths.insert(reinterpret_cast<std::uintptr_t>(&marker));
        ++viewers;
    };
    shell.commands.reserve(kTrips);
    EXPECT_EQ(stop_status([&] { menu_main(program); }), -1);  // a normal return: status 0
    EXPECT_EQ(viewers, kTrips);
    EXPECT_EQ(depths.size(), 1u);
}

TEST(MenuLoop, TheBuiltProgramEndsWithZeroAtExitAndThreeAtEndOfInput) {
    tree::TreeOptions options;
    options.menus = "YES";
    TreeWorkdir wd(options);
    std::string console;
    EXPECT_EQ(run_executable(wd.path(), "2\n3\nq\n", &console), 0) << console;
    EXPECT_NE(console.find("FLIGHT MENU"), std::string::npos);
    EXPECT_EQ(run_executable(wd.path(), "2\n3\n", &console), kExitEndOfInput);
}

}  // namespace
}  // namespace tolv7::test
