#include "tools/data_tree.hpp"

#include <fstream>
#include <stdexcept>

namespace tolv7::tree {

void write_text_file(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

void write_data_tree(const fs::path& dir, const TreeOptions& options) {
    fs::create_directories(dir / "DIAGNOSE");
    fs::create_directories(dir / "GCR_MODELS");
    write_config(dir, options);
    write_atmosphere(dir, options);
    write_showers(dir, options);
    write_cutoffs(dir, options);
    write_solar_modulation(dir, options);
    write_forbush(dir, options);
    write_kp_index(dir, options);
    write_airports(dir, options);
    write_help(dir, options);
}

void write_config(const fs::path& dir, const TreeOptions& o) {
    auto line = [](const std::string& key, const std::string& value) {
        std::string text = key;
        text.resize(10, ' ');
        return text + "= " + value + "\n";
    };
    write_text_file(dir / "TOLV.INI", "; synthetic settings written by make_data_tree\n" +
                                          line("MENUS", o.menus) + line("OS", o.os) + line("DISPLAY", "DOS") +
                                          line("VIEWER", "less") + line("OUTPUT", "FILE") + line("END", ""));
}

}  // namespace tolv7::tree
