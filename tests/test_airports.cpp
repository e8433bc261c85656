// Airport index files, lookup by ICAO code, the search dialogue and the real
// airports of the data tree.
#include <gtest/gtest.h>

#include "airports/airport_record.hpp"
#include "airports/find_airport.hpp"
#include "airports/index_files.hpp"
#include "airports/port_lookup.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "support/data_tree_fixture.hpp"

namespace tolv7 {
namespace {

using test::read_lines;
using test::write_file;

// An airport record of 89 columns (as the entry form writes it).
std::string airport(const std::string& name, const std::string& icao, const std::string& city,
                    const std::string& coordinates = "40382300073470000", const std::string& elevation = "001230") {
    return pad_to(name, 30) + pad_to(icao, 6) + pad_to(city, 30) + coordinates + elevation;
}

const std::string kEnd = end_of_file_record();

class AirportFiles : public ::testing::Test {
protected:
    AirportFiles() : cwd_(dir_.path()) {}

    // make_ndx over the two files; the check log is opened so its lines can be read.
    void index(const std::string& primary, const std::string& user) {
        write_file("AIRPORTS/AIRPORTS.DAT", primary);
        write_file("AIRPORTS/NEWPORTS.DAT", user);
        tp->set.init.os = "LINUX";
        test::open_check_log(tp);
        make_ndx(*tp, 91, 7000);
    }

