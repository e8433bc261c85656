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

}  // namespace tolv7::tree
