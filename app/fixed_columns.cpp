#include "app/fixed_columns.hpp"

#include <cerrno>
#include <cstdlib>

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

namespace {

std::string without_blanks(std::string_view field) {
    std::string s;
    for (char c : field)
        if (c != ' ' && c != '\t') s.push_back(c);
    return s;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

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
