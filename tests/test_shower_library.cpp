// Loading the shower library, and the shower files that the data tree holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

#include "app/fixed_columns.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "engine/shower_library.hpp"
#include "support/data_tree_fixture.hpp"

namespace tolv7 {
namespace {

namespace fs = std::filesystem;
using test::TestProgram;

constexpr double kTopShare = 0.12999999523162842;

// A code that names the value's place: slot, energy, depth, particle (two
// digits each) and quantity. Written as nine digits without a point it reads
// as code / 1000; uncertainties carry a minus sign.
long long place_code(int s, int e, int d, int p, int q) {
    return s * 10000000LL + e * 100000LL + d * 1000LL + p * 10LL + q;
}

double file_value(int s, int e, int d, int p, int q, bool uncertainty) {
    double v = static_cast<double>(place_code(s, e, d, p, q)) / 1000.0;
    return uncertainty ? -v : v;
}

// The record of slot 1 at the first energy, depth and particle is cut after
// column 60, so its quantities 3 to 8 read as blank.
bool cut_record(int s, int e, int d, int p) { return s == 1 && e == 1 && d == 1 && p == 1; }

std::string encoded_file(int s) {
    const char* eol = s == 2 ? "\r\n" : "\n";  // one file as written on Windows
    std::string text;
    char line[256];
    for (int e = 1; e <= kShowerEnergies; ++e) {
        text += "header line one, longer than the forty-eight columns that are read from it" + std::string(eol);
        text += std::string(90, '#') + eol;
        for (int d = 1; d <= kShowerDepths; ++d)
            for (int p = 1; p <= kShowerParticles; ++p) {
                int n = std::snprintf(line, sizeof line, "xx%10d%4d%4d", e, d, p);
                for (int q = 1; q <= kDoseQuantities; ++q)
                    n += std::snprintf(line + n, sizeof line - static_cast<std::size_t>(n), " %09lld-%09lld",
                                       place_code(s, e, d, p, q), place_code(s, e, d, p, q));
                std::string record(line, static_cast<std::size_t>(n));
                if (cut_record(s, e, d, p)) record.resize(60);
                text += record + eol;
            }
    }
    return text;
}

// The encoded library, written once for this test program.
const fs::path& encoded_library() {
    static test::TempDir dir;
    static bool written = false;
    if (!written) {
        for (int s = 1; s <= kShowerSlots; ++s)
            test::write_file(dir.path() / "SHOWERS" / kShowerFiles[static_cast<std::size_t>(s - 1)], encoded_file(s));
        written = true;
    }
    return dir.path();
}

// A folder whose SHOWERS links to the encoded files, except those given.
class LibraryFolder {
public:
    LibraryFolder() : cwd_(dir_.path()) {
        fs::create_directories("SHOWERS");
        for (int s = 0; s < kShowerSlots; ++s)
            test::link_or_copy(encoded_library() / "SHOWERS" / kShowerFiles[static_cast<std::size_t>(s)],
                               fs::path("SHOWERS") / kShowerFiles[static_cast<std::size_t>(s)]);
    }
    void replace(int slot, const std::string& text) {
        fs::path file = fs::path("SHOWERS") / kShowerFiles[static_cast<std::size_t>(slot - 1)];
        fs::remove(file);
        test::write_file(file, text);
    }

private:
    test::TempDir dir_;
    test::ScopedCwd cwd_;
};

// Loads in the working folder; returns the stop's message, empty when none.
std::string load(TestProgram& tp, const std::string& os = "LINUX") {
    tp->set.init.os = os;
    std::string message;
    const int status = test::stop_status([&] { loadftdccs(*tp); }, &message);
    if (status != -1) {
        EXPECT_EQ(status, kExitFileError);
    }
    return message;
}

TEST(ShowerField, ReadsEveryFieldAsTheGeneralFieldReaderDoes) {
    const std::vector<std::string> fields = {
        " 0.123E-04", "0.999E+99 ", "-0.500E-01", "       123", "1 2 3 4 5 ", "          ", " -0.000E+00",
        "  0.1D+03 ", "  1.5+3   ", " 2.5-12   ", "1.5E      ", "1.5E+     ", " .5       ", "5.        ",
        "+         ", "1.2.3     ", "0.1x3E+00 ", "0.123E-400", "9.9E+999  ", "123456789 ", "-123456789",
        "0.123E - 4", "\t1.0E+01  ", "00000000.1", "1e5       ", "--1       ",
    };
    for (const auto& f : fields) {
        auto mine = shower_field(f);
        auto general = parse_fixed_real(f, 3);
        ASSERT_EQ(mine.has_value(), general.has_value()) << '"' << f << '"';
        if (mine) {
            EXPECT_EQ(std::memcmp(&*mine, &*general, sizeof(double)), 0) << '"' << f << '"';
        }
    }
    // Fields as the library writes them, with every sign, digit count and
    // exponent: the exact short way and the general reader must agree.
    std::mt19937 written(11);
    for (int n = 0; n < 300000; ++n) {
        char f[32];
        int decimals = 1 + static_cast<int>(written() % 6);
        double mantissa = static_cast<double>(written() % 1000000) / 1e6;
        int exponent = static_cast<int>(written() % 60) - 30;
        std::snprintf(f, sizeof f, "%s%.*fE%+03d", written() % 3 == 0 ? "-" : "", decimals, mantissa, exponent);
        std::string field = f;
        field.insert(0, field.size() < 10 ? written() % (11 - field.size()) : 0, ' ');
        field.resize(std::max<std::size_t>(10, field.size()), ' ');
        auto mine = shower_field(field);
        auto general = parse_fixed_real(field, 3);
        ASSERT_TRUE(mine && general) << '"' << field << '"';
        ASSERT_EQ(std::memcmp(&*mine, &*general, sizeof(double)), 0) << '"' << field << '"';
    }
    std::mt19937 random(7);
    const std::string alphabet = "0123456789012345678901234567890123456789   ..++--EeD";
    for (int n = 0; n < 200000; ++n) {
        std::string f(10, ' ');
        for (char& c : f) c = alphabet[random() % alphabet.size()];
        auto mine = shower_field(f);
        auto general = parse_fixed_real(f, 3);
        ASSERT_EQ(mine.has_value(), general.has_value()) << '"' << f << '"';
        if (mine) {
            ASSERT_EQ(std::memcmp(&*mine, &*general, sizeof(double)), 0) << '"' << f << '"';
        }
    }
}

TEST(ShowerLibrary, EveryValueLandsAtItsPlaceAndTheTopDepthIsAdjusted) {
    LibraryFolder folder;
    TestProgram tp;
    ASSERT_EQ(load(tp), "");
    EXPECT_EQ(tp.screen(), " OS is LIN\n");
    const auto& c = tp->engine.ftdcc;
    const auto& u = tp->engine.ftdccs;
    ASSERT_EQ(c.size(), kShowerValues);
    ASSERT_EQ(u.size(), kShowerValues);
    std::size_t wrong = 0;
    for (int q = 1; q <= kDoseQuantities; ++q)
        for (int p = 1; p <= kShowerParticles; ++p)
            for (int d = 1; d <= kShowerDepths; ++d)
                for (int e = 1; e <= kShowerEnergies; ++e)
                    for (int s = 1; s <= kShowerSlots; ++s) {
                        double want_c = file_value(s, e, d, p, q, false);
                        double want_u = file_value(s, e, d, p, q, true);
                        if (cut_record(s, e, d, p) && q >= 3) want_c = want_u = 0.0;
                        if (d == kShowerDepths && q >= 2) {
                            want_c = kTopShare * want_c + file_value(s, e, d - 1, p, q, false);
                            want_u = kTopShare * want_u + file_value(s, e, d - 1, p, q, true);
                        }
                        std::size_t at = shower_index(s, e, d, p, q);
                        if (c[at] != want_c || u[at] != want_u) {
                            if (++wrong < 10)
                                ADD_FAILURE() << "s" << s << " e" << e << " d" << d << " p" << p << " q" << q
                                              << ": " << c[at] << " " << u[at];
                        }
                    }
    EXPECT_EQ(wrong, 0u);
    // Spot checks of the layout: one step of the slot is 1 value, of the quantity 370386.
    EXPECT_EQ(c[0], 10101.011);
    EXPECT_EQ(c[1], 20101.011);
    EXPECT_EQ(c[27], 10201.011);
    EXPECT_EQ(c[370386 + 1], 20101.012);
    EXPECT_EQ(c[shower_index(27, 19, 19, 38, 1)], 271919.381);
}

TEST(ShowerLibrary, AMissingShortOrUnreadableFileStopsWithoutAPartialLibrary) {
    {
        LibraryFolder folder;
        fs::remove(fs::path("SHOWERS") / "Feshower.dat");
        TestProgram tp;
        EXPECT_NE(load(tp).find("SHOWERS/Feshower.dat"), std::string::npos);
        EXPECT_TRUE(tp->engine.ftdcc.empty());
    }
    {
        LibraryFolder folder;
        std::string text = encoded_file(5);
        text.erase(text.rfind('\n', text.size() - 2) + 1);  // drop the last record
        folder.replace(5, text);
        TestProgram tp;
        std::string message = load(tp);
        EXPECT_NE(message.find("SHOWERS/Beshower.dat"), std::string::npos) << message;
        EXPECT_NE(message.find("13755"), std::string::npos) << message;
        EXPECT_TRUE(tp->engine.ftdcc.empty());
        EXPECT_TRUE(tp->engine.ftdccs.empty());
    }
    {
        LibraryFolder folder;
        std::string text = encoded_file(3);
        std::size_t line_start = 0;
        for (int n = 1; n < 730; ++n) line_start = text.find('\n', line_start) + 1;
        text[line_start + 35] = 'x';  // line 730, columns 31-40
        folder.replace(3, text);
        TestProgram tp;
        std::string message = load(tp);
        EXPECT_NE(message.find("SHOWERS/Heshower.dat: line 730"), std::string::npos) << message;
        EXPECT_NE(message.find("x"), std::string::npos) << message;  // the field as read
        EXPECT_NE(message.find("\" in columns 31-40 is not a number"), std::string::npos) << message;
        EXPECT_TRUE(tp->engine.ftdcc.empty());
    }
    {
        LibraryFolder folder;
        std::string text = encoded_file(4);
        text[text.find("xx         1   1   2") + 5] = '?';  // an integer column of line 4
        folder.replace(4, text);
        TestProgram tp;
        EXPECT_NE(load(tp).find("SHOWERS/Lishower.dat: line 4"), std::string::npos);
    }
}

TEST(ShowerLibrary, WindowsAndDosSettingsLookUnderBackslashNames) {
    LibraryFolder folder;
    TestProgram dos;
#ifdef _WIN32
    // There the backslash separates folders: the files are found.
    EXPECT_EQ(load(dos, "DOS"), "");
#else
    EXPECT_NE(load(dos, "DOS").find("SHOWERS\\nushower.dat"), std::string::npos);
#endif
    EXPECT_EQ(dos.screen(), " OS is DOS\n");
    TestProgram win;
#ifdef _WIN32
    EXPECT_EQ(load(win, "WIN95"), "");
#else
    EXPECT_NE(load(win, "WIN95").find("SHOWERS\\nushower.dat"), std::string::npos);
#endif
    TestProgram other;
    EXPECT_EQ(load(other, "UNIX"), "");
}

// The data tree's library, as loaded.
class TreeShowers : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        test::TreeWorkdir wd;
        tp_ = new TestProgram;
        ASSERT_EQ(load(*tp_), "");
    }
    static void TearDownTestSuite() {
        delete tp_;
        tp_ = nullptr;
    }
    static double c(int s, int e, int d, int p, int q) { return (*tp_)->engine.ftdcc[shower_index(s, e, d, p, q)]; }
    static double u(int s, int e, int d, int p, int q) { return (*tp_)->engine.ftdccs[shower_index(s, e, d, p, q)]; }
    static TestProgram* tp_;
};
TestProgram* TreeShowers::tp_ = nullptr;

