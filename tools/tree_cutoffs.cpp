// Placeholder: an empty file in its place until this part of the tree is written.
#include "tools/data_tree.hpp"

namespace tolv7::tree {

void write_cutoffs(const fs::path& dir, const TreeOptions&) { fs::create_directories(dir / "CUTOFFS"); }

}  // namespace tolv7::tree
