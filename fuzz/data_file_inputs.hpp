#pragma once
// One input as a data file of the tree, read after the configuration.
#include <string_view>

#include "program/startup.hpp"
#include "session.hpp"

namespace tolv7::fuzz {

// Writes the input over the tree's file `name`, opens the program's files,
// then lets `use` read and use it.
template <typename Use>
void data_file_input(std::string_view name, std::string_view input, Use use) {
    WorkFolder work({name});
    write_work_file(name, input);
    FuzzProgram fp;
    run_to_stop([&] {
        open_program_files(*fp);
        use(*fp);
    });
}

}  // namespace tolv7::fuzz
