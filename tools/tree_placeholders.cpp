// Parts of the tree that are not written yet: empty files in their places.
#include "tools/data_tree.hpp"

namespace tolv7::tree {

void write_atmosphere(const fs::path& dir, const TreeOptions&) { write_text_file(dir / "ATMOSPHERE/FT-GM.DAT", ""); }
void write_showers(const fs::path& dir, const TreeOptions&) { fs::create_directories(dir / "SHOWERS"); }
void write_cutoffs(const fs::path& dir, const TreeOptions&) { fs::create_directories(dir / "CUTOFFS"); }
void write_solar_modulation(const fs::path& dir, const TreeOptions&) {
    write_text_file(dir / "SOLARMOD/MV-DATES.L99", "");
    write_text_file(dir / "SOLARMOD/MORDATES.2K", "");
}
void write_forbush(const fs::path& dir, const TreeOptions&) { write_text_file(dir / "FORBUSH/FORBUSH.DAT", ""); }
void write_kp_index(const fs::path& dir, const TreeOptions&) { write_text_file(dir / "KP_INDEX/KP_INDEX.TXT", ""); }
void write_airports(const fs::path& dir, const TreeOptions&) {
    write_text_file(dir / "AIRPORTS/AIRPORTS.DAT", "");
    write_text_file(dir / "AIRPORTS/NEWPORTS.DAT", "");
    write_text_file(dir / "AIRPORTS/CODES", "");
}

}  // namespace tolv7::tree
