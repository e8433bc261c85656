#pragma once
// Fortran-style edit descriptors for fixed-column output, and the free list
// form used for console and check-log lines.
#include <string>

namespace tolv7 {

// Iw (or Iw.m with at least m digits): right-aligned; '*' fill when too wide.
std::string fmt_i(long long value, int width, int min_digits = 0);

// Fw.d: fixed point rounded to d decimals; the leading zero is dropped when
// the field has no room for it; '*' fill when too wide.
std::string fmt_f(double value, int width, int decimals);

// Ew.d: mantissa form 0.dddE+xx (0.ddd+xxx for exponents over 99); the
// leading zero is dropped when there is no room; '*' fill when too wide.
std::string fmt_e(double value, int width, int decimals);
// The same field appended to `out`.
void append_e(std::string& out, double value, int width, int decimals);

// Aw: text cut or blank-padded to w characters.
std::string fmt_a(const std::string& text, int width);

// A line in free list form: it begins with a blank, texts follow each other
// as written, integers take 12 columns and reals 18 columns, right-aligned.
// Items are separated by blanks: a text that follows a number and does not
// begin with a blank gets one.
class ListLine {
public:
    ListLine() : text_(" ") {}
    ListLine& operator<<(const std::string& text) { return append(text); }
    ListLine& operator<<(const char* text) { return append(text); }
    ListLine& operator<<(char c) { return append(std::string(1, c)); }
    ListLine& operator<<(int value) { return integer(value); }
    ListLine& operator<<(long value) { return integer(value); }
    ListLine& operator<<(long long value) { return integer(value); }
    ListLine& operator<<(double value);
    ListLine& operator<<(bool flag) { return append(flag ? " T" : " F"); }
    const std::string& str() const { return text_; }
    operator const std::string&() const { return text_; }

private:
    ListLine& integer(long long value);
    ListLine& append(const std::string& text);
    std::string text_;
    bool after_number_ = false;
};

// The text of one real value as free list form writes it, without padding.
std::string list_real_text(double value);

}  // namespace tolv7
