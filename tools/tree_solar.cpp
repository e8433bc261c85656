// Placeholder: an empty file in its place until this part of the tree is written.
#include "tools/data_tree.hpp"

namespace tolv7::tree {

void write_solar_modulation(const fs::path& dir, const TreeOptions&) {
    write_text_file(dir / "SOLARMOD/MV-DATES.L99", "");
    write_text_file(dir / "SOLARMOD/MORDATES.2K", "");
}

}  // namespace tolv7::tree
