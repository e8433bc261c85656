// The airport entry form: its screens, the answers it refuses, the record it
// builds and the rewrite of the user airport file.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

#include "airports/airport_entry.hpp"
#include "airports/airport_record.hpp"
#include "airports/airport_report.hpp"
#include "airports/code_file.hpp"
#include "airports/held_files.hpp"
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
// The end record as the form writes it, column by column.
const std::string kEndLine = "END OF FILE                   " "----  " "END OF FILE                   "
                             "99999990" "999999999" "999990";

// What a save may change in a folder: each entry with its link text, its
// permission bits and, for a regular file, its content.
std::vector<std::string> folder_state(const fs::path& folder) {
    std::vector<std::string> entries;
    for (const auto& e : fs::directory_iterator(folder)) {
        std::string entry = e.path().filename().string();
        if (e.is_symlink()) entry += " -> " + fs::read_symlink(e.path()).string();
        std::error_code ec;
        fs::file_status status = fs::status(e.path(), ec);
        entry += " " + std::to_string(static_cast<int>(status.permissions()));
        if (fs::is_regular_file(status)) entry += "\n" + read_file(e.path());
        entries.push_back(entry);
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

// AIRPORTS/NEWPORTS.DAT as a writable file with the text (none when empty),
// whatever it was before; no temporary file beside it.
void fresh_user_file(const std::string& text) {
    const fs::path path = "AIRPORTS/NEWPORTS.DAT";
    std::error_code ec;
    // Never through a link: the link to /dev/full must not change the device.
    if (fs::is_regular_file(fs::symlink_status(path, ec))) fs::permissions(path, fs::perms::owner_all, ec);
    fs::remove(path, ec);
    fs::remove("AIRPORTS/NEWPORTS.TMP", ec);
    if (!text.empty()) write_file(path, text);
}

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
    b.ns = "n";  // upper-cased first
    b.ew = "w";
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
    a.name = "\"real FIELD\"";
    a.code = "----\nABC\n\"  ABCD\"\n\"      \"\nZZZA";
    a.three_letter = "YES";  // one character counts: Y
    // 90 degrees 7 minutes is beyond the pole: the whole latitude again.
    a.ns = "X\nN";  // would be stored as north
    a.ew = "\"\"\nQ\nW";  // an empty answer too
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
        {"<1>  Airport name (UP TO 30 CHARACTERS).", 1},
        {"<3>  ICAO code (UP TO 6 CHARACTERS).", 5},
        {" Entry invalid, ---- marks the end of the file.\n", 1},
        {" Entry invalid, the code must not begin with a blank.\n", 1},
        {" Entry invalid, the code must be 4 to 6 characters.\n", 2},  // ABC and all blanks
        {"<4>  Add a 3 letter code? (YN)", 1},
        {"<6a>  NORTH OR SOUTH <N/S>", 2},
        {" Entry invalid, must be N or S.\n\n", 1},
        {"<7a>  EAST OR WEST <E/W>.", 3},
        {" Entry invalid, must be E or W.\n\n", 2},
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

// A save that cannot be done: the old file as it was (a link still the same
// link), the file and the cause on the console and in the check log, the
// index not rebuilt, and the session kept to end with status 2.
TEST_F(EntryForm, FailedSaveKeepsTheOldFileAndNamesFileAndCause) {
    const std::string path = "AIRPORTS/NEWPORTS.DAT";
    auto relink = [path](const std::string& target) {
        fs::remove(path);
        fs::create_symlink(target, path);
    };
    const fs::perms read_only = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    struct Case {
        const char* what;
        std::function<void()> setup;
        std::string cause;    // after the file name
        std::string console;  // the short cause on the console
    };
    const std::vector<Case> cases = {
        // Tests may run as root, who may write any file: the program tests
        // the bits itself.
        {"read-only file", [&] { fs::permissions(path, read_only); }, "is read-only", "IS READ-ONLY"},
        {"removed while the program ran", [&] { fs::remove(path); }, "does not exist", "DOES NOT EXIST"},
        {"end record lost while the program ran", [&] { write_file(path, kTestField + "\n"); },
         "has no end record (ICAO code ---- and 99999 ft in columns 84-88, as in \"" + kEndLine + "\")",
         "HAS NO END RECORD (CODE ---- AND 99999 FT)"},
#ifndef _WIN32
        {"temporary name taken by a folder", [] { fs::create_directory("AIRPORTS/NEWPORTS.TMP"); },
         "could not be written: its temporary file AIRPORTS/NEWPORTS.TMP cannot be created (File exists)",
         "CANNOT GET ITS TEMPORARY FILE"},
        {"link to the full device", [&] { relink("/dev/full"); }, "is a link to /dev/full, which is not a regular file",
         "IS NOT A REGULAR FILE"},
        {"link to nothing", [&] { relink("gone/NEWPORTS.DAT"); }, "is a link to gone/NEWPORTS.DAT, which does not exist",
         "IS A LINK TO A FILE THAT DOES NOT EXIST"},
        {"link to a read-only file",
         [&] {
             write_file("elsewhere/ports.dat", kTestField + "\n" + kEndLine + "\n");
             fs::permissions("elsewhere/ports.dat", read_only);
             relink("../elsewhere/ports.dat");
         },
         "is a link to " + (fs::current_path() / "elsewhere" / "ports.dat").string() + ", which is read-only",
         "IS READ-ONLY"},
#endif
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fresh_user_file(kTestField + "\n" + kEndLine + "\n");
        {
            TestProgram indexer;  // closed again: Windows removes no file held open
            start(indexer);
            make_ndx(*indexer, 91, 7000);
        }
        c.setup();
        auto before = folder_state("AIRPORTS");

        Answers a;
        a.code = "ZZZB";
        TestProgram tp(a.script());
        open_check_log(tp);
        EXPECT_EQ(fill(tp), NextMenu::Airport);
        EXPECT_EQ(folder_state("AIRPORTS"), before);
        const std::string failure = path + ": " + c.cause;
        // The console in its own style: the cause in short capitals; the
        // file and the cause in words go to the check log and the stop.
        auto screen = tp.screen_lines();
        EXPECT_EQ(std::count(screen.begin(), screen.end(), "           NEWPORTS.DAT " + c.console), 1) << tp.screen();
        EXPECT_EQ(tp.screen().find(failure), std::string::npos);
        EXPECT_NE(tp.screen().find("          NEWPORTS.DAT COULD NOT BE WRITTEN, NOTHING WAS SAVED"), std::string::npos);
        EXPECT_EQ(tp.screen().find("Generating sorted airport lists"), std::string::npos);
        auto log = check_log_lines(tp);
        EXPECT_EQ(std::count(log.begin(), log.end(), " NEWPORTS.DAT NOT SAVED: " + failure), 1);
        EXPECT_EQ(tp->airports.failed_save, failure + "; the airport entered was not saved");
        EXPECT_FALSE(port_info(*tp, "ZZZB"));
    }
    fresh_user_file(kEndLine + "\n");
}

#ifndef _WIN32
// A write that the system cuts short (here by a limit on the size of the
// files the process may write, as a full disk would): the old file stays and
// the temporary file is gone. The save runs in a child process, which alone
// bears the limit.
TEST_F(EntryForm, WriteCutShortByTheSystemLeavesTheOldFile) {
    const std::string old_file = kTestField + "\n" + kEndLine + "\n";
    write_file("AIRPORTS/NEWPORTS.DAT", old_file);
    int pipe_fds[2];
    ASSERT_EQ(::pipe(pipe_fds), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(pipe_fds[0]);
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{100, 100};  // the new file needs 270 bytes
        ::setrlimit(RLIMIT_FSIZE, &limit);
        TestProgram tp;
        start(tp);
        auto failed = add_user_airport(*tp, kTestField);
        std::string text = failed ? failed->text() : "saved";
        bool sent = ::write(pipe_fds[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(pipe_fds[1]);
    std::string said;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipe_fds[0], buffer, sizeof buffer)) > 0;) said.append(buffer, static_cast<std::size_t>(n));
    ::close(pipe_fds[0]);
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(said, "AIRPORTS/NEWPORTS.DAT: could not be written (File too large)");
    EXPECT_EQ(read_file("AIRPORTS/NEWPORTS.DAT"), old_file);
    EXPECT_FALSE(fs::exists(fs::symlink_status("AIRPORTS/NEWPORTS.TMP")));
}

// A saved airport goes into the file a link leads to (the link stays as it
// was), the file keeps its permission bits and, for root, its owner, no
// temporary file is left, and the handle held open reads the new file.
TEST_F(EntryForm, SaveWritesThroughLinksAndKeepsTheFilesBits) {
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> links;  // link, its text
        std::string file;                                        // the file written
        fs::perms perms;
    };
    using P = fs::perms;
    const std::vector<Case> cases = {
        {"plain file", {}, "AIRPORTS/NEWPORTS.DAT", P::owner_read | P::owner_write | P::group_read},
        {"link to another folder", {{"AIRPORTS/NEWPORTS.DAT", "../elsewhere/ports.dat"}}, "elsewhere/ports.dat",
         P::owner_read | P::owner_write},
        {"link to a link",
         {{"AIRPORTS/NEWPORTS.DAT", "NEWPORTS.LNK"}, {"AIRPORTS/NEWPORTS.LNK", "../elsewhere/ports.dat"}},
         "elsewhere/ports.dat", P::owner_read | P::group_write | P::group_read | P::others_read},
    };
    const bool root = ::geteuid() == 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fresh_user_file("");
        fs::remove_all("elsewhere");
        fs::remove("AIRPORTS/NEWPORTS.LNK");
        write_file(c.file, kTestField + "\n" + kEndLine + "\n");
        for (const auto& [link, text] : c.links) fs::create_symlink(text, link);
        fs::permissions(c.file, c.perms);
        if (root) {
            ASSERT_EQ(::chown(c.file.c_str(), 4321, 4322), 0);
        }

        Answers a;
        a.code = "ZZZB";
        TestProgram tp(a.script());
        EXPECT_EQ(fill(tp), NextMenu::Main);
        for (const auto& [link, text] : c.links) EXPECT_EQ(fs::read_symlink(link).string(), text);
        const std::string added = "TEST FIELD                    ZZZB  " + kTestField.substr(36);
        EXPECT_EQ(read_file(c.file), added + "\n" + kTestField + "\n" + kEndLine + "\n");
        EXPECT_EQ(fs::status(c.file).permissions(), c.perms);
        struct stat st {};
        ASSERT_EQ(::stat(c.file.c_str(), &st), 0);
        if (root) {
            EXPECT_EQ(std::make_pair(st.st_uid, st.st_gid), std::make_pair(uid_t{4321}, gid_t{4322}));
        }
        for (const char* temp : {"AIRPORTS/NEWPORTS.TMP", "elsewhere/NEWPORTS.TMP"})
            EXPECT_FALSE(fs::exists(fs::symlink_status(temp))) << temp;

        std::string first;
        rewind_held(tp->airports.newports_file);
        ASSERT_TRUE(read_line(tp->airports.newports_file, first));
        EXPECT_EQ(first, added);
        EXPECT_TRUE(port_info(*tp, "ZZZB"));
        EXPECT_TRUE(tp->airports.failed_save.empty());
    }
    fresh_user_file(kEndLine + "\n");
}
#endif

