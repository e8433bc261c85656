#pragma once
// Line reading shared by every file and console reader. A line ends at LF,
// CR LF or a lone CR, so that files written on any system read the same; a
// UTF-8 byte-order mark at the start of a file is no part of its first line.
#include <istream>
#include <string>
#include <string_view>

namespace tolv7 {

// Reads one line without its line end; false at end of input (or when
// nothing could be read). The stream is left at the start of the next line,
// so a position taken there can be gone back to.
bool read_line(std::istream& in, std::string& line);

// The text with trailing blanks removed.
std::string trim_right(const std::string& text);

// The text with leading characters of `blanks` removed.
std::string trim_left(const std::string& text, std::string_view blanks = " ");

// The text with leading and trailing blanks removed.
std::string trim(const std::string& text);

// The text cut or blank-padded to exactly `width` characters.
std::string pad_to(const std::string& text, std::size_t width);

// The text with a-z turned into A-Z; every other character unchanged.
std::string upper_case(const std::string& text);

}  // namespace tolv7
