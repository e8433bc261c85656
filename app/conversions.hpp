#pragma once
// Typed answers and fields cut from data lines turned into numbers by the
// fixed-field rules, two-digit texts, comma positions, particle names and
// hemisphere letters.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tolv7 {

struct AppContext;

// The first n characters as an integer (only the first 7 count, blanks are
// ignored, all blanks give 0). A minus sign moves the text in place so that
// it starts at the first minus. nullopt when the text is not a number.
std::optional<std::int32_t> char2int(std::string& text, int n);

// The first n characters as a real (only the first 15 count, 7 implied
// decimals when no point is written). nullopt when not a number.
std::optional<double> char2real(const std::string& text, int n);

// Sets the text to i in w characters ("07", "42", "7 "), leaves it alone for a
// negative i, and stops the program for a value that does not fit.
void int2char(const AppContext& p, int i, std::string& text, int w);

// The columns of the commas among the first n characters, searched from
// column 2 up to the last comma (at most ten); a text without commas gives 1
// in all ten positions; positions not reached are 0.
std::array<int, 10> findcommas(const std::string& text, int n);

// The particle name of a selection code 0-38, 10 characters; blanks otherwise.
std::string partstr(std::int32_t code);

// "W" ("N") when the text starts with a digit, else "E" ("S").
std::string ews(const std::string& text);
std::string nss(const std::string& text);

}  // namespace tolv7
