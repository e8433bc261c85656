#pragma once
// What the flight and location runs (and the menus above them) work with:
// the common seams and settings, the records of the engine and the airport
// database they call, and their own records. It narrows to the engine's and
// the airport database's contexts where a run calls into those.
#include "airports/airport_context.hpp"
#include "engine/engine_context.hpp"
#include "runs/run_records.hpp"

namespace tolv7 {

struct RunContext : AppContext {
    EngineRecords& engine;
    AirportRecords& airports;
    RunRecords& runs;

    operator EngineContext() const { return {static_cast<const AppContext&>(*this), engine}; }
    operator AirportContext() const { return {static_cast<const AppContext&>(*this), airports}; }
};

}  // namespace tolv7
