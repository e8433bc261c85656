#pragma once
// Shared records of the dose engine: the tables loaded at start-up, the
// switches the runs set, and the per-point results that dose leaves behind.
// Each model keeps its own state in the section marked for it.
#include <array>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "app/file_stamp.hpp"
#include "app/settings.hpp"
#include "engine/altitude_depth.hpp"
#include "engine/average_switches.hpp"
#include "engine/cutoff_grid.hpp"
#include "engine/dose.hpp"
#include "engine/dose_labels.hpp"
#include "engine/file_rewrite.hpp"
#include "engine/kp_adjust.hpp"
#include "engine/potential_layouts.hpp"
#include "engine/primary_spectrum.hpp"

namespace tolv7 {

// Monthly heliocentric potentials in MV by year 1-2100 and month 1-12
// (0: none), and the year and month of the last line loaded.
struct MvDates {
    std::vector<std::int32_t> table;  // (year, month), year fastest; sized by load_hp
    std::int32_t last_year = 0;
    std::int32_t last_month = 0;
};

struct EngineRecords {
    // Shower library: 27 slots x 19 energies x 19 depths x 38 particles x 8
    // quantities, slot fastest; heap-allocated by loadftdccs.
    std::vector<double> ftdcc;
    std::vector<double> ftdccs;

    // Forbush factors by year (1957-2056), month, day and hour, year fastest.
    std::vector<double> fddata;

    // SOLARMOD/MV-DATES.L99 and SOLARMOD/MORDATES.2K are held open by no
    // one: each is opened only while it is read, so that an editor may save
    // them between reads on any system.
    MvDates mvdates;

    // Average switches set by the runs: yearly, monthly, daily (-1 set, 0 clear).
    AverageSwitches useaves{0, 0, 0};

    // Switch of the cutoff trace.
    std::string skydiag = kSwitchOff;

    // Results of the last dose computation.
    double vcut = 0.0;
    double isostats = 0.0;

    // When false, every file-backed cache of the engine is dropped before each
    // use, so that tests can compare the cached path with reading every file
    // afresh.
    bool caching = true;

    // ---- altitude table, splines, shower lookup ----

    // ATMOSPHERE/FT-GM.DAT as last read, with its prepared splines.
    AltitudeTable altitude;

    // DIAGNOSE/DIAGDAP.DAT while a dose computation holds it open; the
    // top-bin factor writes its warnings there.
    RewrittenFile diagdap;

    // ---- potentials, spectrum, Forbush ----

    // One readable line of the daily potential file SOLARMOD/MORDATES.2K
    // (month 0: yearly value, day 0: monthly value).
    using DailyPotential = tolv7::DailyPotential;
    // The daily potential file's lines, in file order up to its first
    // unreadable line, kept while the file's size and time stay the same.
    struct DailyPotentials {
        std::string path;
        FileStamp stamp;
        std::vector<DailyPotential> lines;
    };
    DailyPotentials daily_potentials;

    // The spectra of the last potential.
    SpectrumCache spectrum;

    // ---- cutoff grids, Kp, sky ----

    // The six cutoff grid files, opened by the first findcut and held open to
    // the end of the run, and their values parsed from them.
    std::array<std::ifstream, kCutoffGrids> cutoff_files;
    std::array<CutoffGrid, kCutoffGrids> cutoff_grids;
    bool cutoff_grids_parsed = false;
    // DIAGNOSE/DIAGNOSE.SKY, opened by the first findcut of the run.
    std::ofstream cutoff_log;
    // The Kp file's day lines as last read.
    KpIndexFile kp_index;

    // ---- dose ----

    DoseKept dose_kept;

    // Dose-quantity texts kept from the last valid quantity (blank before the first).
    KeptQuantityTexts kept_quantity_texts;
};

}  // namespace tolv7
