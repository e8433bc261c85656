#pragma once
// Processor time of the program, for the timing lines of the check log.

namespace tolv7 {

// Processor time used by the program so far, in seconds.
double processor_seconds();

}  // namespace tolv7
