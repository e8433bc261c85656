// One dose computation at points along a 10-hour route at 35,000 ft, with
// the caches in use and with every file read afresh at each call.
#include <benchmark/benchmark.h>

#include "app/calendar.hpp"
#include "engine/altitude_depth.hpp"
#include "engine/dose.hpp"
#include "program/startup.hpp"
#include "support/data_tree_fixture.hpp"

namespace {

using namespace tolv7;

struct RoutePoint {
    double lat, lon, date;
};

// 600 minutes from London towards Los Angeles, one point a minute.
std::vector<RoutePoint> route() {
    std::vector<RoutePoint> points;
    double start = 2019 + dsf(2019, 6, 15, 12) / diy(2019);
    for (int minute = 0; minute < 600; ++minute) {
        double f = minute / 599.0;
        points.push_back({51.5 + f * (33.9 - 51.5), -0.5 + f * (-118.4 + 0.5), start + minute * 1.9026e-6});
    }
    return points;
}

void run_route(benchmark::State& state, bool caching) {
    test::TreeWorkdir wd;
    test::TestProgram tp;
    start_up(*tp);
    tp->engine.caching = caching;
    tp->engine.useaves = {0, 0, 0};
    double depth = ft2gpcms(*tp, 35000.0);
    auto points = route();
    std::size_t next = 0;
    for (auto _ : state) {
        const RoutePoint& pt = points[next++ % points.size()];
        double lon = pt.lon;
        benchmark::DoNotOptimize(dose(*tp, pt.lat, lon, depth, pt.date, 76, 4, 0, 0));
    }
}

void BM_DoseCached(benchmark::State& state) { run_route(state, true); }
void BM_DoseUncached(benchmark::State& state) { run_route(state, false); }

BENCHMARK(BM_DoseCached)->Unit(benchmark::kMillisecond)->Iterations(600)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DoseUncached)->Unit(benchmark::kMillisecond)->Iterations(60)->Repetitions(3)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
