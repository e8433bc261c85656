// The airport menu, the airport report file, the three-letter code file and
// its editing screen.
#include <gtest/gtest.h>


#include "airports/airport_record.hpp"
#include "airports/airport_report.hpp"
#include "airports/code_file.hpp"
#include "airports/index_files.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "menus/airport_menu.hpp"
#include "support/data_tree_fixture.hpp"
#include "support/menu_rig.hpp"

namespace tolv7 {
namespace {

using namespace test;

// An index record of 91 columns.
std::string index_record(const std::string& name, const std::string& icao, const std::string& city,
                         const std::string& coordinates, const std::string& elevation) {
    return pad_to(pad_to(name, 30) + pad_to(icao, 6) + pad_to(city, 30) + coordinates + elevation, 91);
}

// A folder with the fixed files, TOLV.INI naming a viewer, and a program
// context with Linux paths and the given MENUS setting.
class AirportMenu : public ::testing::Test {
protected:
    AirportMenu() : cwd_(dir_.path()) { write_minimal_tree(dir_.path(), "VIEWER    = less\nEND\n"); }

    void start(TestProgram& tp, const std::string& menus = "NO!") {
        tp->set.init.os = "LINUX";
        tp->set.init.menus = menus;
    }

    TempDir dir_;
    ScopedCwd cwd_;
};

TEST_F(AirportMenu, ScreenIsShownAgainUntilAnItemIsChosen) {
    TestProgram tp("x\n9\n6\n");
    start(tp);
    EXPECT_EQ(menu_airport(*tp), NextMenu::Main);
    EXPECT_TRUE(matches_golden("airports/airport_menu.txt", tp.screen()));
}

TEST_F(AirportMenu, ItemsLeadToTheirNextMenu) {
    auto next = [&](const std::string& answers) {
        TestProgram tp(answers);
        start(tp);
        return menu_airport(*tp);
    };
    EXPECT_EQ(next("7\n"), NextMenu::Exit);
    EXPECT_EQ(next("6\n"), NextMenu::Main);
    EXPECT_EQ(next("1\n2\n"), NextMenu::Airport);  // the index, then the search's own item 2
    EXPECT_EQ(next("5\n"), NextMenu::Main);
    std::string why;
    EXPECT_EQ(stop_status([&] { next("4\nNAME\n"); }, &why), kExitEndOfInput);  // the form asks on
}

TEST_F(AirportMenu, EndOfInputAtTheMenuStopsWithStatus3) {
    TestProgram tp("");
    start(tp);
    EXPECT_EQ(stop_status([&] { menu_airport(*tp); }), kExitEndOfInput);
}

// --- the three-letter code file -------------------------------------------

class CodeFile : public AirportMenu {
protected:
    std::string code(const std::string& codes_text, const std::string& icao) {
        write_file("AIRPORTS/CODES", codes_text);
        TestProgram tp;
        start(tp);
        return altcode(*tp, icao);
    }
};

TEST_F(CodeFile, EmptyFileOrNoLineGivesDashes) {
    EXPECT_EQ(code("", "KJFK"), "---");
    EXPECT_EQ(code("JFK,KJFK\n", "EGLL"), "---");
}

TEST_F(CodeFile, FirstLineOfTheFirstFourCharactersWins) {
    const std::string codes = "XXX,QQQQ\nABC,ABCD\nZZZ,ABCD\n";
    EXPECT_EQ(code(codes, "ABCD"), "ABC");
    EXPECT_EQ(code(codes, "ABCDE"), "ABC");
    EXPECT_EQ(code(codes, "ABCDEF"), "ABC");
    EXPECT_EQ(code(codes, "  ABCD"), "ABC");  // left-aligned first
    EXPECT_EQ(code("ZZZ,ABCD\r\nABC,ABCD\r\n", "ABCD"), "ZZZ");
}

TEST_F(CodeFile, ColumnsFiveToEightAreComparedExactly) {
    EXPECT_EQ(code("ABC ABCD\n", "ABCD"), "ABC");   // any separator
    EXPECT_EQ(code("ABC, ABCD\n", "ABCD"), "---");  // shifted by one column
    EXPECT_EQ(code("ABC,abcd\n", "ABCD"), "---");   // case counts
    EXPECT_EQ(code("ABC,ABCDXYZ\n", "ABCD"), "ABC");
    EXPECT_EQ(code("SHO,AB\n", "AB"), "SHO");        // a short code matches blanks
    EXPECT_EQ(code("SHO,AB\n", "ABCD"), "---");
    EXPECT_EQ(code("SH\n", "ABCD"), "---");          // a short line reads as blanks
}

TEST_F(CodeFile, EverySearchStartsAtTheFirstLine) {
    write_file("AIRPORTS/CODES", "AAA,AAAA\nBBB,BBBB\nCCC,CCCC\n");
    TestProgram tp;
    start(tp);
    EXPECT_EQ(altcode(*tp, "CCCC"), "CCC");
    EXPECT_EQ(altcode(*tp, "AAAA"), "AAA");
    EXPECT_EQ(altcode(*tp, "DDDD"), "---");
    EXPECT_EQ(altcode(*tp, "BBBB"), "BBB");
}

TEST_F(CodeFile, EditingShowsTheInstructionsAndReadsTheEditedFile) {
    write_file("AIRPORTS/CODES", "AAA,AAAA\n");
    TestProgram tp("x\n");
    start(tp, "YES");
    altcode(*tp, "AAAA");
    tp->set.init.os = "WIN  ";  // the editing item names the file with a slash all the same
    tp.shell.handler = [&](const std::string&) {
        EXPECT_FALSE(tp->airports.codes_file.is_open());  // closed while the viewer runs
        write_file("AIRPORTS/CODES", "NEW,NNNN\nAAA,AAAA\n");
    };
    addacode(*tp);
    EXPECT_EQ(tp.shell.commands, std::vector<std::string>{"less         \"AIRPORTS/CODES\""});
    EXPECT_TRUE(matches_golden("airports/add_a_code.txt", tp.screen()));
    EXPECT_EQ(altcode(*tp, "NNNN"), "NEW");
}

TEST_F(CodeFile, FileDeletedInTheViewerStopsAtItsReopening) {
    TestProgram tp;
    start(tp);
    tp.shell.handler = [](const std::string&) { fs::remove("AIRPORTS/CODES"); };
    EXPECT_EQ(stop_status([&] { addacode(*tp); }), kExitFileError);
}

// --- the airport report ----------------------------------------------------

class AirportReport : public AirportMenu {
protected:
    // The report of a code over the given index, with the code file given.
    NextMenu report(TestProgram& tp, const std::string& index, const std::string& codes, const std::string& code) {
        write_file("AIRPORTS/PORT.NDX", index);
        write_file("AIRPORTS/CODES", codes);
        start(tp, "YES");
        return rep_by_icao(*tp, code);
    }
    TestProgram tp{"x\n"};
};

const std::string kIndent(10, ' ');

TEST_F(AirportReport, UserAirportSouthEastWithoutThreeLetterCode) {
    std::string index = index_record("ALPHA", "ABCDE", "A CITY", "3351070}15110200}", "012345") + "\n";
    EXPECT_EQ(report(tp, index, "XYZ,WXYZ\n", "ABCD"), NextMenu::Airport);
    // The code as asked, not the record's; "}" reads as south and east.
    EXPECT_EQ(read_file("AIRPORTS/PORTINFO.TXT"),
              kIndent + "ICAO CODE: ABCD                  OTHER CODE: ---\n" +
              kIndent + "AIRPORT NAME: ALPHA                         \n" +
              kIndent + "CITY NAME: A CITY                        \n" +
              kIndent + "LATITUDE: 33 DEGS 51 MINS  7 SECS S\n" +
              kIndent + "LONGITUDE: 151 DEGS 10 MINS 20 SECS E\n" +
              kIndent + "ALTITUDE:  1234.5 FEET\n");
    EXPECT_EQ(tp.shell.commands, std::vector<std::string>{"less         'AIRPORTS/PORTINFO.TXT'"});
    // Ten empty lines, the blank message and its pause after the viewer.
    EXPECT_TRUE(tp.screen().ends_with(std::string(10, '\n') + std::string(70, ' ') + "\n \n" +
                                      kIndent + "  Press a character then press <ENTER> to continue\n"));
}

TEST_F(AirportReport, FirstRecordInNameOrderWhoseCodeStartsWithTheGivenOne) {
    std::string index = index_record("AAA FIELD", "EGLLX", "ONE", "51280000000270000", "000830") + "\n" +
                        index_record("BBB FIELD", "EGLL", "TWO", "51280000000270000", "000830") + "\n";
    EXPECT_EQ(report(tp, index, "LHR,EGLL\n", "EGLL"), NextMenu::Airport);
    auto lines = read_lines("AIRPORTS/PORTINFO.TXT");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], kIndent + "ICAO CODE: EGLL                  OTHER CODE: LHR");
    EXPECT_EQ(lines[1], kIndent + "AIRPORT NAME: " + pad_to("AAA FIELD", 30));
    EXPECT_EQ(lines[4], kIndent + "LONGITUDE:   0 DEGS 27 MINS  0 SECS W");
    EXPECT_EQ(lines[5], kIndent + "ALTITUDE:    83.0 FEET");
}

