#include "app/console.hpp"

#include "app/program_stop.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {

std::string Console::read_line() {
    if (before_read_) before_read_();
    out_.flush();
    std::string text;
    if (!tolv7::read_line(in_, text)) {
        std::string prompt = trim(last_line_);
        throw ProgramStop(kExitEndOfInput, prompt.empty() ? std::string("keyboard input ended before any prompt")
                                                          : "keyboard input ended at the prompt \"" + prompt + "\"");
    }
    return text;
}

}  // namespace tolv7
