#pragma once
// Reading fixed-column records: fields are given by 1-based column ranges,
// a short line counts as padded with blanks, blanks inside a numeric field are
// ignored, an all-blank numeric field is 0, and a real field written without
// a decimal point takes the implied decimals of its layout.
#include <optional>
#include <string>
#include <string_view>

namespace tolv7 {

// One field of a fixed-column layout: columns first..last (1-based,
// inclusive) and, for a real field, its digits after the point (the implied
// decimals when the point is not written). A layout is a table of these, in
// the header that owns the file format, used by its reader and its writers.
struct ColumnField {
    int first;
    int last;
    int decimals = 0;
    constexpr int width() const { return last - first + 1; }
};

// Columns first..last (1-based, inclusive) of the line, blank-padded.
std::string column_text(std::string_view line, int first, int last);
inline std::string column_text(std::string_view line, ColumnField f) { return column_text(line, f.first, f.last); }

// Writing a record field by field: the record is blank-padded to reach the
// field, and the field's text is put in its columns.
// Text, cut or blank-padded to the field's width.
void put_text(std::string& record, ColumnField f, const std::string& text);
// An integer right-aligned (Iw, or Iw.m with min_digits), '*' fill when too wide.
void put_int(std::string& record, ColumnField f, long long value, int min_digits = 0);
// A real in fixed point with the field's decimals (Fw.d).
void put_real(std::string& record, ColumnField f, double value);

// An integer field; nullopt when the field holds something that is not one.
std::optional<long long> parse_fixed_int(std::string_view field);

// A real field with `implied_decimals` taken when no decimal point is written.
std::optional<double> parse_fixed_real(std::string_view field, int implied_decimals);

// A real field in the plain written form, such as " 0.123E-04": blanks
// only around the number, a minus sign, digits with a point, an exponent
// with the letter E and its sign. Its value is the correctly rounded one
// (that of parse_fixed_real and of the C library), found with one exact
// multiplication or division when the power of ten is at most 22, else by
// std::from_chars on the number's own text. nullopt for any other form.
std::optional<double> plain_real_field(std::string_view field);

// A record read by columns.
class Columns {
public:
    explicit Columns(std::string_view line) : line_(line) {}
    std::string text(int first, int last) const { return column_text(line_, first, last); }
    std::string text(ColumnField f) const { return column_text(line_, f.first, f.last); }
    std::optional<long long> integer(ColumnField f) const { return parse_fixed_int(text(f)); }
    std::optional<double> real(ColumnField f) const { return parse_fixed_real(text(f), f.decimals); }
    std::optional<long long> integer(int first, int last) const {
        return parse_fixed_int(text(first, last));
    }
    std::optional<double> real(int first, int last, int implied_decimals = 0) const {
        return parse_fixed_real(text(first, last), implied_decimals);
    }

private:
    std::string_view line_;
};

}  // namespace tolv7
