#pragma once
// One input as the keyboard answers of a dialogue, in menu mode.
#include <string_view>

#include "program/startup.hpp"
#include "session.hpp"

namespace tolv7::fuzz {

// The dialogue after the whole start-up (it computes doses).
inline void dialogue_after_start_up(std::string_view keyboard, void (*dialogue)(const RunContext&)) {
    WorkFolder work;
    FuzzProgram fp(keyboard);
    run_to_stop([&] {
        start_up_lent(fp);
        fp->set.init.menus = "YES";
        dialogue(*fp);
    });
}

// The dialogue after the configuration only (it asks and answers).
template <typename Dialogue>
void dialogue_after_configuration(std::string_view keyboard, Dialogue dialogue) {
    WorkFolder work;
    FuzzProgram fp(keyboard);
    run_to_stop([&] {
        open_program_files(*fp);
        fp->set.init.menus = "YES";
        dialogue(*fp);
    });
}

}  // namespace tolv7::fuzz
