#pragma once
// The console seam: every screen line and keyboard answer goes through it, so
// tests can feed scripted answers and read the screens back.
#include <istream>
#include <ostream>
#include <string>

namespace tolv7 {

class Console {
public:
    Console(std::istream& in, std::ostream& out) : in_(in), out_(out) {}
    void line(const std::string& text) { out_ << text << '\n'; }
    void blank_lines(int count) {
        for (int i = 0; i < count; ++i) out_ << '\n';
    }
    // Next typed line; the end of the input stops the program (status 3).
    std::string read_line();
    void flush() { out_.flush(); }

private:
    std::istream& in_;
    std::ostream& out_;
};

}  // namespace tolv7
