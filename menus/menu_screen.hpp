#pragma once
// Drawing a menu screen and reading its answer, as every menu does: the
// screen cleared, the banner, the body lines and the prompt; then one
// upper-cased character.
#include <initializer_list>
#include <string>

namespace tolv7 {

struct RunContext;

// Body lines: " " is written as a line holding one blank, "" as an empty
// line, any other text as 10 blanks and the text in 50 columns.
void menu_body(const RunContext& p, std::initializer_list<const char*> lines);

// 50 blank lines, the banner and the body.
void menu_screen(const RunContext& p, std::initializer_list<const char*> lines);

// The usual prompt line: 10 blanks, the text and ".".
std::string menu_prompt(const std::string& text);

// One answer of one character, upper-cased (no hint line).
char menu_answer(const RunContext& p);

}  // namespace tolv7