    test::TempDir dir_;
    test::ScopedCwd cwd_;
    test::TestProgram tp;
};

TEST_F(AirportFiles, IndexesSortByNameOrCityThenCode) {
    std::string a = airport("ZULU FIELD", "KZZZ", "ATLANTA");
    std::string b = airport("ALPHA PORT", "KBBB", "BOSTON");
    std::string c = airport("ALPHA PORT", "KAAA", "CHICAGO");
    std::string dash = airport("DASH FIELD", "----", "ATLANTA", "00000000000000000", "999980");
    std::string nines = airport("NINES FIELD", "KNNN", "ATLANTA", "00000000000000000", "999990");
    index(a + "\n" + b + "\n" + dash + "\n" + kEnd + "\n" + airport("AFTER END", "KXXX", "X") + "\n",
          c + "\n" + nines + "\n" + kEnd + "\n");

    auto pad = [](const std::string& r) { return pad_to(r, 91); };
    EXPECT_EQ(read_lines("AIRPORTS/PORT.NDX"),
              (std::vector<std::string>{pad(c), pad(b), pad(dash), pad(nines), pad(a)}));
    auto city = [&](const std::string& r) { return pad(r.substr(36, 30) + r.substr(30, 6) + r.substr(0, 30) + r.substr(66)); };
    EXPECT_EQ(read_lines("AIRPORTS/CITY.NDX"),
              (std::vector<std::string>{city(dash), city(nines), city(a), city(b), city(c)}));

    // Every record read, the end records included, numbered within its file.
    auto log = test::check_log_lines(tp);
    ASSERT_EQ(log.size(), 7u);
    EXPECT_EQ(log[0], "    1  " + pad(a));
    EXPECT_EQ(log[3], "    4  " + pad(kEnd));
    EXPECT_EQ(log[6], "    3  " + pad(kEnd));
    EXPECT_NE(tp.screen().find(" Reading primary airport database\n Adding any user entered airports\n"
                               " Generating sorted airport lists\n"),
              std::string::npos);
}

TEST_F(AirportFiles, OnlyEndRecordsGiveEmptyIndexes) {
    index(kEnd + "\n", kEnd + "\r\n");
    EXPECT_TRUE(read_lines("AIRPORTS/PORT.NDX").empty());
    EXPECT_TRUE(read_lines("AIRPORTS/CITY.NDX").empty());
}

TEST_F(AirportFiles, PrimaryRecordsStopAtTheCapacityButUserRecordsAllFit) {
    std::string primary;
    for (int i = 1; i <= 7001; ++i) primary += airport("PRIMARY " + std::to_string(i), "P" + std::to_string(i), "C") + "\n";
    std::string user;
    for (int i = 1; i <= 5; ++i) user += airport("USER " + std::to_string(i), "U" + std::to_string(1000 + i), "C") + "\n";
    index(primary, user + kEnd + "\n");
    auto port = read_lines("AIRPORTS/PORT.NDX");
    EXPECT_EQ(port.size(), 7005u);
    EXPECT_EQ(std::count_if(port.begin(), port.end(), [](const std::string& r) { return r.rfind("PRIMARY 7000 ", 0) == 0; }), 1);
    EXPECT_EQ(std::count_if(port.begin(), port.end(), [](const std::string& r) { return r.rfind("PRIMARY 7001 ", 0) == 0; }), 0);
    EXPECT_EQ(port.back(), pad_to(airport("USER 5", "U1005", "C"), 91));
}

TEST_F(AirportFiles, BrokenFilesStopWithStatusTwoNamingFileAndRecord) {
    std::string good = airport("GOOD", "KGGG", "G") + "\n";
    // A file without its end record is told what the end record is first.
    auto no_end = [](const std::string& message) {
        return std::string(13, ' ') + "AIRPORT FILES END WITH A RECORD OF CODE ---- AND 99999 FT\n" +
               std::string(17, ' ') + message;
    };
    const std::string words = " (ICAO code ---- and 99999 ft in columns 84-88)";
    struct Case {
        std::string primary, user, screen, message;
    };
    const Case cases[] = {
        {good + good, kEnd + "\n", no_end("AIRPORTS.DAT HAS NO END OF FILE RECORD AFTER RECORD 2"),
         "AIRPORTS/AIRPORTS.DAT: ends after record 2 without its end record" + words},
        {"", kEnd + "\n", no_end("AIRPORTS.DAT HAS NO END OF FILE RECORD AFTER RECORD 0"),
         "AIRPORTS/AIRPORTS.DAT: is empty: not even its end record" + words},
        {good + airport("BAD", "KBAD", "B", "40382300073470000", "12a450") + "\n" + kEnd + "\n", kEnd + "\n",
         "AIRPORTS.DAT RECORD 2: ELEVATION IS NOT A NUMBER", "AIRPORTS/AIRPORTS.DAT: record 2: ELEVATION"},
        {kEnd + "\n", airport("BAD", "KBAD", "B", "4x382300073470000") + "\n" + kEnd + "\n",
         "NEWPORTS.DAT RECORD 1: LATITUDE IS NOT A NUMBER", "AIRPORTS/NEWPORTS.DAT: record 1: LATITUDE"},
        {kEnd + "\n", good, no_end("NEWPORTS.DAT HAS NO END OF FILE RECORD AFTER RECORD 1"),
         "AIRPORTS/NEWPORTS.DAT: ends after record 1 without its end record" + words},
        // Coordinates that cannot be: latitude 95, minutes 60, longitude 361.
        {good + airport("NORTH", "KNNN", "N", "95000000073470000") + "\n" + kEnd + "\n", kEnd + "\n",
         "AIRPORTS.DAT RECORD 2: LATITUDE IS OUT OF RANGE", "AIRPORTS/AIRPORTS.DAT: record 2: LATITUDE \"950000\""},
        {good + airport("MINUTE", "KMMM", "M", "40602300073470000") + "\n" + kEnd + "\n", kEnd + "\n",
         "AIRPORTS.DAT RECORD 2: LATITUDE IS OUT OF RANGE", "AIRPORTS/AIRPORTS.DAT: record 2: LATITUDE"},
        {kEnd + "\n", airport("EAST", "KEEE", "E", "40382300361000000") + "\n" + kEnd + "\n",
         "NEWPORTS.DAT RECORD 1: LONGITUDE IS OUT OF RANGE", "AIRPORTS/NEWPORTS.DAT: record 1: LONGITUDE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        std::string message;
        EXPECT_EQ(test::stop_status([&] { index(c.primary, c.user); }, &message), kExitFileError);
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
        EXPECT_NE(tp.screen().find(c.screen), std::string::npos) << tp.screen();
        EXPECT_NE(tp.screen().find(" Fatal error, aborting program!"), std::string::npos);
    }
    // The greatest possible coordinates are a place.
    index(airport("POLE", "KPPP", "P", "90000000360000000") + "\n" + kEnd + "\n", kEnd + "\n");
    EXPECT_EQ(read_lines("AIRPORTS/PORT.NDX").size(), 1u);
}

#ifndef _WIN32
// A device in the place of an airport file is refused before it is read: a
// link to /dev/full would give one line of zero bytes without end.
TEST_F(AirportFiles, DeviceInThePlaceOfAnAirportFileStopsWithStatusTwo) {
    for (const char* name : {"AIRPORTS.DAT", "NEWPORTS.DAT"}) {
        SCOPED_TRACE(name);
        index(kEnd + "\n", kEnd + "\n");
        const std::string path = std::string("AIRPORTS/") + name;
        std::filesystem::remove(path);
        std::filesystem::create_symlink("/dev/full", path);
        std::string message;
        EXPECT_EQ(test::stop_status([&] { make_ndx(*tp, 91, 7000); }, &message), kExitFileError);
        EXPECT_EQ(message, path + ": is not a regular file");
        EXPECT_NE(tp.screen().find(std::string(name) + " IS NOT A REGULAR FILE"), std::string::npos);
        std::filesystem::remove(path);
    }
}
#endif

TEST_F(AirportFiles, LookupComparesTheRecordCodeLength) {
    write_file("AIRPORTS/PORT.NDX", pad_to(airport("ALPHA", "ABCD", "A"), 91) + "\n" +
                                        pad_to(airport("BRAVO", "WXYZE", "B"), 91) + "\n" +
                                        pad_to(airport("CHARLIE", "ABC", "C"), 91) + "\n");
    EXPECT_EQ(port_info(*tp, "ABCDX1")->name, pad_to("ALPHA", 30));
    EXPECT_EQ(port_info(*tp, "  ABCD")->name, pad_to("ALPHA", 30));
    EXPECT_EQ(port_info(*tp, "WXYZE")->name, pad_to("BRAVO", 30));
    EXPECT_FALSE(port_info(*tp, "WXYZ"));
    EXPECT_FALSE(port_info(*tp, "ABC"));
    EXPECT_FALSE(port_info(*tp, "abcd"));
    EXPECT_NE(tp.screen().find(" PORT_INFO failed for abcd  \n" + std::string(38, ' ') + "ICAO CODE NOT FOUND IN DATABASES"),
              std::string::npos);
}

// The index is held in memory between lookups; a rebuilt index, or one
// changed by hand, is what the next lookup sees.
TEST_F(AirportFiles, LookupSeesTheIndexAsRebuiltOrChanged) {
    index(airport("ALPHA", "ABCD", "A") + "\n" + kEnd + "\n", kEnd + "\n");
    EXPECT_EQ(port_info(*tp, "ABCD")->name, pad_to("ALPHA", 30));
    EXPECT_FALSE(port_info(*tp, "EFGH"));

    index(airport("ALPHA", "ABCD", "A") + "\n" + kEnd + "\n", airport("ECHO", "EFGH", "E") + "\n" + kEnd + "\n");
    EXPECT_EQ(port_info(*tp, "EFGH")->name, pad_to("ECHO", 30));

    write_file("AIRPORTS/PORT.NDX", pad_to(airport("GOLF", "GGGG", "G"), 91) + "\n");
    EXPECT_EQ(port_info(*tp, "GGGG")->name, pad_to("GOLF", 30));
    EXPECT_FALSE(port_info(*tp, "ABCD"));
    std::filesystem::remove("AIRPORTS/PORT.NDX");
    EXPECT_EQ(test::stop_status([&] { port_info(*tp, "GGGG"); }), kExitFileError);
}

TEST_F(AirportFiles, LookupReadsCoordinatesHemispheresAndElevation) {
    write_file("AIRPORTS/PORT.NDX", airport("NORTH WEST", "KNWA", "N", "40382300073470000", "001230") + "\n" +
                                        airport("SOUTH EAST", "KSEA", "S", "3351000}15110200}", "      ") + "\n");
    auto nw = port_info(*tp, "KNWA");
    ASSERT_TRUE(nw);
    EXPECT_EQ(nw->latitude, 40.63972221408039);
    EXPECT_EQ(nw->ns, 'N');
    EXPECT_EQ(nw->ew, 'W');
    EXPECT_EQ(nw->elevation, 123.0);
    EXPECT_EQ(nw->city, pad_to("N", 30));
    auto se = port_info(*tp, "KSEA");
    ASSERT_TRUE(se);
    EXPECT_EQ(se->ns, 'S');
    EXPECT_EQ(se->ew, 'E');
    EXPECT_NEAR(se->longitude, 151.17222, 1e-5);
    EXPECT_EQ(se->elevation, 0.0);
}

TEST_F(AirportFiles, SearchDialogueShowsIndexAndSubMenu) {
    write_file("TOLV.INI", "VIEWER    = less\nEND\n");
    write_file("AIRPORTS/PORT.NDX", "");
    test::TestProgram menus("x\n2\n1\nKXXX\n3\n4\n");
    EXPECT_EQ(findport(*menus, 2), NextMenu::Airport);
    ASSERT_EQ(menus.shell.commands.size(), 1u);
    EXPECT_NE(menus.shell.commands[0].find("AIRPORTS/CITY.NDX"), std::string::npos);
    EXPECT_NE(menus.screen().find("          <4>  Exit the program.                            \n\n\n\n\n"
                                  "          \n\nType 1, 2, 3, or 4 and press <ENTER> .\n"),
              std::string::npos);
    EXPECT_EQ(findport(*menus, 0), NextMenu::Main);  // a code that is not found
    EXPECT_EQ(findport(*menus, 0), NextMenu::Main);
    EXPECT_EQ(findport(*menus, 0), NextMenu::Exit);  // the exit item ends by a normal return
}

TEST(TreeAirports, RealAirportsReadBack) {
    test::TreeWorkdir wd;
    test::TestProgram tp;
    tp->set.init.os = "LINUX";
    make_ndx(*tp, 91, 7000);
    EXPECT_EQ(read_lines("AIRPORTS/PORT.NDX").size(), 4955u);
    EXPECT_EQ(read_lines("AIRPORTS/NEWPORTS.DAT"), std::vector<std::string>{kEnd});

    auto jfk = port_info(*tp, "KJFK");  // 40.639447 N, 73.779317 W, 13 ft
    ASSERT_TRUE(jfk);
    EXPECT_EQ(jfk->name, "John F Kennedy International A");
    EXPECT_EQ(jfk->latitude, record_degrees(40, 38, 22));
    EXPECT_EQ(jfk->longitude, record_degrees(73, 46, 46));
    EXPECT_EQ(jfk->ew, 'W');
    EXPECT_EQ(jfk->elevation, 13.0);
    auto masada = port_info(*tp, "LLMZ");  // below sea level
    EXPECT_EQ(masada->elevation, -1266.0);
    EXPECT_EQ(masada->ew, 'E');
    EXPECT_EQ(port_info(*tp, "LERL")->elevation, 0.0);  // elevation unknown
    auto codes = read_lines("AIRPORTS/CODES");
    EXPECT_NE(std::find(codes.begin(), codes.end(), "JFK,KJFK"), codes.end());
}

}  // namespace
}  // namespace tolv7
