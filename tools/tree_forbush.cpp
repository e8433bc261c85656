// Placeholder: an empty file in its place until this part of the tree is written.
#include "tools/data_tree.hpp"

namespace tolv7::tree {

void write_forbush(const fs::path& dir, const TreeOptions&) { write_text_file(dir / "FORBUSH/FORBUSH.DAT", ""); }

}  // namespace tolv7::tree
