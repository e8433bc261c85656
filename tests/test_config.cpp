// Reading TOLV.INI into the settings records.
#include <gtest/gtest.h>

#include "app/config.hpp"
#include "app/program_stop.hpp"
#include "support/test_program.hpp"

namespace tolv7::test {
namespace {

// One TOLV.INI line: key in columns 1-10, "=" in 11, a blank in 12, the value from 13.
std::string ini_line(const std::string& key, const std::string& value) {
    std::string line = key;
    line.resize(10, ' ');
    return line + "= " + value + "\n";
}

class Config : public ::testing::Test {
protected:
    Settings read(const std::string& text) {
        write_file(dir.path() / "TOLV.INI", text);
        getini(*tp);
        return tp->set;
    }
    TempDir dir;
    ScopedCwd cwd{dir.path()};
    TestProgram tp;
};

TEST_F(Config, OnlyAnEndLineKeepsEveryDefault) {
    Settings s = read("END\n");
    EXPECT_EQ(s.init.menus, "NO!");
    EXPECT_EQ(s.init.os, "WIN  ");
    EXPECT_EQ(s.init.display, "DOS");
    EXPECT_EQ(s.init.diag, "NO!");
    EXPECT_EQ(s.init.viewer, "write       ");
    EXPECT_EQ(s.init.output, "FILE");
    EXPECT_EQ(s.ini.superposition, 0);
    EXPECT_EQ(s.ini.gcr_model, 4);
    EXPECT_EQ(s.ini.report, 0);
    EXPECT_EQ(s.nvc_tf.flag, 0);
    EXPECT_EQ(s.nvc_tf.ch, '0');
}

TEST_F(Config, KeysMatchOnTheirFirstTwoCapitals) {
    EXPECT_EQ(read(ini_line("MENUS", "YES") + "END\n").init.menus, "YES");
    EXPECT_EQ(read(ini_line("MENU", "FEW") + "END\n").init.menus, "FEW");
    EXPECT_EQ(read(ini_line("ME", "ABC") + "END\n").init.menus, "ABC");
    EXPECT_EQ(read(ini_line("menus", "YES") + "END\n").init.menus, "NO!");
}

TEST_F(Config, ValuesAreCutToTheirFieldWidths) {
    Settings s = read(ini_line("OS", "LINUX64") + ini_line("OUTPUT", "SCREEN") + ini_line("DISPLAY", "VGA1") +
                      ini_line("VIEWER", "/usr/bin/less-more") + "END\n");
    EXPECT_EQ(s.init.os, "LINUX");
    EXPECT_EQ(s.init.output, "SCRE");
    EXPECT_EQ(s.init.display, "VGA");
    EXPECT_EQ(s.init.viewer, "/usr/bin/les");
}

TEST_F(Config, AValueInColumnTwelveLosesItsFirstCharacter) {
    EXPECT_EQ(read("MENUS     =YES\nEND\n").init.menus, "ES ");
}

TEST_F(Config, ReportSwitchSetsOnlyOnExactYesAndStays) {
    EXPECT_EQ(read(ini_line("CALC", "yes") + "END\n").ini.report, 0);
    EXPECT_EQ(read(ini_line("CALC", "Y") + "END\n").ini.report, 0);
    EXPECT_EQ(read(ini_line("CALC", "YES") + ini_line("CALC", "NO!") + "END\n").ini.report, 1);
    EXPECT_EQ(read("END\n").ini.report, 0);  // defaults again at every reading
}

TEST_F(Config, LinesAfterEndAreNeverRead) {
    EXPECT_EQ(read("END\n" + ini_line("MENUS", "YES")).init.menus, "NO!");
}

TEST_F(Config, WindowsLineEndsReadTheSame) {
    Settings s = read("MENUS     = YES\r\nOS        = LINUX\r\nEND\r\n");
    EXPECT_EQ(s.init.menus, "YES");
    EXPECT_EQ(s.init.os, "LINUX");
}

TEST_F(Config, EveryLineIsEchoedAndMatchesTwice) {
    read("; comment\n" + ini_line("MENUS", "YES") + ini_line("CALC", "YES") + "END\n");
    tp.log.open("check.log");
    tp.log.flush();
    auto lines = read_lines(dir.path() / "check.log");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], " ; comment              ");
    EXPECT_EQ(lines[1], " MENUS      YES         ");
    EXPECT_EQ(lines[2], " MENUS     =YES");
    EXPECT_EQ(lines[3], " CALC       YES         ");
    EXPECT_EQ(lines[4], " CALC      =           1");
    EXPECT_EQ(lines[5], " END                    ");
}

TEST_F(Config, MissingEndLineStopsNamingTheFile) {
    std::string message;
    EXPECT_EQ(stop_status([&] { read(ini_line("MENUS", "YES")); }, &message), kExitFileError);
    EXPECT_NE(message.find("TOLV.INI"), std::string::npos);
}

TEST_F(Config, MissingFileStopsWithFileError) {
    EXPECT_EQ(stop_status([&] { getini(*tp); }), kExitFileError);
}

TEST(PathForm, BackslashOnlyForWinAndDosPrefixes) {
    InitRecord init;
    for (const char* os : {"WIN  ", "WINXP", "DOS  "}) {
        init.os = os;
        EXPECT_EQ(os_path(init, "AIRPORTS", "AIRPORTS.DAT"), "AIRPORTS\\AIRPORTS.DAT") << os;
    }
    for (const char* os : {"LINUX", "win  ", "     ", "WI   "}) {
        init.os = os;
        EXPECT_EQ(os_path(init, "AIRPORTS", "AIRPORTS.DAT"), "AIRPORTS/AIRPORTS.DAT") << os;
    }
}

}  // namespace
}  // namespace tolv7::test
