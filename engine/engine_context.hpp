#pragma once
// What the dose engine's models work with: the common seams and settings and
// the engine's own records.
#include "app/app_context.hpp"
#include "engine/engine_records.hpp"

namespace tolv7 {

struct EngineContext : AppContext {
    EngineRecords& engine;
};

}  // namespace tolv7
