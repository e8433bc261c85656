#include "tools/data_tree.hpp"

#include <fstream>
#include <stdexcept>

#include "engine/cutoff_grid.hpp"
#include "engine/shower_library.hpp"

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

const std::vector<fs::path>& tree_files() {
    static const std::vector<fs::path> files = [] {
        std::vector<fs::path> f = {"TOLV.INI",
                                   "AIRPORTS/NEWPORTS.DAT",
                                   "AIRPORTS/CODES",
                                   "SOLARMOD/MV-DATES.L99",
                                   "SOLARMOD/MORDATES.2K",
                                   "KP_INDEX/KP_INDEX.TXT",
                                   "FORBUSH/FORBUSH.DAT",
                                   "AIRPORTS/AIRPORTS.DAT",
                                   "ATMOSPHERE/FT-GM.DAT",
                                   "HELP.TXT"};
        for (int slot = 0; slot < kShowerSlots; ++slot)
            f.push_back(fs::path("SHOWERS") / kShowerFiles[static_cast<std::size_t>(slot)]);
        for (const char* grid : kCutoffGridFiles) f.push_back(fs::path("CUTOFFS") / grid);
        return f;
    }();
    return files;
}

std::vector<fs::path> existing_tree_files(const fs::path& dir) {
    std::vector<fs::path> existing;
    for (const fs::path& file : tree_files()) {
        std::error_code error;
        if (fs::exists(fs::symlink_status(dir / file, error))) existing.push_back(file);
    }
    return existing;
}

std::string overwrite_refusal(const std::string& dir, const std::vector<fs::path>& existing) {
    constexpr std::size_t kNamed = 3;
    std::string names;
    for (std::size_t i = 0; i < existing.size() && i < kNamed; ++i)
        names += (i == 0 ? "" : ", ") + existing[i].generic_string();
    if (existing.size() > kNamed) names += " and " + std::to_string(existing.size() - kNamed) + " more";
    return "make_data_tree: " + dir + " already holds files of a data tree (" + names +
           "):\nwriting over them would lose what was changed or added there (user airports,\n"
           "potentials, settings). Nothing was written; give --force to write the tree anyway.\n";
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
