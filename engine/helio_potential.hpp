#pragma once
// Heliocentric potential tables.

namespace tolv7 {

struct Program;

void load_hp(Program& p);

}  // namespace tolv7
