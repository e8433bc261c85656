#include "engine/findcut.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/console_routines.hpp"
#include "app/program_stop.hpp"
#include "engine/cutoff_grid.hpp"
#include "engine/engine_context.hpp"
#include "engine/kp_adjust.hpp"
#include "engine/sky_geometry.hpp"

namespace tolv7 {

namespace {

void open_cutoff_log(const EngineContext& p) {
    if (p.engine.cutoff_log.is_open()) return;
    std::string name = os_path(p.set.init, "DIAGNOSE", "DIAGNOSE.SKY");
    if (pipe_named(name)) stop_unwritable(name);  // its open would wait for a reader
    p.engine.cutoff_log.open(name, std::ios::out | std::ios::trunc);
    if (!p.engine.cutoff_log) stop_unwritable(name);
}

// Opens the six grid files at the first call and keeps them open; parses
// them once, or before every call when caching is off.
void load_cutoff_grids(const EngineContext& p) {
    EngineRecords& e = p.engine;
    for (std::size_t g = 0; g < e.cutoff_files.size(); ++g) {
        if (e.cutoff_files[g].is_open()) continue;
        std::string name = os_path(p.set.init, "CUTOFFS", kCutoffGridFiles[g]);
        open_existing(e.cutoff_files[g], name);
    }
    if (e.cutoff_grids_parsed && e.caching) return;
    for (std::size_t g = 0; g < e.cutoff_files.size(); ++g) {
        std::string name = os_path(p.set.init, "CUTOFFS", kCutoffGridFiles[g]);
        std::ifstream& in = e.cutoff_files[g];
        in.clear();
        in.seekg(0);
        e.cutoff_grids[g] = parse_cutoff_grid(in, name);
    }
    e.cutoff_grids_parsed = true;
}

const CutoffGrid& grid(const EngineContext& p, int g) { return p.engine.cutoff_grids[static_cast<std::size_t>(g - 1)]; }

double epoch(int g) { return kCutoffEpochs[static_cast<std::size_t>(g - 1)]; }

}  // namespace

void cutoff_log_line(const EngineContext& p, const std::string& line) {
    open_cutoff_log(p);
    p.engine.cutoff_log << line << '\n';
    flush_checked(p.engine.cutoff_log, os_path(p.set.init, "DIAGNOSE", "DIAGNOSE.SKY"));
}

// The epoch pair turns over 197.5 days (this share of a 365-day year)
// before each epoch year.
constexpr double kEpochLead = 0.5410958901047707;

CutoffEpochs cutoff_epochs(double date) {
    // Before the first epoch its grid alone serves; from the first epoch on
    // each grid is interpolated with the one before it; from the last epoch
    // on the last grid alone serves.
    double y = std::trunc(date + kEpochLead);
    if (y < kCutoffEpochs.front()) return {1, 1, 1};
    for (int upper = 2; upper <= kCutoffGrids; ++upper)
        if (y < epoch(upper)) return {upper, upper - 1, 2};
    return {kCutoffGrids, kCutoffGrids, 1};
}

void findcut(const EngineContext& p, int sectors, int bands, double date, double latitude, double longitude,
             double altitude_km, double& vcut, std::span<double> skycut, std::span<double> skypass,
             std::span<double> skywt) {
    p.engine.skydiag = kSwitchOff;
    open_cutoff_log(p);
    load_cutoff_grids(p);
    if (bands >= 1 && sectors >= 1) {
        std::size_t cells = static_cast<std::size_t>(bands) * static_cast<std::size_t>(sectors);
        if (skycut.size() < cells || skypass.size() < cells || skywt.size() < cells)
            epitath(p, "Sky arrays are smaller than bands x sectors",
                    "cutoff lookup: " + std::to_string(bands) + " bands x " + std::to_string(sectors) + " sectors need " +
                        std::to_string(cells) + " sky cells, the arrays hold " +
                        std::to_string(std::min({skycut.size(), skypass.size(), skywt.size()})));
    }

    CutoffEpochs e = cutoff_epochs(date);
    double ru = readvc(p, grid(p, e.upper), latitude, longitude) * vcaltadj(e.upper, altitude_km);
    double rc = ru;
    if (e.used == 2) {
        double rl = readvc(p, grid(p, e.lower), latitude, longitude) * vcaltadj(e.lower, altitude_km);
        double yl = epoch(e.lower);
        double yu = epoch(e.upper);
        rc = rl + (rl - ru) / (yl - yu) * (date - yl);
    }

    rc = anid(p, rc, date);
    vcut = rc;
    sky_cells(p.set.nvc_tf.ch, bands, sectors, rc, altitude_km, skycut, skypass, skywt);
}

}  // namespace tolv7
