// Fixed-column reading, free-form reading and Fortran-style output.
#include <gtest/gtest.h>

#include <sstream>

#include "app/fixed_columns.hpp"
#include "app/fortran_format.hpp"
#include "app/free_form.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {
namespace {

// Every reader takes its lines through read_line: files written on any
// system, with or without a byte-order mark, read the same.
TEST(LineReading, LineEndsOfEverySystemAndAByteOrderMarkAtTheStart) {
    const std::string bom = "\xEF\xBB\xBF";
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"MENUS     = YES\nEND\nlast", {"MENUS     = YES", "END", "last"}},
        {"MENUS     = YES\r\nEND\r\nlast", {"MENUS     = YES", "END", "last"}},
        {"MENUS     = YES\rEND\rlast\r", {"MENUS     = YES", "END", "last"}},
        {"A\r\rB\n\nC\r\n\r\n", {"A", "", "B", "", "C", ""}},
        {"\r\n", {""}},
        {bom + "LHR-CDG\r" + bom + "2019\r", {"LHR-CDG", bom + "2019"}},  // a mark only at the start
        {bom, {""}},
        {"\xEF\xBB" "A\n", {"\xEF\xBB" "A"}},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(::testing::PrintToString(text));
        std::istringstream in(text);
        std::vector<std::string> lines;
        for (std::string line; read_line(in, line);) lines.push_back(line);
        EXPECT_EQ(lines, expected);
        EXPECT_TRUE(in.eof());
    }
}

// A position taken after a line is the next line's start, whatever ended
// the line: a reader can go back to it.
TEST(LineReading, PositionAfterALineIsTheStartOfTheNext) {
    for (const char* end : {"\n", "\r\n", "\r"}) {
        SCOPED_TRACE(::testing::PrintToString(std::string(end)));
        std::istringstream in(std::string("ONE") + end + "TWO" + end + "THREE" + end);
        std::string line;
        ASSERT_TRUE(read_line(in, line));
        std::streampos second = in.tellg();
        ASSERT_TRUE(read_line(in, line));
        ASSERT_TRUE(read_line(in, line));
        EXPECT_EQ(line, "THREE");
        in.seekg(second);
        ASSERT_TRUE(read_line(in, line));
        EXPECT_EQ(line, "TWO");
    }
}

TEST(FixedColumns, ShortLinesArePaddedWithBlanks) {
    Columns c("AB");
    EXPECT_EQ(c.text(1, 4), "AB  ");
    EXPECT_EQ(c.text(3, 5), "   ");
}

TEST(FixedColumns, IntegerFieldsIgnoreBlanksAndReadBlankAsZero) {
    EXPECT_EQ(parse_fixed_int("  42"), 42);
    EXPECT_EQ(parse_fixed_int("4 2"), 42);
    EXPECT_EQ(parse_fixed_int("    "), 0);
    EXPECT_EQ(parse_fixed_int(" -17"), -17);
    EXPECT_EQ(parse_fixed_int("+5"), 5);
    EXPECT_FALSE(parse_fixed_int("12a"));
    EXPECT_FALSE(parse_fixed_int("-"));
    EXPECT_FALSE(parse_fixed_int("1-2"));
}

TEST(FixedColumns, RealFieldsTakeImpliedDecimalsWithoutAPoint) {
    EXPECT_DOUBLE_EQ(*parse_fixed_real("0.123E-04", 3), 0.123e-4);
    EXPECT_DOUBLE_EQ(*parse_fixed_real("   123", 3), 0.123);
    EXPECT_DOUBLE_EQ(*parse_fixed_real("12", 7), 0.0000012);
    EXPECT_DOUBLE_EQ(*parse_fixed_real("3.5", 7), 3.5);
    EXPECT_DOUBLE_EQ(*parse_fixed_real("1 2.5", 0), 12.5);
    EXPECT_DOUBLE_EQ(*parse_fixed_real("        ", 4), 0.0);
    EXPECT_DOUBLE_EQ(*parse_fixed_real("-0.5D+01", 0), -5.0);
    EXPECT_DOUBLE_EQ(*parse_fixed_real("1.5+3", 0), 1500.0);
    EXPECT_FALSE(parse_fixed_real("abc", 0));
    EXPECT_FALSE(parse_fixed_real("1.2.3", 0));
    EXPECT_FALSE(parse_fixed_real("E5", 0));
}

TEST(FreeForm, ValuesContinueOnTheNextLineAndTheRestIsIgnored) {
    std::istringstream in("1, 2\n3 4 5\n6\n");
    auto rec = read_free(in, 3);
    ASSERT_TRUE(rec);
    EXPECT_EQ(*rec->integer(0), 1);
    EXPECT_EQ(*rec->integer(1), 2);
    EXPECT_EQ(*rec->integer(2), 3);
    auto next = read_free(in, 1);  // a new read starts on a new line
    ASSERT_TRUE(next);
    EXPECT_EQ(*next->integer(0), 6);
    EXPECT_FALSE(read_free(in, 1));
}

