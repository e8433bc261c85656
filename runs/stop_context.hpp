#pragma once
// Fatal stops of the dose engine name a value and its limit; the runs put in
// front of that message where the value came from (the input file and its
// flight or list line).
#include <string>

#include "app/program_stop.hpp"

namespace tolv7 {

// Called from a handler of `stop`: a fatal stop with a message goes on with
// `where` in front of it; any other stop goes on unchanged.
[[noreturn]] inline void rethrow_naming(const ProgramStop& stop, const std::string& where) {
    if (stop.status() != kExitFatal || std::string(stop.what()).empty()) throw;
    throw ProgramStop(kExitFatal, where + ": " + stop.what());
}

}  // namespace tolv7
