#pragma once
// Shared records of the airport database.

namespace tolv7 {

struct AirportRecords {};

}  // namespace tolv7
