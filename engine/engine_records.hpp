#pragma once
// Shared records of the dose engine.

namespace tolv7 {

struct EngineRecords {};

}  // namespace tolv7
