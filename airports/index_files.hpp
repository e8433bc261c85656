#pragma once
// The airport index files built from the primary and user airport files.

namespace tolv7 {

struct Program;

void make_ndx(Program& p, int record_length, int capacity);

}  // namespace tolv7
