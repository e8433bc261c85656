#pragma once
// Forbush decrease factors: an hourly table loaded from FORBUSH/FORBUSH.DAT
// that scales the primary spectrum of a date.
#include <span>

namespace tolv7 {

struct EngineContext;

// Rebuilds fddata from the file: 1.0 for every hour the file does not name.
void loadforbush(const EngineContext& p);

// Multiplies the primary flux table (27 primaries x 100 energies) by the
// Forbush factor of the date and returns the factor in `factor`.
void forbush(const EngineContext& p, double date, std::span<double> flux, double& factor);

}  // namespace tolv7