// Coefficients rise with energy and fall with depth (rise towards the top,
// depth 19), uncertainties are 3-5 % of them, and the total is the sum of
// the particle kinds (each written to 3 digits).
TEST_F(TreeShowers, ValuesArePhysicallyShaped) {
    for (int s = 1; s <= kShowerSlots; s += 2)
        for (int q = 1; q <= kDoseQuantities; ++q)
            for (int d = 1; d <= kShowerDepths; ++d)
                for (int e = 1; e <= kShowerEnergies; ++e) {
                    double sum = 0.0;
                    for (int p = 1; p <= kShowerParticles; ++p) {
                        double v = c(s, e, d, p, q);
                        double ratio = u(s, e, d, p, q) / v;
                        bool shaped = v > 0.0 && v >= c(s, e > 1 ? e - 1 : e, d, p, q) &&
                                      v >= c(s, e, d > 1 ? d - 1 : d, p, q) && ratio >= 0.0295 && ratio <= 0.0505;
                        ASSERT_TRUE(shaped) << s << " " << e << " " << d << " " << p << " " << q;
                        if (p < kShowerParticles) sum += v;
                    }
                    ASSERT_NEAR(c(s, e, d, 38, q), sum, sum * 0.0051);
                }
    // At a high energy the yield at 40000 ft is far above that at sea level.
    EXPECT_GT(c(2, 15, 6, 38, 2), 20.0 * c(2, 15, 1, 38, 2));
}

TEST_F(TreeShowers, FilesHoldNineteenBlocksOfSyntheticHeadersAnd180ColumnRecords) {
    auto lines = test::read_lines(test::shared_tree() / "SHOWERS" / "Alshower.dat");
    ASSERT_EQ(lines.size(), 19u * 724u);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        std::size_t in_block = n % 724;
        if (in_block < 2) {
            EXPECT_NE(upper_case(lines[n]).find("SYNTHETIC"), std::string::npos) << n;
            EXPECT_LE(lines[n].size(), in_block == 0 ? 48u : 72u) << n;
        } else {
            ASSERT_EQ(lines[n].size(), 180u) << n;
        }
    }
    EXPECT_EQ(lines[2].substr(0, 20), "Al         1   1   1");
    EXPECT_EQ(lines.back().substr(0, 20), "Al   1000000  19  38");
}

}  // namespace
}  // namespace tolv7
