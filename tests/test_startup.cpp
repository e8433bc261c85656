// Start-up: configuration, the fixed data files, the check log and the batch run choice.
#include <gtest/gtest.h>

#include "app/batch_control.hpp"
#include "app/program_stop.hpp"
#include "support/data_tree_fixture.hpp"

namespace tolv7::test {
namespace {

const std::string kDefaultInp = "2019/06/15\n1200\n   0\n   2\nPLACES.LOC\n";

TEST(RunChoice, LastThreeCharactersUpperCased) {
    EXPECT_EQ(run_type("FLIGHTS.big"), RunType::CityPair);
    EXPECT_EQ(run_type("*.BIG                         "), RunType::CityPair);
    EXPECT_EQ(run_type("ROUTES.DEG"), RunType::Waypoint);
    EXPECT_EQ(run_type("PLACES.LOC"), RunType::LocationList);
    EXPECT_EQ(run_type("PLACES.TXT"), RunType::LocationList);
    EXPECT_EQ(run_type("PLACES"), RunType::LocationList);
    EXPECT_EQ(run_type("BIG"), RunType::CityPair);
    EXPECT_EQ(run_type("IG "), RunType::LocationList);
    EXPECT_EQ(run_type(""), RunType::LocationList);
}

class BatchControlFile : public ::testing::Test {
protected:
    TempDir dir;
    ScopedCwd cwd{dir.path()};
};

TEST_F(BatchControlFile, ReadsTheFiveLinesByColumns) {
    write_file("DEFAULT.INP", "2019/06/15 extra\r\n1230xx\n  37\n   8\nFLIGHTS.BIG and more text beyond thirty\n");
    BatchControl bc = read_default_inp();
    EXPECT_EQ(bc.ymd1, "2019/06/15");
    EXPECT_EQ(bc.hour, 1230);
    EXPECT_EQ(bc.particle, 37);
    EXPECT_EQ(bc.dosekind, 8);
    EXPECT_EQ(bc.name, "FLIGHTS.BIG and more text beyo");
}

TEST_F(BatchControlFile, BlankNumberLinesReadAsZero) {
    write_file("DEFAULT.INP", "0000/00/00\n\n\n   2\nA.LOC\n");
    BatchControl bc = read_default_inp();
    EXPECT_EQ(bc.hour, 0);
    EXPECT_EQ(bc.particle, 0);
}

TEST_F(BatchControlFile, BadOrMissingLinesStopNamingTheFile) {
    for (const char* text : {"2019/06/15\n12x0\n0\n2\nA.LOC\n", "2019/06/15\n1200\n", ""}) {
        write_file("DEFAULT.INP", text);
        try {
            read_default_inp();
            FAIL() << text;
        } catch (const ProgramStop& stop) {
            EXPECT_EQ(stop.status(), kExitFileError);
            EXPECT_NE(std::string(stop.what()).find("DEFAULT.INP"), std::string::npos);
        }
    }
    std::filesystem::remove("DEFAULT.INP");
    EXPECT_THROW(read_default_inp(), ProgramStop);
}

class StartUp : public ::testing::Test {
protected:
    int run(std::string* console = nullptr) { return run_executable(wd.path(), "", console); }
    TreeWorkdir wd;
};

TEST_F(StartUp, EachFixedFileMustExist) {
    write_file("DEFAULT.INP", kDefaultInp);
    for (const char* file : {"AIRPORTS/AIRPORTS.DAT", "SOLARMOD/MV-DATES.L99", "AIRPORTS/CODES",
                             "SOLARMOD/MORDATES.2K", "AIRPORTS/NEWPORTS.DAT", "TOLV.INI"}) {
        std::string saved = read_file(file);
        std::filesystem::remove(file);
        std::string console;
        EXPECT_EQ(run(&console), kExitFileError) << file;
        EXPECT_NE(console.find(tree_path_name(file)), std::string::npos) << console;
        write_file(file, saved);
    }
    EXPECT_FALSE(std::filesystem::exists("DIAGNOSE/TOLV7CHK.DAT"));  // the log opens after them
}

TEST_F(StartUp, MissingDiagnoseFolderOrBatchFileStops) {
    std::string console;
    EXPECT_EQ(run(&console), kExitFileError);  // no DEFAULT.INP yet
    EXPECT_NE(console.find("DEFAULT.INP"), std::string::npos);
    write_file("DEFAULT.INP", kDefaultInp);
    std::filesystem::remove_all("DIAGNOSE");
    EXPECT_EQ(run(&console), kExitFileError);
    EXPECT_NE(console.find(tree_path_name("DIAGNOSE/TOLV7CHK.DAT")), std::string::npos);
}

TEST_F(StartUp, WindowsPathFormLooksForBackslashNames) {
    write_file("DEFAULT.INP", kDefaultInp);
    std::string ini = read_file("TOLV.INI");
    const std::size_t os = ini.find("= ", ini.find("\nOS")) + 2;
    ini.replace(os, ini.find('\n', os) - os, "WINXP");
    write_file("TOLV.INI", ini);
    std::string console;
#ifdef _WIN32
    // There the backslash separates folders: the files are found.
    write_file("PLACES.LOC", "START-\nSTOP--\n");
    EXPECT_EQ(run(&console), kExitNormal) << console;
#else
    EXPECT_EQ(run(&console), kExitFileError);
    EXPECT_NE(console.find("AIRPORTS\\AIRPORTS.DAT"), std::string::npos) << console;
#endif
}

TEST_F(StartUp, CheckLogStartsWithTheConfigurationEchoAndIsWrittenOver) {
    write_file("DEFAULT.INP", kDefaultInp);
    write_file("PLACES.LOC", "START-\nSTOP--\n");
    write_file("DIAGNOSE/TOLV7CHK.DAT", std::string(3'000'000, 'x') + "\nOLD RUN\n");
    EXPECT_EQ(run(), kExitNormal);
    std::string log = read_file("DIAGNOSE/TOLV7CHK.DAT");
    EXPECT_EQ(log.find("OLD RUN"), std::string::npos);
    EXPECT_EQ(log.find("xxx"), std::string::npos);
    auto lines = split_lines(log);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], " MENUS      NO!         ");
    EXPECT_EQ(lines[2], " MENUS     =NO!");
    EXPECT_TRUE(std::filesystem::exists("DEBUGGER.DAT"));
}

}  // namespace
}  // namespace tolv7::test