// The rewrite keeps the records before the record that the index rebuild
// stops at (ICAO code ---- and 99999 ft), whatever their names: every user
// airport indexed before a save is in the file after it.
TEST_F(EntryForm, RewriteKeepsEveryRecordTheIndexRebuildReads) {
    auto user = [](const std::string& name, const std::string& code, const std::string& feet) {
        return pad_to(name, 30) + pad_to(code, 6) + pad_to("TOWN", 30) + "10000000020000000" + feet + "0";
    };
    const std::string road = user("END OF FILE ROAD", "ZZER", "00150");
    const std::string after = user("AFTER ROAD", "ZZAR", "00200");
    const std::string dashes = user("DASHES FIELD", "----", "12345");  // the end record's code alone
    const std::string high = user("HIGH FIELD", "ZZHI", "99999");      // its elevation alone
    const std::string lower_end =
        "end of file                   ----  end of file                   99999990999999999999990";
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        std::vector<std::string> kept;
    };
    const std::vector<Case> cases = {
        {"a name that looks like the end record", {road, after, kEndLine}, {road, after}},
        {"the end record's code alone", {dashes, kEndLine}, {dashes}},
        {"the end record's elevation alone", {high, kEndLine}, {high}},
        {"the end record in lower case", {road, lower_end, "NOT AN AIRPORT"}, {road}},
        {"a second end record", {after, kEndLine, road, kEndLine}, {after}},
    };
    auto indexed = [] { return read_lines("AIRPORTS/PORT.NDX").size(); };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string old_file;
        for (const auto& line : c.lines) old_file += line + "\n";
        write_file("AIRPORTS/NEWPORTS.DAT", old_file);
        TestProgram tp;
        start(tp);
        make_ndx(*tp, 91, 7000);
        EXPECT_EQ(indexed(), 1 + c.kept.size());  // the primary airport and the user airports

        EXPECT_FALSE(add_user_airport(*tp, kTestField));
        std::string expected = kTestField + "\n";
        for (const auto& line : c.kept) expected += line + "\n";
        EXPECT_EQ(read_file("AIRPORTS/NEWPORTS.DAT"), expected + kEndLine + "\n");
        make_ndx(*tp, 91, 7000);
        EXPECT_EQ(indexed(), 2 + c.kept.size());
    }
}

