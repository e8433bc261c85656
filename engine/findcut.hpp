#pragma once
// The geomagnetic cutoff of a place, altitude and date: the vertical cutoff
// from the epoch grids, scaled for altitude, interpolated in time and
// adjusted for storms, and the cutoff, pass value and weight of each sky cell.
#include <span>
#include <string>

namespace tolv7 {

struct EngineContext;

// sectors (m) and bands (n) divide the sky; date is a decimal year,
// latitude and longitude in degrees (north and east positive), altitude in
// km. vcut receives the storm-adjusted vertical cutoff (GV); the sky arrays
// (n x m, band fastest) receive each cell's cutoff, pass value and weight
// and are left untouched when n or m is below 1.
void findcut(const EngineContext& p, int sectors, int bands, double date, double latitude, double longitude,
             double altitude_km, double& vcut, std::span<double> skycut, std::span<double> skypass,
             std::span<double> skywt);

// Grids of the date: upper and lower grid (1-6) and how many are used.
struct CutoffEpochs {
    int upper = 1;
    int lower = 1;
    int used = 1;
};
CutoffEpochs cutoff_epochs(double date);

// Writes one line to the cutoff log DIAGNOSE/DIAGNOSE.SKY, opening it
// (written from its beginning) at the first use of the run.
void cutoff_log_line(const EngineContext& p, const std::string& line);

}  // namespace tolv7
