#pragma once
// Data trees for tests: each distinct set of options is built once per test
// program into a temporary folder; each test gets its own working folder
// that links the large read-only parts of that tree and copies the rest.
#include "support/test_program.hpp"
#include "tools/data_tree.hpp"

namespace tolv7::test {

// The folder of the shared tree for these options (built on first use).
const fs::path& shared_tree(const tree::TreeOptions& options = {});

// A relative path as the program names it under the OS setting of the trees
// this build writes (with backslashes on Windows).
std::string tree_path_name(const std::string& relative);

// A working folder for one test: the tree's files, the program's working
// directory for the object's lifetime.
class TreeWorkdir {
public:
    explicit TreeWorkdir(const tree::TreeOptions& options = {});
    const fs::path& path() const { return dir_.path(); }

private:
    TempDir dir_;
    ScopedCwd cwd_;
};

}  // namespace tolv7::test
