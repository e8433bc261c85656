#include "menus/menu_screen.hpp"

#include "app/console_routines.hpp"
#include "app/program.hpp"

namespace tolv7 {

void menu_body(Program& p, std::initializer_list<const char*> lines) {
    for (const char* text : lines) {
        std::string line = text;
        p.con.line(line.empty() || line == " " ? line : indented(line, 50));
    }
}

void menu_screen(Program& p, std::initializer_list<const char*> lines) {
    cls(p);
    menuheader(p);
    menu_body(p, lines);
}

std::string menu_prompt(const std::string& text) { return std::string(10, ' ') + text + "."; }

char menu_answer(Program& p) { return readkb(p, 1)[0]; }

}  // namespace tolv7
