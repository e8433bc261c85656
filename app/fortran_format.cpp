#include "app/fortran_format.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace tolv7 {

namespace {

std::string stars(int width) { return std::string(static_cast<std::size_t>(width > 0 ? width : 0), '*'); }

std::string right(const std::string& text, int width) {
    if (static_cast<int>(text.size()) > width) return stars(width);
    return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

// Infinity and NaN as Fortran output writes them.
std::string special(double value, int width) {
    if (std::isnan(value)) return width >= 3 ? right("NaN", width) : stars(width);
    std::string sign = value < 0 ? "-" : "";
    if (width >= 8 + static_cast<int>(sign.size())) return right(sign + "Infinity", width);
    if (width >= 3 + static_cast<int>(sign.size())) return right(sign + "Inf", width);
    return stars(width);
}

// The text printf gives for a finite value in the "C" locale with the
// format ("%.*e", "%.*f" or "%.*G" by `form`) and precision; std::to_chars
// gives the same text without the format machinery.
std::string_view printf_text(char (&buf)[400], double value, std::chars_format form, int precision) {
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, form, precision);
    if (ec != std::errc()) {
        const char* format = form == std::chars_format::scientific ? "%.*e"
                             : form == std::chars_format::fixed    ? "%.*f"
                                                                   : "%.*G";
        int n = std::snprintf(buf, sizeof buf, format, precision, value);
        return {buf, static_cast<std::size_t>(n < 0 ? 0 : std::min(n, static_cast<int>(sizeof buf) - 1))};
    }
    return {buf, static_cast<std::size_t>(end - buf)};
}

}  // namespace

std::string fmt_i(long long value, int width, int min_digits) {
    std::string digits = std::to_string(value < 0 ? -static_cast<unsigned long long>(value)
                                                  : static_cast<unsigned long long>(value));
    if (static_cast<int>(digits.size()) < min_digits)
        digits.insert(0, static_cast<std::size_t>(min_digits) - digits.size(), '0');
    if (min_digits == 0 && value == 0) digits = "0";
    return right((value < 0 ? "-" : "") + digits, width);
}

std::string fmt_f(double value, int width, int decimals) {
    if (!std::isfinite(value)) return special(value, width);
    char buf[400];
    std::string body(printf_text(buf, std::fabs(value), std::chars_format::fixed, decimals));
    if (decimals == 0) body += ".";
    bool negative = std::signbit(value);
    // Only the sign of a value that still shows a non-zero digit is kept.
    if (negative && body.find_first_not_of("0.") == std::string::npos) negative = false;
    std::string text = (negative ? "-" : "") + body;
    if (static_cast<int>(text.size()) > width && body.size() > 1 && body[0] == '0' && body[1] == '.')
        text = (negative ? "-" : "") + body.substr(1);
    return right(text, width);
}

void append_e(std::string& out, double value, int width, int decimals) {
    if (!std::isfinite(value)) {
        out += special(value, width);
        return;
    }
    bool negative = std::signbit(value) && value != 0.0;
    double magnitude = std::fabs(value);
    // The field as "-0.dddE+xx" in `body` (sign, point and exponent
    // included), built without allocating.
    char body[420];
    std::size_t n = 0;
    if (negative) body[n++] = '-';
    const std::size_t zero = n;
    body[n++] = '0';
    body[n++] = '.';
    int exponent = 0;
    int shown = std::clamp(decimals, 0, 390);
    if (magnitude == 0.0) {
        for (int i = 0; i < shown; ++i) body[n++] = '0';
    } else {
        // d significant digits, correctly rounded; the rounding carry
        // (0.99995 to 1.000) is absorbed by the printf exponent.
        char buf[400];
        int sig = shown > 0 ? shown : 1;
        std::string_view s = printf_text(buf, magnitude, std::chars_format::scientific, sig - 1);
        // "d.ddde+xx": the exponent letter follows the sig digits and the point.
        std::size_t e = sig > 1 ? static_cast<std::size_t>(sig) + 1 : 1;
        if (e >= s.size() || s[e] != 'e') e = s.find('e');
        if (shown > 0)
            for (std::size_t i = 0; i < e; ++i)
                if (s[i] != '.') body[n++] = s[i];
        int power = 0;
        std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), power);
        exponent = power + 1;
    }
    int mag = std::abs(exponent);
    if (mag > 999) {
        out += stars(width);
        return;
    }
    if (mag <= 99) body[n++] = 'E';
    body[n++] = exponent < 0 ? '-' : '+';
    if (mag > 99) body[n++] = static_cast<char>('0' + mag / 100);
    body[n++] = static_cast<char>('0' + mag / 10 % 10);
    body[n++] = static_cast<char>('0' + mag % 10);
    std::string_view text(body, n);
    std::string without_zero;
    if (static_cast<int>(n) > width) {  // no room for the leading zero
        without_zero = std::string(text.substr(0, zero)) + std::string(text.substr(zero + 1));
        text = without_zero;
    }
    if (static_cast<int>(text.size()) > width) {
        out += stars(width);
        return;
    }
    out.append(static_cast<std::size_t>(width) - text.size(), ' ');
    out += text;
}

std::string fmt_e(double value, int width, int decimals) {
    std::string out;
    append_e(out, value, width, decimals);
    return out;
}

std::string fmt_a(const std::string& text, int width) {
    std::string out = text.substr(0, static_cast<std::size_t>(width));
    out.resize(static_cast<std::size_t>(width), ' ');
    return out;
}

std::string list_real_text(double value) {
    if (!std::isfinite(value)) return special(value, 9).substr(special(value, 9).find_first_not_of(' '));
    char buf[400];
    std::string s(printf_text(buf, value, std::chars_format::general, 10));
    std::size_t e = s.find('e');
    if (e != std::string::npos) s[e] = 'E';
    if (s.find_first_of(".E") == std::string::npos) s += ".0";
    return s;
}

ListLine& ListLine::operator<<(double value) {
    std::string s = list_real_text(value);
    text_ += std::string(s.size() < 18 ? 18 - s.size() : 1, ' ') + s;
    after_number_ = true;
    return *this;
}

ListLine& ListLine::integer(long long value) {
    text_ += fmt_i(value, 12);
    if (text_.back() == '*') {  // never lose a value in a list line
        text_.resize(text_.size() - 12);
        text_ += " " + std::to_string(value);
    }
    after_number_ = true;
    return *this;
}

ListLine& ListLine::append(const std::string& text) {
    if (after_number_ && !text.empty() && text.front() != ' ') text_ += ' ';
    if (!text.empty()) after_number_ = false;
    text_ += text;
    return *this;
}

}  // namespace tolv7
