// One city-pair flight of ten hours, the same route flown as a 600-minute
// waypoint flight, and the city-pair run of the sample routes repeated, on a
// data tree from the builder.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "program/startup.hpp"
#include "runs/big_flight_dose.hpp"
#include "runs/city_pair_run.hpp"
#include "runs/waypoint_dose.hpp"
#include "support/data_tree_fixture.hpp"

namespace {

using namespace tolv7;

// London to Tokyo: climb 20 minutes, three steps of 560 minutes, descent 20.
const char kBigRecord[] =
    "LHR-HND\n2019/06/15\nEGLL\nRJTT\n3\n20\n35000 180\n37000 200\n39000 180\n20\n--------\n";

// The same route as waypoints, minute 0 to 600.
const char kWaypoints[] =
    "2019/06/15,LHR-HND\nTITLES\n"
    "51 28.2 N   0 27.7 W     83   0\n"
    "52 30.0 N   3  0.0 E  35000  20\n"
    "62  0.0 N  40  0.0 E  35000 200\n"
    "64  0.0 N  90  0.0 E  37000 400\n"
    "48  0.0 N 132  0.0 E  39000 580\n"
    "35 33.1 N 139 46.8 E     35 600\n";

class FlightTree {
public:
    FlightTree() { start_up(*tp); }
    test::TreeWorkdir wd;
    test::TestProgram tp;
};

void BM_CityPairTenHours(benchmark::State& state) {
    FlightTree tree;
    for (auto _ : state) {
        std::istringstream in(kBigRecord);
        FlightFile file{in, "FLIGHTS.BIG"};
        BigFlightDose f = big_flt_dose(*tree.tp, file, "2019/06/15", 1200, 38, 2);
        if (f.status != FlightStatus::Computed) state.SkipWithError("flight not computed");
        benchmark::DoNotOptimize(f.dose);
    }
}

void BM_WaypointSixHundredMinutes(benchmark::State& state) {
    FlightTree tree;
    for (auto _ : state) {
        std::istringstream in(kWaypoints);
        std::ostringstream dat;
        WaypointDose f = deg_flt_dose(*tree.tp, in, "ROUTE.DEG", dat, "2019/06/15", 1200, 38, 2);
        if (f.status != FlightStatus::Computed) state.SkipWithError("flight not computed");
        benchmark::DoNotOptimize(f.total);
    }
}

// The twelve sample routes (two to sixteen hours, single days, monthly and
// yearly averages) ten times over: 120 flights in one batch run.
void BM_SampleRoutesCityPairRun(benchmark::State& state) {
    FlightTree tree;
    std::ifstream sample(std::filesystem::path(TOLV7_SAMPLES_DIR) / "FLIGHTS.BIG");
    std::string routes((std::istreambuf_iterator<char>(sample)), std::istreambuf_iterator<char>());
    if (routes.empty()) state.SkipWithError("no sample routes");
    std::string flights;
    for (int n = 0; n < 10; ++n) flights += routes;
    test::write_file("FLIGHTS.BIG", flights);
    test::write_file("DEFAULT.INP", "0000/00/00\n1200\n   0\n   2\nFLIGHTS.BIG\n");
    tree.tp.shell.handler = [](const std::string&) { test::write_file("FILELIST.TXT", "FLIGHTS.BIG\n"); };
    for (auto _ : state) {
        benchmark::DoNotOptimize(runbig(*tree.tp));
        state.PauseTiming();
        std::filesystem::remove("TOLV-7.RPT");
        state.ResumeTiming();
    }
}

BENCHMARK(BM_CityPairTenHours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WaypointSixHundredMinutes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SampleRoutesCityPairRun)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
