// Placeholder: an empty file in its place until this part of the tree is written.
#include "tools/data_tree.hpp"

namespace tolv7::tree {

void write_airports(const fs::path& dir, const TreeOptions&) {
    write_text_file(dir / "AIRPORTS/AIRPORTS.DAT", "");
    write_text_file(dir / "AIRPORTS/NEWPORTS.DAT", "");
    write_text_file(dir / "AIRPORTS/CODES", "");
}

}  // namespace tolv7::tree
