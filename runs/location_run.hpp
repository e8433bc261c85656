#pragma once
// The location list run.

namespace tolv7 {

struct Program;

void readit(Program& p);

}  // namespace tolv7
