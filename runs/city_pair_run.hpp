#pragma once
// The city-pair flight run.

namespace tolv7 {

struct Program;

void runbig(Program& p);

}  // namespace tolv7
