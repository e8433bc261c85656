#pragma once
// Writes a complete data tree in the program's file layouts: synthetic but
// physically shaped model data, real airports. Options make small special
// trees for tests that check numbers exactly.
#include <filesystem>
#include <string>
#include <vector>

namespace tolv7::tree {

namespace fs = std::filesystem;

enum class CutoffShape { Dipole, Linear, Zero };

struct TreeOptions {
    // TOLV.INI: the OS setting of the system the tool is built for
#ifdef _WIN32
    std::string os = "WIN";
#else
    std::string os = "LINUX";
#endif
    std::string menus = "NO!";
    // shower library: smooth physical shape, or one value everywhere
    bool constant_coefficients = false;
    double coefficient = 1.0;
    double uncertainty = 0.04;
    // cutoff grids
    CutoffShape cutoffs = CutoffShape::Dipole;
    // solar modulation: the 11-year cycle, or one potential for every date
    int constant_potential_mv = 0;  // 0: the cycle

    bool operator==(const TreeOptions&) const = default;
};

// Sets one option from "--key=value" text; false for an unknown key or value.
bool parse_tree_option(TreeOptions& options, const std::string& argument);

// What the tool's command line (the arguments after the program's name)
// asks: write a tree, show the usage (-h or --help anywhere), or nothing
// with a message (no folder, a folder name beginning with "-", an unknown
// option). Nothing is written before the whole line has been read.
struct TreeCommand {
    enum class Action { Write, Help, Refuse };
    Action action = Action::Refuse;
    std::string dir;
    TreeOptions options;
    bool force = false;   // --force: write over the files of a tree already there
    std::string message;  // Refuse: the line for standard error
};
TreeCommand parse_tree_command(const std::vector<std::string>& arguments);

// The usage text, several lines.
const std::string& tree_usage();

void write_data_tree(const fs::path& dir, const TreeOptions& options);

// Every file a tree holds, relative to its folder (whatever the options).
// The files a user edits come first (the configuration, the user airports,
// the potentials), so that a refusal names them.
const std::vector<fs::path>& tree_files();

// The files of a tree that `dir` already holds (anything in their place
// counts, a link or a folder too), in the order of tree_files().
std::vector<fs::path> existing_tree_files(const fs::path& dir);

// The refusal to write over them: the first few by name, and how to write
// the tree anyway. Several lines, for standard error.
std::string overwrite_refusal(const std::string& dir, const std::vector<fs::path>& existing);

// The parts of the tree, one per data folder.
void write_config(const fs::path& dir, const TreeOptions& options);
void write_atmosphere(const fs::path& dir, const TreeOptions& options);
void write_showers(const fs::path& dir, const TreeOptions& options);
void write_cutoffs(const fs::path& dir, const TreeOptions& options);
void write_solar_modulation(const fs::path& dir, const TreeOptions& options);
void write_forbush(const fs::path& dir, const TreeOptions& options);
void write_kp_index(const fs::path& dir, const TreeOptions& options);
void write_airports(const fs::path& dir, const TreeOptions& options);
void write_help(const fs::path& dir, const TreeOptions& options);

// Creates the file's folder and writes the text; throws on failure.
void write_text_file(const fs::path& path, const std::string& text);

}  // namespace tolv7::tree
