#pragma once
// The console seam: every screen line and keyboard answer goes through it, so
// tests can feed scripted answers and read the screens back.
#include <deque>
#include <functional>
#include <istream>
#include <ostream>
#include <string>

namespace tolv7 {

class Console {
public:
    Console(std::istream& in, std::ostream& out) : in_(in), out_(out) {}
    void line(const std::string& text) {
        out_ << text << '\n';
        note(text);
    }
    // A line that says how to answer (the quoting hint): the prompt that an
    // end of input names stays the question written before it.
    void hint(const std::string& text) { out_ << text << '\n'; }
    void blank_lines(int count) {
        for (int i = 0; i < count; ++i) out_ << '\n';
        if (count > 0) block_ended_ = true;
    }
    // Next typed line; the end of the input stops the program (status 3)
    // naming the prompt it ended at (see prompt()).
    std::string read_line();
    // The question an answer is read for: in the last block of lines that
    // are not blank, the last line that is not part of a note in parentheses
    // ("ENTER A DATE FOR FLIGHT(S) <YYYY/MM/DD>" before its lines
    // "(USE MM=00 AND DD=00 ...)"); the block's last line when all of it is
    // notes; empty before any line.
    std::string prompt() const;
    void flush() { out_.flush(); }

    // Runs before every keyboard read, while the program is about to wait
    // for the user: the program puts its check log on disk there, so that an
    // interrupted session loses no line of it.
    void before_each_read(std::function<void()> hook) { before_read_ = std::move(hook); }

private:
    // Keeps the lines of the last block that prompt() looks through.
    void note(const std::string& text);

    std::istream& in_;
    std::ostream& out_;
    std::deque<std::string> block_;  // its last lines, at most kBlockLines
    bool block_ended_ = false;       // a blank line came after it
    std::function<void()> before_read_;
};

}  // namespace tolv7
