#pragma once
// Forbush decrease factors.

namespace tolv7 {

struct Program;

void loadforbush(Program& p);

}  // namespace tolv7
