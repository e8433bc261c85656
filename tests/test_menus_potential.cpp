// The potential look-up and the items that add potentials, the solar data
// files edited through the viewer.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/program_stop.hpp"
#include "engine/forbush.hpp"
#include "engine/helio_potential.hpp"
#include "menus/main_menu.hpp"
#include "menus/potential_menu.hpp"
#include "menus/solar_menu.hpp"
#include "support/menu_rig.hpp"

namespace tolv7::test {
namespace {

// Known potentials: the monthly table (May and June 2019, May to July
// 2020, July last) and the daily file (a day, a month and a year value).
void write_potentials() {
    write_file("SOLARMOD/MV-DATES.L99",
               "05/2019,     300\n"
               "06/2019,     401\n"
               "05/2020,     690\n"
               "06/2020,     700\n"
               "07/2020,     710\n");
    write_file("SOLARMOD/MORDATES.2K",
               "2020/06/15       811\n"
               "2020/06/20       900\n"
               "06/2020          733\n"
               "00/2020          650\n");
}

// The result lines of a look-up: year, month and day in the free list's
// 12-column integers, then the potential in 5 columns.
std::string result(const std::string& year, const std::string& month, const std::string& day,
                   const std::string& mv) {
    auto i12 = [](const std::string& v) { return std::string(12 - v.size(), ' ') + v; };
    return "            For YEAR:" + i12(year) + " MONTH:" + i12(month) + " and DAY:" + i12(day) + "\n" +
           "          Heliocentric potential was: " + std::string(5 - mv.size(), ' ') + mv + " MV\n";
}

TEST(PotentialLookUp, DatesAreSplitByPositionAndLookedUp) {
    struct Case {
        const char* typed;
        const char* year;
        const char* month;
        const char* day;
        const char* mv;
    };
    const Case cases[] = {
        {"2020/06/15", "2020", "6", "15", "811"},  // the day's own value
        {"2020-06-15", "2020", "6", "15", "811"},  // separators are not looked at
        {"2020/06/00", "2020", "6", "0", "733"},   // monthly average from the daily file
        {"06/2020", "2020", "6", "0", "733"},      // month first when column 3 is a slash
        {"2020/00", "2020", "0", "0", "650"},      // yearly average
        {"2019/00", "2019", "0", "0", "351"},      // no yearly line: the mean of 2019's months
        {"2018/00", "2018", "0", "0", "710"},      // no month of 2018: the most recent entry
        {"2020/05/00", "2020", "5", "0", "690"},   // the monthly table
        {"2020/13/01", "2020", "13", "1", "710"},  // no such month: the most recent entry
        {" 1", "1", "0", "0", "710"},              // two characters make a date
        {"2020/06/15 and more", "2020", "6", "15", "811"},  // only 10 columns count
    };
    for (const Case& c : cases) {
        MenuRig rig(std::string(c.typed) + "\n");
        write_potentials();
        load_hp(*rig.tp);
        EXPECT_EQ(viewhp(*rig.tp), NextMenu::Potential) << c.typed;
        std::string expected = result(c.year, c.month, c.day, c.mv) + std::string(70, ' ') + "\n";
        std::string screen = rig.tp.screen();
        ASSERT_GE(screen.size(), expected.size());
        EXPECT_EQ(screen.substr(screen.size() - expected.size()), expected) << c.typed;
    }
}

TEST(PotentialLookUp, APartThatIsNoNumberShowsTheScreenAgain) {
    MenuRig rig("ab/cd/ef\n2020/x6/15\n1\n");
    write_potentials();
    load_hp(*rig.tp);
    EXPECT_EQ(viewhp(*rig.tp), NextMenu::Potential);
    EXPECT_EQ(rig.count("VIEW HELIOCENTRIC POTENTIALS"), 3);
    EXPECT_EQ(rig.count("For YEAR:"), 0);
}

TEST(PotentialLookUp, TheResultScreenWithItsPause) {
    MenuRig rig("2020/06/15\nx\n", "YES");
    write_potentials();
    load_hp(*rig.tp);
    EXPECT_EQ(viewhp(*rig.tp), NextMenu::Potential);
    std::string screen = rig.tp.screen();
    std::string loading = " Loading TOLV-6 heliocentric potential data\n";
    ASSERT_EQ(screen.rfind(loading, 0), 0u);
    EXPECT_TRUE(matches_golden("menus/lookup_result.txt", screen.substr(loading.size())));
}

TEST(PotentialLookUp, ADailyValueCountsAtTheNextLookUpAMonthlyOneAfterARestart) {
    // Look up 20 June (900), add a daily value through item 3 (the editor
    // keeps the file's size and time stamp), look it up again; add August
    // to the monthly table through item 2 and look August up.
    MenuRig rig("5\n1\n1\n2020/06/20\n3\n"
                "5\n1\n1\n2020/06/20\n2\n"
                "5\n1\n1\n2020/08/00\n4\n7\n");
    write_potentials();
    load_hp(*rig.tp);
    rig.on_command = [](const std::string& command) {
        if (command == "vi           'SOLARMOD/MORDATES.2K'") {
            auto time = fs::last_write_time("SOLARMOD/MORDATES.2K");
            std::string text = read_file("SOLARMOD/MORDATES.2K");
            text.replace(text.find("900"), 3, "901");
            write_file("SOLARMOD/MORDATES.2K", text);
            fs::last_write_time("SOLARMOD/MORDATES.2K", time);
        }
        if (command == "vi           'SOLARMOD/MV-DATES.L99'")
            write_file("SOLARMOD/MV-DATES.L99", read_file("SOLARMOD/MV-DATES.L99") + "08/2020,     777\n");
    };
    EXPECT_EQ(stop_status([&] { menu_main(*rig.tp); }), -1);
    EXPECT_EQ(rig.count("Heliocentric potential was:   900 MV"), 1);
    EXPECT_EQ(rig.count("Heliocentric potential was:   901 MV"), 1);
    EXPECT_EQ(rig.count("Heliocentric potential was:   710 MV"), 1);  // August: not loaded yet
    load_hp(*rig.tp);                                                    // the next start
    EXPECT_EQ(date2hp(*rig.tp, 2020, 8, 0), 777);
}

// Editors save by writing a new file and renaming it over the old one; the
// program holds neither potential file, so both saves land, and the look-up
// and the next start read what the editor saved.
TEST(PotentialFiles, AnEditorMayReplaceEitherFileWhileItIsShown) {
    MenuRig rig("");
    write_potentials();
    Program& p = *rig.tp;
    load_hp(p);
    EXPECT_EQ(date2hp(p, 2020, 6, 20), 900);  // the daily file read once before the edit
    rig.on_command = [](const std::string& command) {
        const char* file = command.find("MORDATES") != std::string::npos ? "SOLARMOD/MORDATES.2K"
                                                                         : "SOLARMOD/MV-DATES.L99";
        std::string text = read_file(file);
        text += command.find("MORDATES") != std::string::npos ? "2020/08/01       444\n" : "08/2020,     555\n";
        write_file("SOLARMOD/SAVED.TMP", text);
        fs::rename("SOLARMOD/SAVED.TMP", file);
    };
    add2l99(p);
    addadaily(p);
    EXPECT_EQ(rig.tp.shell.commands,
              (std::vector<std::string>{"vi           'SOLARMOD/MV-DATES.L99'", "vi           'SOLARMOD/MORDATES.2K'"}));
    EXPECT_EQ(date2hp(p, 2020, 8, 1), 444);
    EXPECT_EQ(date2hp(p, 2020, 8, 0), 710);  // the monthly table is loaded at the next start
    load_hp(p);
    EXPECT_EQ(date2hp(p, 2020, 8, 0), 555);
}

// A Forbush file of one hour's factor.
void write_forbush(const std::string& factor) {
    write_file("FORBUSH/FORBUSH.DAT", "2012   3   9   5  69   69.2083  1661" + factor + "\n");
}

TEST(SolarData, AnEditedForbushFactorIsLoadedAtOnce) {
    MenuRig rig("2\nx\n");
    write_forbush("    0.9000");
    loadforbush(*rig.tp);
    rig.on_command = [](const std::string& command) {
        if (command == "vi           'FORBUSH/FORBUSH.DAT'") write_forbush("    0.4321");
    };
    const auto& fddata = rig.tp->engine.fddata;
    ASSERT_EQ(std::count(fddata.begin(), fddata.end(), 0.9), 1);
    EXPECT_EQ(menu_solarmod(*rig.tp), NextMenu::Main);
    EXPECT_EQ(std::count(fddata.begin(), fddata.end(), 0.9), 0);
    EXPECT_EQ(std::count(fddata.begin(), fddata.end(), 0.4321), 1);
    std::string screen = rig.tp.screen();
    EXPECT_NE(screen.find(std::string(50, '\n') + " Press any character and then <Enter>\n"), std::string::npos);
    EXPECT_NE(screen.find("Loading Forbush data"), std::string::npos);
}

TEST(SolarData, AForbushFileLeftUnreadableStopsWithAFileError) {
    MenuRig rig("2\nx\n");
    write_forbush("    0.9000");
    rig.on_command = [](const std::string&) { write_file("FORBUSH/FORBUSH.DAT", "2012   3   9   5  xx\n"); };
    EXPECT_EQ(stop_status([&] { menu_solarmod(*rig.tp); }), kExitFileError);
}

}  // namespace
}  // namespace tolv7::test
