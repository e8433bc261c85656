#include "app/console.hpp"

#include <algorithm>

#include "app/program_stop.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {

namespace {

// Lines kept of a block: more than any question and its notes take.
constexpr std::size_t kBlockLines = 12;

bool blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

long count_of(const std::string& text, char c) { return static_cast<long>(std::count(text.begin(), text.end(), c)); }

}  // namespace

void Console::note(const std::string& text) {
    if (blank(text)) {
        block_ended_ = true;
        return;
    }
    if (block_ended_) block_.clear();
    block_ended_ = false;
    block_.push_back(text);
    if (block_.size() > kBlockLines) block_.pop_front();
}

std::string Console::prompt() const {
    // Walking back from the last line: a line is part of a note while a
    // parenthesis closed below it is still open, or when it opens the note.
    long open = 0;
    for (auto line = block_.rbegin(); line != block_.rend(); ++line) {
        std::string text = trim(*line);
        open += count_of(text, ')') - count_of(text, '(');
        if (open <= 0 && !text.starts_with('(')) return text;
        if (open < 0) open = 0;
    }
    return block_.empty() ? std::string() : trim(block_.back());
}

std::string Console::read_line() {
    if (before_read_) before_read_();
    out_.flush();
    std::string text;
    if (!tolv7::read_line(in_, text)) {
        std::string prompt = this->prompt();
        throw ProgramStop(kExitEndOfInput, prompt.empty() ? std::string("keyboard input ended before any prompt")
                                                          : "keyboard input ended at the prompt \"" + prompt + "\"");
    }
    return text;
}

}  // namespace tolv7
