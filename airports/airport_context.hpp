#pragma once
// What the airport database routines work with: the common seams and
// settings and the airport records (with the files held open).
#include "airports/airport_records.hpp"
#include "app/app_context.hpp"

namespace tolv7 {

struct AirportContext : AppContext {
    AirportRecords& airports;
};

}  // namespace tolv7
