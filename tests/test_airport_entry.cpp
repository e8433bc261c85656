// The airport entry form: its screens, the answers it refuses, the record it
// builds and the rewrite of the user airport file.
#include <gtest/gtest.h>

#include <algorithm>

#include "airports/airport_entry.hpp"
#include "airports/airport_record.hpp"
#include "airports/airport_report.hpp"
#include "airports/code_file.hpp"
#include "airports/index_files.hpp"
#include "airports/port_lookup.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "program/startup.hpp"
#include "runs/location_run.hpp"
#include "support/data_tree_fixture.hpp"
#include "support/menu_rig.hpp"

namespace tolv7 {
namespace {

using namespace test;

const std::string kEnd = end_of_file_record();

// The answers of one form, in the order asked.
struct Answers {
    std::string name = "\"Test Field\"", city = "TESTVILLE", code = "ZZZA", three_letter = "N";
    std::string ns = "N", lat_degrees = "5", lat_minutes = "7", lat_seconds = "0";
    std::string ew = "W", lon_degrees = "7", lon_minutes = "45", lon_seconds = "30";
    std::string feet = "350", correct = "Y";
    std::string script() const {
        std::string s;
        for (const auto* a : {&name, &city, &code, &three_letter, &ns, &lat_degrees, &lat_minutes, &lat_seconds, &ew,
                              &lon_degrees, &lon_minutes, &lon_seconds, &feet, &correct})
            s += *a + "\n";
        return s;
    }
};

// The record of the default answers, column by column.
const std::string kTestField = "TEST FIELD                    " "ZZZA  " "TESTVILLE                     "
                               "050700" "0" "0" "0074530" "0" "0" "003500";

// A folder with the fixed files (the user file holding only its end record)
// and the index files built from them.
class EntryForm : public ::testing::Test {
protected:
    EntryForm() : cwd_(dir_.path()) {
        write_minimal_tree(dir_.path(), "VIEWER    = less\nEND\n");
        write_file("AIRPORTS/AIRPORTS.DAT", pad_to("PRIMARY FIELD", 30) + "PRIM  " + pad_to("PRIMTOWN", 30) +
                                                "10000000020000000001000\n" + kEnd + "\n");
        TestProgram tp;
        start(tp);
        make_ndx(*tp, 91, 7000);
    }

    static void start(TestProgram& tp) { tp->set.init.os = "LINUX"; }

    // The form run with the answers; what comes next.
    NextMenu fill(TestProgram& tp) {
        start(tp);
        return addaport(*tp);
    }

    // The files of AIRPORTS/ with their contents.
    static std::vector<std::pair<std::string, std::string>> airport_folder() {
        std::vector<std::pair<std::string, std::string>> files;
        for (const auto& e : fs::directory_iterator("AIRPORTS"))
            files.emplace_back(e.path().filename().string(), e.is_regular_file() ? read_file(e.path()) : "<folder>");
        std::sort(files.begin(), files.end());
        return files;
    }

