#include "support/data_tree_fixture.hpp"

#include <memory>
#include <utility>
#include <vector>

namespace tolv7::test {

namespace {

struct BuiltTree {
    tree::TreeOptions options;
    std::unique_ptr<TempDir> dir;
};

std::vector<BuiltTree>& built_trees() {
    static std::vector<BuiltTree> trees;
    return trees;
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
    for (const auto& t : built_trees())
        if (t.options == options) return t.dir->path();
    auto dir = std::make_unique<TempDir>();
    tree::write_data_tree(dir->path(), options);
    built_trees().push_back(BuiltTree{options, std::move(dir)});
    return built_trees().back().dir->path();
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
