#include "support/data_tree_fixture.hpp"

#include <cstdlib>
#include <deque>
#include <iostream>
#include <memory>
#include <optional>
#include <utility>

namespace tolv7::test {

namespace {

struct SharedTree {
    tree::TreeOptions options;
    fs::path path;
    std::unique_ptr<TempDir> owned;  // set for a tree this process wrote itself
};

// A deque keeps the paths handed out where they are as trees are added.
std::deque<SharedTree>& shared_trees() {
    static std::deque<SharedTree> trees;
    return trees;
}

// The folder of the trees written for this ctest run, when ctest runs us.
std::optional<fs::path> ctest_trees_folder() {
    const char* folder = std::getenv("TOLV7_TEST_TREES");
    if (folder == nullptr || *folder == '\0') return std::nullopt;
    return fs::path(folder);
}

// The names of the trees whose writing this test waits for (ctest's
// fixtures): TOLV7_TEST_TREE_NAMES, comma-separated; every tree when it is
// not set. Another tree of the folder may be being written at this moment.
bool awaited_tree(const std::string& name) {
    const char* names = std::getenv("TOLV7_TEST_TREE_NAMES");
    if (names == nullptr) return true;
    const std::string list = "," + std::string(names) + ",";
    return list.find("," + name + ",") != std::string::npos;
}

// The tree that ctest's setup wrote with these options: each tree NAME has a
// file NAME.args beside it with the tool's options, one a line, written once
// the tree is whole. Options are compared as the tool reads them, so any
// spelling of the same options finds the tree.
std::optional<fs::path> ctest_tree(const fs::path& folder, const tree::TreeOptions& options) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const fs::path& args = entry.path();
        if (args.extension() != ".args" || !awaited_tree(args.stem().string())) continue;
        tree::TreeOptions written;
        bool known = true;
        for (const std::string& line : read_lines(args))
            if (!line.empty() && !tree::parse_tree_option(written, line)) known = false;
        fs::path dir = fs::path(args).replace_extension();
        if (known && written == options && fs::is_directory(dir)) return dir;
    }
    return std::nullopt;
}

// Folders that no run writes: linked, not copied, where the system allows.
bool shared_read_only(const fs::path& name) { return name == "SHOWERS" || name == "CUTOFFS"; }

void populate(const fs::path& from, const fs::path& to) {
    for (const auto& entry : fs::directory_iterator(from)) {
        fs::path name = entry.path().filename();
        if (shared_read_only(name)) link_or_copy(entry.path(), to / name);
        else fs::copy(entry.path(), to / name, fs::copy_options::recursive);
    }
}

}  // namespace

const fs::path& shared_tree(const tree::TreeOptions& options) {
    auto& trees = shared_trees();
    for (const auto& t : trees)
        if (t.options == options) return t.path;
    if (auto folder = ctest_trees_folder()) {
        if (auto dir = ctest_tree(*folder, options)) {
            trees.push_back(SharedTree{options, *dir, nullptr});
            return trees.back().path;
        }
        std::cerr << "[ data tree ] no tree with these options among those this test waits for in "
                  << folder->string() << " (add it to tests/CMakeLists.txt, and to the trees of this test program);"
                  << " writing one for this test program\n";
    }
    auto dir = std::make_unique<TempDir>();
    tree::write_data_tree(dir->path(), options);
    fs::path path = dir->path();
    trees.push_back(SharedTree{options, path, std::move(dir)});
    return trees.back().path;
}

std::string tree_path_name(const std::string& relative) {
    std::string name = relative;
    if (tree::TreeOptions{}.os.starts_with("WIN"))
        for (char& c : name)
            if (c == '/') c = '\\';
    return name;
}

TreeWorkdir::TreeWorkdir(const tree::TreeOptions& options)
    : dir_(), cwd_((populate(shared_tree(options), dir_.path()), dir_.path())) {}

}  // namespace tolv7::test
