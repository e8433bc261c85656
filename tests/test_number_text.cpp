// Number texts of the check log, the spectrum file and the fixed-column
// results against the C library's printf on millions of values: the texts
// must not change by a byte, whatever produces them.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "app/fortran_format.hpp"

namespace tolv7 {
namespace {

// The free list form's real text as printf writes it.
std::string printf_list_real(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.10G", value);
    std::string s = buf;
    if (s.find_first_of(".E") == std::string::npos) s += ".0";
    return s;
}

// The digits and power of ten of an Ew.d field as printf gives them.
std::string printf_mantissa(double magnitude, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", decimals - 1, magnitude);
    std::string s = buf;
    std::size_t e = s.find('e');
    std::string digits;
    for (std::size_t i = 0; i < e; ++i)
        if (s[i] != '.') digits.push_back(s[i]);
    return digits + " " + std::to_string(std::atoi(s.c_str() + e + 1) + 1);
}

// The same, read back from an Ew.d field (0.ddddE+xx or 0.dddd+xxx).
std::string field_mantissa(const std::string& field) {
    std::size_t point = field.find('.');
    std::size_t sign = field.find_first_of("+-", point);
    std::string digits = field.substr(point + 1, sign - point - 1);
    if (!digits.empty() && digits.back() == 'E') digits.pop_back();
    return digits + " " + std::to_string(std::atoi(field.c_str() + sign));
}

std::string printf_fixed(double value, int decimals) {
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, std::fabs(value));
    return buf;
}

// Values of every size: random bit patterns, values near the decimal
// rounding points of the spectrum and log texts, and short decimals.
class Values {
public:
    double next() {
        switch (pick_(gen_) % 4) {
            case 0: {
                double v = std::bit_cast<double>(bits_(gen_));
                return std::isfinite(v) ? v : 1.0;
            }
            case 1: return std::ldexp(unit_(gen_), exponent_(gen_));
            case 2: return std::round(unit_(gen_) * 1e6) / std::pow(10.0, pick_(gen_) % 12);
            default: return (std::round(unit_(gen_) * 2000.0) + 0.5) * std::pow(10.0, (pick_(gen_) % 40) - 20.0);
        }
    }

private:
    std::mt19937_64 gen_{20261208};
    std::uniform_int_distribution<std::uint64_t> bits_;
    std::uniform_int_distribution<int> pick_{0, 1 << 30};
    std::uniform_int_distribution<int> exponent_{-80, 80};
    std::uniform_real_distribution<double> unit_{-1.0, 1.0};
};

TEST(NumberText, ListRealsMatchPrintfOnMillionsOfValues) {
    Values values;
    for (int n = 0; n < 2'000'000; ++n) {
        double v = values.next();
        ASSERT_EQ(list_real_text(v), printf_list_real(v)) << std::hexfloat << v;
    }
    for (double v : {0.0, -0.0, 1e-5, 1e10, 9999999999.5, 1e-300, 5e-324, 1.7976931348623157e308})
        EXPECT_EQ(list_real_text(v), printf_list_real(v)) << v;
}

TEST(NumberText, ExponentFieldsMatchPrintfOnMillionsOfValues) {
    Values values;
    for (int n = 0; n < 2'000'000; ++n) {
        double v = values.next();
        if (v == 0.0 || std::fabs(std::log10(std::fabs(v))) > 998) continue;
        int decimals = n % 2 == 0 ? 3 : 4;
        std::string field = fmt_e(v, 20, decimals);
        ASSERT_EQ(field_mantissa(field), printf_mantissa(std::fabs(v), decimals)) << std::hexfloat << v;
        ASSERT_EQ(field.find('-') != std::string::npos && field.find('-') < field.find('.'), std::signbit(v));
    }
}

TEST(NumberText, FixedFieldsMatchPrintfOnMillionsOfValues) {
    Values values;
    for (int n = 0; n < 1'000'000; ++n) {
        double v = values.next();
        if (std::fabs(v) > 1e12) continue;
        int decimals = n % 7;
        std::string expected = printf_fixed(v, decimals);
        std::string field = fmt_f(v, 40, decimals);
        std::string body = field.substr(field.find_first_not_of(" -"));
        if (decimals == 0) body.pop_back();  // the point that F w.0 writes
        ASSERT_EQ(body, expected) << std::hexfloat << v;
    }
}

}  // namespace
}  // namespace tolv7
