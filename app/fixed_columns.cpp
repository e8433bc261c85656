#include "app/fixed_columns.hpp"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdlib>

#include "app/fortran_format.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {

std::string column_text(std::string_view line, int first, int last) {
    std::string out;
    if (first < 1 || last < first) return out;
    out.assign(static_cast<std::size_t>(last - first + 1), ' ');
    for (int col = first; col <= last; ++col) {
        auto i = static_cast<std::size_t>(col - 1);
        if (i < line.size()) out[static_cast<std::size_t>(col - first)] = line[i];
    }
    return out;
}

void put_text(std::string& record, ColumnField f, const std::string& text) {
    auto width = static_cast<std::size_t>(f.width());
    if (record.size() < static_cast<std::size_t>(f.last)) record = pad_to(record, static_cast<std::size_t>(f.last));
    record.replace(static_cast<std::size_t>(f.first - 1), width, pad_to(text, width));
}

void put_int(std::string& record, ColumnField f, long long value, int min_digits) {
    put_text(record, f, fmt_i(value, f.width(), min_digits));
}

void put_real(std::string& record, ColumnField f, double value) {
    put_text(record, f, fmt_f(value, f.width(), f.decimals));
}

namespace {

std::string without_blanks(std::string_view field) {
    std::string s;
    for (char c : field)
        if (c != ' ' && c != '\t') s.push_back(c);
    return s;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Powers of ten that a double holds exactly.
constexpr std::array<double, 23> kExactPowers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

}  // namespace

std::optional<double> plain_real_field(std::string_view f) {
    std::size_t i = 0;
    const std::size_t n = f.size();
    while (i < n && f[i] == ' ') ++i;
    std::size_t end = n;
    while (end > i && f[end - 1] == ' ') --end;
    if (i == end) return std::nullopt;
    const std::size_t start = i;
    bool negative = f[i] == '-';
    if (negative) ++i;
    std::uint64_t mantissa = 0;
    int digits = 0;
    int decimals = 0;
    bool point = false;
    for (; i < end; ++i) {
        char c = f[i];
        if (is_digit(c)) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
            ++digits;
            if (point) ++decimals;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!point || digits == 0 || digits > 15) return std::nullopt;
    int exponent = 0;
    if (i < end) {
        if (f[i] != 'E' || i + 2 >= end || (f[i + 1] != '+' && f[i + 1] != '-')) return std::nullopt;
        bool negative_exponent = f[i + 1] == '-';
        for (i += 2; i < end; ++i) {
            if (!is_digit(f[i]) || exponent > 99) return std::nullopt;
            exponent = exponent * 10 + (f[i] - '0');
        }
        if (negative_exponent) exponent = -exponent;
    }
    int power = exponent - decimals;
    if (power < -22 || power > 22) {
        double value = 0.0;
        auto [ptr, ec] = std::from_chars(f.data() + start, f.data() + end, value);
        if (ec != std::errc() || ptr != f.data() + end) return std::nullopt;
        return value;
    }
    double value = static_cast<double>(mantissa);
    value = power >= 0 ? value * kExactPowers[static_cast<std::size_t>(power)]
                       : value / kExactPowers[static_cast<std::size_t>(-power)];
    return negative ? -value : value;
}

std::optional<long long> parse_fixed_int(std::string_view field) {
    std::string s = without_blanks(field);
    if (s.empty()) return 0LL;
    std::size_t i = 0;
    bool negative = false;
    if (s[0] == '+' || s[0] == '-') {
        negative = s[0] == '-';
        i = 1;
    }
    if (i == s.size()) return std::nullopt;
    long long value = 0;
    for (; i < s.size(); ++i) {
        if (!is_digit(s[i])) return std::nullopt;
        if (value > (1LL << 58)) return std::nullopt;  // far beyond any field width
        value = value * 10 + (s[i] - '0');
    }
    return negative ? -value : value;
}

std::optional<double> parse_fixed_real(std::string_view field, int implied_decimals) {
    std::string s = without_blanks(field);
    if (s.empty()) return 0.0;
    // sign, digits with at most one point, then an optional exponent written
    // as E/D with optional sign, or as a bare sign.
    std::size_t i = 0;
    std::string mantissa;
    if (s[i] == '+' || s[i] == '-') mantissa.push_back(s[i++]);
    bool point = false;
    bool digits = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (is_digit(c)) {
            digits = true;
            mantissa.push_back(c);
        } else if (c == '.' && !point) {
            point = true;
            mantissa.push_back(c);
        } else {
            break;
        }
    }
    if (!digits) return std::nullopt;
    long long exponent = 0;
    if (i < s.size()) {
        char c = s[i];
        if (c == 'E' || c == 'e' || c == 'D' || c == 'd') ++i;
        else if (c != '+' && c != '-') return std::nullopt;
        auto e = parse_fixed_int(s.substr(i));
        if (!e || i == s.size() || *e > 100000 || *e < -100000) return std::nullopt;
        exponent = *e;
    }
    if (!point) exponent -= implied_decimals;
    std::string text = mantissa + "e" + std::to_string(exponent);
    errno = 0;
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size()) return std::nullopt;
    return value;
}

}  // namespace tolv7