    TempDir dir_;
    ScopedCwd cwd_;
};

TEST_F(EntryForm, ScreenWithCodeEditingAndNorthWestConfirmationDeclined) {
    Answers a;
    a.three_letter = "Q\nY";
    a.correct = "N";
    TestProgram tp(a.script());
    tp.shell.handler = [](const std::string&) { write_file("AIRPORTS/CODES", "ZZA,ZZZA\n"); };
    auto before = airport_folder();
    EXPECT_EQ(fill(tp), NextMenu::Airport);
    EXPECT_TRUE(matches_golden("airports/entry_form_north_west.txt", tp.screen()));
    EXPECT_EQ(tp.shell.commands, std::vector<std::string>{"less         'AIRPORTS/CODES'"});

    // Declined: the airport files and indexes as they were; the code edit stays.
    auto after = airport_folder();
    for (auto& [name, content] : before)
        if (name == "CODES") content = "ZZA,ZZZA\n";
    EXPECT_EQ(after, before);
    EXPECT_EQ(altcode(*tp, "ZZZA"), "ZZA");
}

TEST_F(EntryForm, FirstAirportIntoTheEndRecordOnlyFileIsFoundAtOnce) {
    Answers a;
    a.name = "\"South Field\"";
    a.code = "ZZSE";
    a.ns = "s";
    a.ew = "e";
    a.lat_degrees = "33";
    a.lon_degrees = "151";
    a.feet = "-50";
    TestProgram tp(a.script());
    tp->set.init.diag = "YES";
    EXPECT_EQ(fill(tp), NextMenu::Main);
    EXPECT_EQ(tp->set.init.diag, "NO!");
    EXPECT_TRUE(matches_golden("airports/entry_form_south_east.txt", tp.screen()));

    const std::string record = "SOUTH FIELD                   " "ZZSE  " "TESTVILLE                     "
                               "330700" "0" "}" "1514530" "0" "}" "-00500";
    EXPECT_EQ(read_file("AIRPORTS/NEWPORTS.DAT"), record + "\n" + kEnd + "\n");
    EXPECT_FALSE(fs::exists("AIRPORTS/NEWPORTS.TMP"));
    EXPECT_TRUE(tp->airports.newports_file.is_open());

    auto found = port_info(*tp, "ZZSE");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->ns, 'S');
    EXPECT_EQ(found->ew, 'E');
    EXPECT_EQ(found->elevation, -50.0);
    EXPECT_EQ(rep_by_icao(*tp, "ZZSE"), NextMenu::Airport);
    EXPECT_EQ(read_lines("AIRPORTS/PORTINFO.TXT")[5], "          ALTITUDE:   -50.0 FEET");
}

TEST_F(EntryForm, NumbersAreStoredZeroPaddedAsTheirOwnDigits) {
    auto record_of = [&](const Answers& a) {
        write_file("AIRPORTS/NEWPORTS.DAT", kEnd + "\n");
        TestProgram tp(a.script());
        EXPECT_EQ(fill(tp), NextMenu::Main);
        return read_lines("AIRPORTS/NEWPORTS.DAT").at(0);
    };
    EXPECT_EQ(record_of(Answers{}), kTestField);

    Answers b;
    b.lat_degrees = "05";
    b.lon_degrees = "045";
    b.feet = "012345";
    b.ns = "X";  // anything but S is north, anything but E west
    b.ew = "X";
    std::string r = record_of(b);
    EXPECT_EQ(field_text(r, port_col::lat_degrees), "05");
    EXPECT_EQ(field_text(r, port_col::lon_degrees), "045");
    EXPECT_EQ(field_text(r, port_col::elevation), "123450");
    EXPECT_EQ(field_text(r, port_col::lat_code) + field_text(r, port_col::lon_code), "00");

    Answers c;  // the pole and the far end of the longitude range
    c.feet = "0";
    c.lat_degrees = "90";
    c.lat_minutes = "0";
    c.lat_seconds = "0";
    c.lon_degrees = "360";
    c.lon_minutes = "0";
    c.lon_seconds = "0";
    r = record_of(c);
    EXPECT_EQ(field_text(r, port_col::elevation), "000000");
    EXPECT_EQ(field_text(r, port_col::lat_degrees), "90");
    EXPECT_EQ(field_text(r, port_col::lon_degrees), "360");
    EXPECT_EQ(r.size(), 89u);
}

TEST_F(EntryForm, EachRefusedAnswerIsAskedAgain) {
    Answers a;
    a.name = "\"END OF FILE 2\"\n\"real FIELD\"";
    a.code = "----\nABC\n\"  ABCD\"\nZZZA";
    a.three_letter = "YES";  // one character counts: Y
    // 90 degrees 7 minutes is beyond the pole: the whole latitude again.
    a.lat_degrees = "-5\nA1\n90";
    a.lat_minutes = "1.5\n7";
    a.lat_seconds = "60\n0\n5\n7\n0";
    a.lon_degrees = "-1\n7";
    a.feet = "123456\n-10000\n12X\n350";
    TestProgram tp(a.script());
    EXPECT_EQ(fill(tp), NextMenu::Main);
    EXPECT_EQ(read_lines("AIRPORTS/NEWPORTS.DAT").at(0), "REAL" + kTestField.substr(4));  // upper-cased

    // How often each prompt and message appears.
    const std::pair<const char*, int> shown[] = {
        {"<1>  Airport name (UP TO 30 CHARACTERS).", 2},
        {" Entry invalid, a name cannot begin END OF FILE.\n", 1},
        {"<3>  ICAO code (UP TO 6 CHARACTERS).", 4},
        {" Entry invalid, ---- marks the end of the file.\n", 1},
        {" Entry invalid, the code must be 4 to 6 characters.\n", 2},
        {"<4>  Add a 3 letter code? (YN)", 1},
        {"<6b>  DEGREES (UP TO 2 CHARACTERS).", 4},
        {"<6c>  MINUTES (UP TO 2 CHARACTERS).", 3},
        {" Entry invalid, must be a whole number 0 to 90.\n", 2},
        {" Entry invalid, must be a whole number 0 to 59.\n", 2},
        {" Entry invalid, must be at most 90 degrees.\n", 1},
        {"<7b>  DEGREES (UP TO 3 CHARACTERS).", 2},
        {" Entry invalid, must be a whole number 0 to 360.\n", 1},
        {"<8>  ALTITUDE IN FEET (UP TO 5 CHARACTERS).", 4},
        {" Entry invalid, must be a whole number -9999 to 99999.\n", 3},
    };
    const std::string screen = tp.screen();
    for (const auto& [text, times] : shown) EXPECT_EQ(occurrences(screen, text), times) << text;
}

TEST_F(EntryForm, EndOfInputMidFormStopsWithStatus3AndTouchesNothing) {
    Answers a;
    std::string script = a.script();
    auto before = airport_folder();
    for (std::size_t lines : {1u, 6u, 13u}) {  // after the name, latitude degrees, the elevation
        std::size_t cut = 0;
        for (std::size_t i = 0; i < lines; ++i) cut = script.find('\n', cut) + 1;
        TestProgram tp(script.substr(0, cut));
        EXPECT_EQ(stop_status([&] { fill(tp); }), kExitEndOfInput) << lines;
        EXPECT_EQ(airport_folder(), before) << lines;
    }
}

TEST_F(EntryForm, FailedWriteKeepsTheOldFileAndSaysSo) {
    write_file("AIRPORTS/NEWPORTS.DAT", kTestField + "\n" + kEnd + "\n");
    TestProgram indexer;
    start(indexer);
    make_ndx(*indexer, 91, 7000);
    fs::create_directory("AIRPORTS/NEWPORTS.TMP");  // the temporary file cannot be written
    auto before = airport_folder();

    Answers a;
    a.code = "ZZZB";
    TestProgram tp(a.script());
    EXPECT_EQ(fill(tp), NextMenu::Airport);
    EXPECT_EQ(airport_folder(), before);
    EXPECT_NE(tp.screen().find("          NEWPORTS.DAT COULD NOT BE WRITTEN, NOTHING WAS SAVED"), std::string::npos);
    EXPECT_EQ(tp.screen().find("Generating sorted airport lists"), std::string::npos);
    EXPECT_TRUE(tp->airports.newports_file.is_open());
    EXPECT_FALSE(port_info(*tp, "ZZZB"));
}

TEST_F(EntryForm, EveryEarlierRecordIsKeptInOrderBehindTheNewOne) {
    std::vector<std::string> earlier;
    for (int i = 1; i <= 250; ++i)
        earlier.push_back(pad_to("USER " + std::to_string(i), 30) + pad_to("U" + std::to_string(1000 + i), 6) +
                          pad_to("TOWN", 30) + "10000000020000000001000");
    std::string old_file;
    for (const auto& r : earlier) old_file += r + "\n";
    old_file.insert(old_file.find("USER 7 ") + 89, "\r");  // a line edited on Windows
    std::string wide = earlier[99] + "XY";            // 91 columns: columns 90-91 are dropped
    old_file.replace(old_file.find(earlier[99]), 89, wide);
    std::string short_line = trim_right(earlier[149]);
    old_file.replace(old_file.find(earlier[149]), 89, short_line);
    write_file("AIRPORTS/NEWPORTS.DAT", old_file + kEnd + "\n" + "AFTER THE END\n");

    TestProgram tp;
    start(tp);
    EXPECT_EQ(add_user_airport(*tp, kTestField), SaveOutcome::Saved);
    std::vector<std::string> expected{kTestField};
    expected.insert(expected.end(), earlier.begin(), earlier.end());
    expected.push_back(kEnd);
    std::string expected_file;
    for (const auto& line : expected) expected_file += line + "\n";
    EXPECT_EQ(read_file("AIRPORTS/NEWPORTS.DAT"), expected_file);

    make_ndx(*tp, 91, 7000);
    EXPECT_EQ(read_lines("AIRPORTS/PORT.NDX").size(), 252u);  // the primary airport and 251 user airports
}

TEST_F(EntryForm, UserFileWithoutItsEndRecordIsNotRewritten) {
    write_file("AIRPORTS/NEWPORTS.DAT", kTestField + "\n");
    TestProgram tp;
    start(tp);
    EXPECT_EQ(stop_status([&] { add_user_airport(*tp, kTestField); }), kExitFileError);
    EXPECT_EQ(read_file("AIRPORTS/NEWPORTS.DAT"), kTestField + "\n");
}

TEST_F(EntryForm, WindowsSettingNamesTheUserAndCodeFilesWithBackslashes) {
#ifndef _WIN32
    // Here a backslash is part of the file name, so the files the form
    // reaches under the Windows names are separate files.
    for (const char* name : {"AIRPORTS.DAT", "NEWPORTS.DAT", "CODES"})
        fs::copy_file(fs::path("AIRPORTS") / name, std::string("AIRPORTS\\") + name);
    const std::string unix_user_file = read_file("AIRPORTS/NEWPORTS.DAT");
#endif
    Answers a;
    a.three_letter = "Y";
    TestProgram tp(a.script());
    tp->set.init.os = "WIN  ";
    EXPECT_EQ(addaport(*tp), NextMenu::Main);
    EXPECT_EQ(tp.shell.commands, std::vector<std::string>{"less         \"AIRPORTS\\CODES\""});
    EXPECT_EQ(read_file("AIRPORTS\\NEWPORTS.DAT"), kTestField + "\n" + kEnd + "\n");
#ifndef _WIN32
    EXPECT_EQ(read_file("AIRPORTS/NEWPORTS.DAT"), unix_user_file);
#endif
    EXPECT_TRUE(port_info(*tp, "ZZZA"));  // the index files always with a slash
}

TEST(EntryFormSession, NewAirportServesTheLocationRunOfTheSameSession) {
    TreeWorkdir wd;
    Answers a;
    a.code = "ZZZA";
    a.lat_degrees = "40";
    a.lon_degrees = "75";
    TestProgram tp(a.script());
    start_up(*tp);
    EXPECT_EQ(addaport(*tp), NextMenu::Main);
    write_file("DEFAULT.INP", "2019/06/15\n1200\n   0\n   2\nPLACES.LOC\n");
    write_file("PLACES.LOC", "START-\nA,ZZZA,F,35000,2019/06/15,H12,P00,D2\nSTOP--\n");
    readit(*tp);
    auto answers = read_lines("PLACES.ANS");
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[1].substr(0, 21), "  40.11667, -75.75833");
    EXPECT_EQ(tp.screen().find("PORT_INFO failed"), std::string::npos);
}

}  // namespace
}  // namespace tolv7
