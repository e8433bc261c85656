// make_data_tree DIR [--option=value ...] [--force]: writes a complete data
// tree, never over the files of one already there unless --force is given.
#include <exception>
#include <iostream>

#include "tools/data_tree.hpp"

int main(int argc, char** argv) {
    using tolv7::tree::TreeCommand;
    TreeCommand command = tolv7::tree::parse_tree_command(std::vector<std::string>(argv + 1, argv + argc));
    switch (command.action) {
        case TreeCommand::Action::Help: std::cout << tolv7::tree::tree_usage(); return 0;
        case TreeCommand::Action::Refuse: std::cerr << command.message; return 2;
        case TreeCommand::Action::Write: break;
    }
    try {
        if (!command.force) {
            auto existing = tolv7::tree::existing_tree_files(command.dir);
            if (!existing.empty()) {
                std::cerr << tolv7::tree::overwrite_refusal(command.dir, existing);
                return 2;
            }
        }
        tolv7::tree::write_data_tree(command.dir, command.options);
    } catch (const std::exception& e) {
        std::cerr << "make_data_tree: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
