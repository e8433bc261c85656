// Text to number conversions, two-digit texts, comma positions, particle names.
#include <gtest/gtest.h>

#include "app/conversions.hpp"
#include "app/program_stop.hpp"
#include "support/test_program.hpp"

namespace tolv7::test {
namespace {

int to_int(std::string text) { return char2int(text, static_cast<int>(text.size())).value(); }

TEST(Char2Int, CountsOnlySevenCharactersAndIgnoresBlanks) {
    EXPECT_EQ(to_int("1234567890"), 1234567);
    EXPECT_EQ(to_int("  42"), 42);
    EXPECT_EQ(to_int("4 2"), 42);
    EXPECT_EQ(to_int("    "), 0);
    EXPECT_EQ(to_int(""), 0);
}

TEST(Char2Int, MinusSignMovesTheCallersText) {
    std::string text = "12-5";
    EXPECT_EQ(char2int(text, 4), -5);
    EXPECT_EQ(text, "-5  ");
    std::string longer = "ab-7xyz";  // only the first n characters are rewritten
    EXPECT_EQ(char2int(longer, 4), -7);
    EXPECT_EQ(longer, "-7  xyz");
}

TEST(Char2Int, TextThatIsNotANumberIsReported) {
    std::string letters = "AB";
    EXPECT_FALSE(char2int(letters, 2));
    std::string minus = "-";
    EXPECT_FALSE(char2int(minus, 1));
}

TEST(Char2Real, ImpliedDecimalsWithoutAPoint) {
    EXPECT_DOUBLE_EQ(char2real("3.5", 3).value(), 3.5);
    EXPECT_DOUBLE_EQ(char2real("35", 2).value(), 0.0000035);
    EXPECT_DOUBLE_EQ(char2real("   ", 3).value(), 0.0);
    EXPECT_DOUBLE_EQ(char2real("-40.5", 5).value(), -40.5);
    EXPECT_DOUBLE_EQ(char2real("1234567890.12345678", 19).value(), 1234567890.1234);
    EXPECT_FALSE(char2real("4O.5", 4));
}

TEST(Int2Char, TwoDigitTextsAndTheFatalCases) {
    TestProgram tp;
    std::string text = "xx";
    int2char(*tp, 7, text, 2);
    EXPECT_EQ(text, "07");
    int2char(*tp, 42, text, 2);
    EXPECT_EQ(text, "42");
    int2char(*tp, -3, text, 2);
    EXPECT_EQ(text, "42");
    int2char(*tp, 5, text, 1);
    EXPECT_EQ(text, "5 ");
    for (auto [i, w] : {std::pair{42, 1}, {100, 2}, {3, 3}}) {
        TestProgram fatal;
        std::string t = "  ";
        EXPECT_EQ(stop_status([&, i = i, w = w] { int2char(*fatal, i, t, w); }), kExitFatal) << i << " in width " << w;
        ASSERT_FALSE(fatal.screen_lines().empty()) << i << " in width " << w;
        EXPECT_EQ(fatal.screen_lines().at(0), std::string(41, ' ') + " NUMBER IN INT2CHAR TOO LARGE");
    }
}

TEST(FindCommas, StopsAtTheLastComma) {
    auto pos = findcommas("X,Y,,Z", 6);
    EXPECT_EQ(pos[0], 2);
    EXPECT_EQ(pos[1], 4);
    EXPECT_EQ(pos[2], 5);
    EXPECT_EQ(pos[3], 0);
    EXPECT_EQ(pos[9], 0);
}

TEST(FindCommas, TwelveCommasGiveTheFirstTen) {
    auto pos = findcommas("A,,,,,,,,,,,,", 13);
    for (int k = 0; k < 10; ++k) EXPECT_EQ(pos[static_cast<std::size_t>(k)], k + 2);
}

TEST(FindCommas, NoCommaAndAFirstColumnComma) {
    auto none = findcommas("ABC", 3);
    for (int p : none) EXPECT_EQ(p, 1);
    EXPECT_EQ(findcommas(",ABC", 4)[0], 1);
    auto two = findcommas(",A,B,", 5);
    EXPECT_EQ(two[0], 3);
    EXPECT_EQ(two[1], 5);
    EXPECT_EQ(findcommas("A,B,C", 2)[0], 2);  // only the first n characters count
    EXPECT_EQ(findcommas("A,B,C", 2)[1], 0);
}

TEST(ParticleNames, TenCharactersForEveryCode) {
    EXPECT_EQ(partstr(38), "TOTAL     ");
    EXPECT_EQ(partstr(0), "TOTAL     ");
    EXPECT_EQ(partstr(26), "PHOSPHORUS");
    EXPECT_EQ(partstr(5), "NEG MUONS ");
    EXPECT_EQ(partstr(37), "IRON      ");
    EXPECT_EQ(partstr(-1), "          ");
    EXPECT_EQ(partstr(39), "          ");
}

TEST(Hemispheres, DigitsMeanWestAndNorth) {
    EXPECT_EQ(ews("5"), "W");
    EXPECT_EQ(ews("}"), "E");
    EXPECT_EQ(nss("0"), "N");
    EXPECT_EQ(nss("A"), "S");
    EXPECT_EQ(nss(""), "S");
}

}  // namespace
}  // namespace tolv7::test
