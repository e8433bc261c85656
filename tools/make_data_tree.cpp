// make_data_tree DIR [--option=value ...]: writes a complete data tree.
#include <exception>
#include <iostream>

#include "tools/data_tree.hpp"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: make_data_tree DIR [--os=LINUX] [--menus=NO!] [--constant-coefficients[=V]]\n"
                     "       [--uncertainty=U] [--cutoffs=dipole|linear|zero] [--constant-potential=MV]\n";
        return 2;
    }
    tolv7::tree::TreeOptions options;
    for (int i = 2; i < argc; ++i) {
        if (!tolv7::tree::parse_tree_option(options, argv[i])) {
            std::cerr << "make_data_tree: unknown option " << argv[i] << '\n';
            return 2;
        }
    }
    try {
        tolv7::tree::write_data_tree(argv[1], options);
    } catch (const std::exception& e) {
        std::cerr << "make_data_tree: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