TEST_F(AirportReport, NotFoundKeepsTheEarlierReport) {
    write_file("AIRPORTS/PORTINFO.TXT", "EARLIER REPORT\n");
    std::string index = index_record("ALPHA", "ABCD", "A", "00000000000000000", "000000") + "\n";
    // Fewer than 4 characters never match; the given code is not left-aligned.
    for (const char* code : {"ABC", " ABCD", "ABCDE", "abcd"}) {
        TestProgram asked("x\n");
        EXPECT_EQ(report(asked, index, "", code), NextMenu::Same) << code;
        EXPECT_NE(asked.screen().find(" REP_BY_ICAO FAILED FOR " + pad_to(code, 6) + "\n" + kIndent +
                                   std::string(28, ' ') + "ICAO CODE NOT FOUND IN DATABASES\n \n"),
                  std::string::npos);
        EXPECT_TRUE(asked.screen().ends_with("Vandemere\n\n\n"));  // cleared screen and banner
        EXPECT_TRUE(asked.shell.commands.empty());
    }
    EXPECT_EQ(read_file("AIRPORTS/PORTINFO.TXT"), "EARLIER REPORT\n");
}

TEST(AirportReportTree, RealAirportWithItsThreeLetterCode) {
    TreeWorkdir wd;
    write_file("TOLV.INI", "VIEWER    = less\nEND\n");
    TestProgram tp;
    tp->set.init.os = "LINUX";
    make_ndx(*tp, 91, 7000);
    EXPECT_EQ(rep_by_icao(*tp, "KJFK"), NextMenu::Airport);
    EXPECT_EQ(read_file("AIRPORTS/PORTINFO.TXT"),
              kIndent + "ICAO CODE: KJFK                  OTHER CODE: JFK\n" +
              kIndent + "AIRPORT NAME: John F Kennedy International A\n" +
              kIndent + "CITY NAME: New York                      \n" +
              kIndent + "LATITUDE: 40 DEGS 38 MINS 22 SECS N\n" +
              kIndent + "LONGITUDE:  73 DEGS 46 MINS 46 SECS W\n" +
              kIndent + "ALTITUDE:    13.0 FEET\n");
}

}  // namespace
}  // namespace tolv7
