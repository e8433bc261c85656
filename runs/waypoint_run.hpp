#pragma once
// The waypoint flight run.

namespace tolv7 {

struct Program;

void rundeg(Program& p);

}  // namespace tolv7
