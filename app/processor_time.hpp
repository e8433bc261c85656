#pragma once
// Processor time of the program, for the timing lines of the check log.

namespace tolv7 {

// Processor time used by the program so far, in seconds.
double processor_seconds();

// The same in single precision, as the dose computation keeps its times.
float processor_seconds_single();

}  // namespace tolv7
