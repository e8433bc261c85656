#include <cstdlib>

#include "tools/data_tree.hpp"

namespace tolv7::tree {

bool parse_tree_option(TreeOptions& o, const std::string& argument) {
    std::size_t eq = argument.find('=');
    std::string key = argument.substr(0, eq);
    std::string value = eq == std::string::npos ? "" : argument.substr(eq + 1);
    if (key == "--os" && !value.empty()) o.os = value;
    else if (key == "--menus" && !value.empty()) o.menus = value;
    else if (key == "--constant-coefficients") {
        o.constant_coefficients = true;
        if (!value.empty()) o.coefficient = std::atof(value.c_str());
    } else if (key == "--uncertainty" && !value.empty()) o.uncertainty = std::atof(value.c_str());
    else if (key == "--cutoffs" && value == "dipole") o.cutoffs = CutoffShape::Dipole;
    else if (key == "--cutoffs" && value == "linear") o.cutoffs = CutoffShape::Linear;
    else if (key == "--cutoffs" && value == "zero") o.cutoffs = CutoffShape::Zero;
    else if (key == "--constant-potential" && !value.empty()) o.constant_potential_mv = std::atoi(value.c_str());
    else return false;
    return true;
}

const std::string& tree_usage() {
    static const std::string usage =
        "usage: make_data_tree DIR [--os=LINUX] [--menus=NO!] [--constant-coefficients[=V]]\n"
        "       [--uncertainty=U] [--cutoffs=dipole|linear|zero] [--constant-potential=MV]\n"
        "       [--force]\n"
        "       make_data_tree -h | --help\n"
        "Writes a complete data tree into the folder DIR (a folder whose name\n"
        "begins with \"-\" is named ./-NAME). A folder that already holds any\n"
        "file of a tree is refused and nothing is written, since the user airports,\n"
        "potentials and settings there would be lost; --force writes the tree\n"
        "over them.\n";
    return usage;
}

TreeCommand parse_tree_command(const std::vector<std::string>& arguments) {
    TreeCommand command;
    for (const auto& argument : arguments)
        if (argument == "-h" || argument == "--help") {
            command.action = TreeCommand::Action::Help;
            return command;
        }
    if (arguments.empty()) {
        command.message = "make_data_tree: no folder given\n" + tree_usage();
        return command;
    }
    // A mistyped option in the place of the folder would otherwise become a
    // folder of that name.
    if (arguments[0].starts_with('-')) {
        command.message = "make_data_tree: the folder name \"" + arguments[0] +
                          "\" begins with \"-\"; give an option after DIR, or name such a folder ./" +
                          arguments[0] + "\n";
        return command;
    }
    command.dir = arguments[0];
    for (std::size_t i = 1; i < arguments.size(); ++i)
        if (arguments[i] == "--force") command.force = true;
        else if (!parse_tree_option(command.options, arguments[i])) {
            command.message = "make_data_tree: unknown option " + arguments[i] + "\n";
            return command;
        }
    command.action = TreeCommand::Action::Write;
    return command;
}

}  // namespace tolv7::tree
