// One city-pair flight of ten hours and the same route flown as a
// 600-minute waypoint flight, on a data tree from the builder.
#include <benchmark/benchmark.h>

#include <sstream>

#include "app/startup.hpp"
#include "runs/big_flight_dose.hpp"
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
        if (f.status != 0) state.SkipWithError("flight not computed");
        benchmark::DoNotOptimize(f.dose);
    }
}

void BM_WaypointSixHundredMinutes(benchmark::State& state) {
    FlightTree tree;
    for (auto _ : state) {
        std::istringstream in(kWaypoints);
        std::ostringstream dat;
        WaypointDose f = deg_flt_dose(*tree.tp, in, "ROUTE.DEG", dat, "2019/06/15", 1200, 38, 2);
        if (f.status != 0) state.SkipWithError("flight not computed");
        benchmark::DoNotOptimize(f.total);
    }
}

BENCHMARK(BM_CityPairTenHours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WaypointSixHundredMinutes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
