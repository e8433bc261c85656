// Start-up load of the shower library (27 files, about 67 MB of
// fixed-column text), and the whole start-up with it on a full data tree.
#include <benchmark/benchmark.h>

#include "engine/shower_library.hpp"
#include "program/startup.hpp"
#include "support/data_tree_fixture.hpp"
#include "support/test_program.hpp"
#include "tools/data_tree.hpp"

namespace {

using namespace tolv7;

void BM_LoadShowerLibrary(benchmark::State& state) {
    test::TempDir dir;
    tree::write_showers(dir.path(), tree::TreeOptions{});
    test::ScopedCwd cwd(dir.path());
    for (auto _ : state) {
        test::TestProgram tp;
        tp->set.init.os = "LINUX";
        loadftdccs(*tp);
        benchmark::DoNotOptimize(tp->engine.ftdcc.data());
    }
    state.SetBytesProcessed(state.iterations() * 67'000'000LL);
}

void BM_StartUpWithTheWholeLibrary(benchmark::State& state) {
    test::TreeWorkdir wd;
    for (auto _ : state) {
        test::TestProgram tp;
        start_up(*tp);
        benchmark::DoNotOptimize(tp->engine.ftdcc.data());
    }
}

BENCHMARK(BM_StartUpWithTheWholeLibrary)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_LoadShowerLibrary)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
