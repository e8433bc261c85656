#include "app/console.hpp"

#include "app/program_stop.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {

std::string Console::read_line() {
    out_.flush();
    std::string text;
    if (!tolv7::read_line(in_, text)) throw ProgramStop(kExitEndOfInput, "keyboard input ended");
    return text;
}

}  // namespace tolv7
