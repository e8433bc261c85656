#pragma once
// Shared records of the flight and location runs.

namespace tolv7 {

struct RunRecords {};

}  // namespace tolv7
