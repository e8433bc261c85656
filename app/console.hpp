#pragma once
// The console seam: every screen line and keyboard answer goes through it, so
// tests can feed scripted answers and read the screens back.
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
        if (text.find_first_not_of(' ') != std::string::npos) last_line_ = text;
    }
    // A line that says how to answer (the quoting hint): the prompt that an
    // end of input names stays the question written before it.
    void hint(const std::string& text) { out_ << text << '\n'; }
    void blank_lines(int count) {
        for (int i = 0; i < count; ++i) out_ << '\n';
    }
    // Next typed line; the end of the input stops the program (status 3)
    // naming the prompt it ended at: the last line written that is not blank.
    std::string read_line();
    void flush() { out_.flush(); }

    // Runs before every keyboard read, while the program is about to wait
    // for the user: the program puts its check log on disk there, so that an
    // interrupted session loses no line of it.
    void before_each_read(std::function<void()> hook) { before_read_ = std::move(hook); }

private:
    std::istream& in_;
    std::ostream& out_;
    std::string last_line_;
    std::function<void()> before_read_;
};

}  // namespace tolv7