TEST(FreeForm, TextEndsAtBlankCommaOrSlashUnlessQuoted) {
    bool ended = false;
    auto items = split_free_items("two words,'in quotes' \"it''s\" a/b", ended);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0].text, "two");
    EXPECT_EQ(items[1].text, "words");
    EXPECT_EQ(items[2].text, "in quotes");
    EXPECT_EQ(items[3].text, "it''s");
    EXPECT_EQ(items[4].text, "a");
    EXPECT_TRUE(ended);
}

TEST(FreeForm, TwoCommasGiveANullValue) {
    std::istringstream in("7,,9\n");
    auto rec = read_free(in, 3);
    ASSERT_TRUE(rec);
    EXPECT_TRUE(rec->is_null(1));
    EXPECT_EQ(*rec->integer(1), 0);
    EXPECT_EQ(*rec->integer(2), 9);
    EXPECT_EQ(rec->text(1, 3), "   ");
}

TEST(FreeForm, IncompleteReadAtEndOfInput) {
    std::istringstream in("VIEWER =\n");
    EXPECT_FALSE(read_free(in, 3));
    std::istringstream again("VIEWER =\n");
    auto partial = read_free(again, 3, false);
    ASSERT_TRUE(partial);
    EXPECT_TRUE(partial->is_null(2));
    EXPECT_FALSE(FreeRecord({{"x", false}}).integer(0));
}

TEST(FortranOutput, IntegerFieldsAndOverflow) {
    EXPECT_EQ(fmt_i(42, 4), "  42");
    EXPECT_EQ(fmt_i(-42, 4), " -42");
    EXPECT_EQ(fmt_i(7, 2, 2), "07");
    EXPECT_EQ(fmt_i(100, 2), "**");
    EXPECT_EQ(fmt_i(-10, 2), "**");
    EXPECT_EQ(fmt_i(0, 3), "  0");
}

TEST(FortranOutput, FixedPointFields) {
    EXPECT_EQ(fmt_f(2019.456221, 11, 6), "2019.456221");
    EXPECT_EQ(fmt_f(0.5, 5, 2), " 0.50");
    EXPECT_EQ(fmt_f(0.5, 3, 2), ".50");
    EXPECT_EQ(fmt_f(-0.5, 4, 2), "-.50");
    EXPECT_EQ(fmt_f(9.996, 4, 2), "****");  // rounds to 10.00
    EXPECT_EQ(fmt_f(1.25, 6, 1), "   1.2");
    EXPECT_EQ(fmt_f(5.0, 4, 0), "  5.");
    EXPECT_EQ(fmt_f(-0.001, 5, 2), " 0.00");
}

TEST(FortranOutput, ExponentFieldsCarryTheRounding) {
    EXPECT_EQ(fmt_e(0.99995, 11, 4), " 0.1000E+01");
    EXPECT_EQ(fmt_e(1.0, 11, 3), "  0.100E+01");
    EXPECT_EQ(fmt_e(3400.0, 11, 3), "  0.340E+04");
    EXPECT_EQ(fmt_e(0.07, 11, 3), "  0.700E-01");
    EXPECT_EQ(fmt_e(0.0, 10, 3), " 0.000E+00");
    EXPECT_EQ(fmt_e(-45.0, 12, 4), " -0.4500E+02");
    EXPECT_EQ(fmt_e(-45.0, 10, 4), "-.4500E+02");
    EXPECT_EQ(fmt_e(45.0, 9, 4), ".4500E+02");
    EXPECT_EQ(fmt_e(1.5e120, 11, 3), "  0.150+121");
    EXPECT_EQ(fmt_e(1.0, 6, 3), "******");
    EXPECT_EQ(fmt_e(0.9995, 10, 3), " 0.100E+01");
}

TEST(FortranOutput, ListLinesBeginWithABlankAndKeepWidths) {
    ListLine line;
    line << "PAGE " << 1 << " OF" << 2.5;
    EXPECT_EQ(line.str(), " PAGE            1 OF               2.5");
    EXPECT_EQ((ListLine() << 1.0).str(), "                1.0");
    EXPECT_EQ((ListLine() << "Kp" << true).str(), " Kp T");
}

TEST(FortranOutput, ListLinesPutABlankBetweenANumberAndAText) {
    EXPECT_EQ((ListLine() << "LINE:" << 13 << "IN PLACES.DAT").str(), " LINE:          13 IN PLACES.DAT");
    EXPECT_EQ((ListLine() << 2 << " OF " << 1 << "FILES").str(), "            2 OF            1 FILES");
    EXPECT_EQ((ListLine() << 1.5 << 'X' << "Y").str(), "                1.5 XY");
    // An empty text leaves the next one still after the number.
    EXPECT_EQ((ListLine() << 7 << "" << "A").str(), "            7 A");
}

}  // namespace
}  // namespace tolv7
