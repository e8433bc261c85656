#include "menus/menu_screen.hpp"

#include "app/console_routines.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

void menu_body(const RunContext& p, std::initializer_list<const char*> lines) {
    for (const char* text : lines) {
        std::string line = text;
        p.con.line(line.empty() || line == " " ? line : indented(line, 50));
    }
}

void menu_screen(const RunContext& p, std::initializer_list<const char*> lines) {
    cls(p);
    menuheader(p);
    menu_body(p, lines);
}

std::string menu_prompt(const std::string& text) { return std::string(10, ' ') + text + "."; }

char menu_answer(const RunContext& p) { return readkb(p, 1)[0]; }

}  // namespace tolv7
