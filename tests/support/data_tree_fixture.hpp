#pragma once
// Data trees for tests. Under ctest the trees are written once per run by the
// tree tool (tests/CMakeLists.txt lists the sets of options, and the trees
// each test program reads) and found through TOLV7_TEST_TREES, among the
// trees named in TOLV7_TEST_TREE_NAMES; a set of options not written there,
// or a test program run alone, writes its tree itself once per process into
// a temporary folder. Each test gets its own working folder that links the
// large read-only parts of the tree (SHOWERS, CUTOFFS) and copies the rest;
// after the run ctest checks that no test changed a shared tree.
#include "support/test_program.hpp"
#include "tools/data_tree.hpp"

namespace tolv7::test {

// The folder of the shared tree for these options (found or built on first
// use). Read it; never write into it.
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