TEST_F(EntryForm, NameThatLooksLikeTheEndRecordIsTakenAndKept) {
    Answers a;
    a.name = "\"END OF FILE ROAD\"";
    a.code = "ZZER";
    {
        // Gone before the second save: Windows renames nothing over a file
        // that another program holds open.
        TestProgram first(a.script());
        EXPECT_EQ(fill(first), NextMenu::Main);
    }
    TestProgram second(Answers{}.script());
    EXPECT_EQ(fill(second), NextMenu::Main);
    const std::string road = "END OF FILE ROAD              ZZER  " + kTestField.substr(36);
    EXPECT_EQ(read_lines("AIRPORTS/NEWPORTS.DAT"), (std::vector<std::string>{kTestField, road, kEndLine}));
    EXPECT_TRUE(port_info(*second, "ZZER"));
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
    EXPECT_FALSE(add_user_airport(*tp, kTestField));
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
    // The last: an end record named in lower case whose elevation is 99998.
    for (const std::string& old_file :
         {kTestField + "\n", kTestField + "\nend of file                   ----  end of file                   "
                                          "99999990999999999999980\n"}) {
        write_file("AIRPORTS/NEWPORTS.DAT", old_file);
        TestProgram tp;
        start(tp);
        auto failed = add_user_airport(*tp, kTestField);
        ASSERT_TRUE(failed);
        EXPECT_EQ(failed->text(), "AIRPORTS/NEWPORTS.DAT: has no end record (ICAO code ---- and 99999 ft in columns "
                                  "84-88, as in \"" + kEndLine + "\")");
        EXPECT_EQ(failed->brief, "HAS NO END RECORD (CODE ---- AND 99999 FT)");
        EXPECT_EQ(read_file("AIRPORTS/NEWPORTS.DAT"), old_file);
        EXPECT_FALSE(fs::exists("AIRPORTS/NEWPORTS.TMP"));
    }
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

// The built program: a save that fails is shown, the session goes on to the
// exit item, and the program ends with status 2 and a line on standard error
// naming the file and the cause of the first save that failed; a save that
// works ends with 0.
TEST(EntryFormSession, FailedSaveLetsTheSessionGoOnAndEndWithStatus2) {
    const std::string path = tree_path_name("AIRPORTS/NEWPORTS.DAT");
    const auto read_only = [&] {
        fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    };
#ifndef _WIN32
    // Start-up refuses a device in the place of the file, so the "viewer" of
    // the code file puts the link there while the form is open.
    const auto relinking_viewer = [] {
        write_file("relink", "#!/bin/sh\nln -sf /dev/full AIRPORTS/NEWPORTS.DAT\n");
        fs::permissions("relink", fs::perms::owner_all);
        write_file("TOLV.INI", "MENUS     = FEW\nOS        = LINUX\nVIEWER    = './relink'\nEND\n");
    };
    Answers second;  // a second form in the session, whose viewer relinks
    second.three_letter = "Y";
#endif
    struct Case {
        const char* what;
        std::function<void()> setup;
        std::string three_letter;  // Y: the viewer runs while the form is open
        std::string after_form;    // the answers that end the session
        int status;
        std::string cause;
        std::vector<std::string> console;  // the short causes shown, in order
    };
    const std::vector<Case> cases = {
        {"saved", [] {}, "N", "7\n", kExitNormal, "", {}},
        {"read-only file", read_only, "N", "6\n7\n", kExitFileError, "is read-only", {"IS READ-ONLY"}},
#ifndef _WIN32
        {"linked to the full device while the form is open", relinking_viewer, "Y", "6\n7\n", kExitFileError,
         "is a link to /dev/full, which is not a regular file", {"IS NOT A REGULAR FILE"}},
        // Two saves fail for different causes: the first decides the stop.
        {"read-only, then linked to the full device in a second form",
         [&] {
             read_only();
             relinking_viewer();
         },
         "N", "4\n" + second.script() + "6\n7\n", kExitFileError, "is read-only",
         {"IS READ-ONLY", "IS NOT A REGULAR FILE"}},
#endif
    };
    tree::TreeOptions options;
    options.menus = "FEW";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TreeWorkdir wd(options);
        const std::string old_file = read_file(path);
        c.setup();
        Answers a;
        a.three_letter = c.three_letter;
        std::string console;
        EXPECT_EQ(run_executable(wd.path(), "3\n4\n" + a.script() + c.after_form, &console), c.status);
        if (c.status == kExitNormal) {
            EXPECT_EQ(read_lines(path).at(0), kTestField);
            continue;
        }
        const std::string failure = path + ": " + c.cause;
        auto lines = split_lines(console);
        std::vector<std::string> shown;
        for (const auto& line : lines)
            if (line.rfind("           NEWPORTS.DAT ", 0) == 0) shown.push_back(line.substr(24));
        EXPECT_EQ(shown, c.console) << console;
        EXPECT_EQ(lines.back(), "tolv7: " + failure + "; the airport entered was not saved");
        if (fs::is_regular_file(fs::symlink_status(path))) {
            EXPECT_EQ(read_file(path), old_file);
            fs::permissions(path, fs::perms::owner_all);
        }
    }
}

}  // namespace
}  // namespace tolv7
