// A 10,000-line location list run in batch mode: every line on a new date
// (one day and five hours after the line before), the dose quantity and
// particle changing every four lines, places around the globe at ground
// level, 35,000 and 40,000 ft.
#include <benchmark/benchmark.h>

#include <string>

#include "program/startup.hpp"
#include "runs/location_run.hpp"
#include "support/data_tree_fixture.hpp"

namespace {

using namespace tolv7;

constexpr int kLines = 10000;

std::string two_digits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::string location_list() {
    static const char* const kKinds[] = {"P00,D2", "P00,D4", "P00,D5", "P01,D2", "P00,D1", "P01,D4"};
    static const int kFeet[] = {0, 35000, 40000};
    std::string list = "A LONG LIST\nSTART-\n";
    int year = 2000, month = 1, day = 1, hour = 0;
    for (int n = 0; n < kLines; ++n) {
        int lat = (n * 37) % 180 - 89;
        int lon = (n * 53) % 360;
        list += std::string(lat < 0 ? "S," : "N,") + std::to_string(lat < 0 ? -lat : lat) + ",E," +
                std::to_string(lon) + ",F," + std::to_string(kFeet[n % 3]) + "," + std::to_string(year) + "/" +
                two_digits(month) + "/" + two_digits(day) + ",H" + two_digits(hour) + "," + kKinds[(n / 4) % 6] +
                "\n";
        hour += 5;
        day += 1 + hour / 24;
        hour %= 24;
        if (day > 28) {
            day -= 28;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
    return list + "STOP--\n";
}

void BM_LocationListTenThousandLines(benchmark::State& state) {
    test::TreeWorkdir wd;
    test::TestProgram tp;
    start_up(*tp);
    test::write_file("DEFAULT.INP", "2019/06/15\n1200\n   0\n   2\nPLACES.LOC\n");
    test::write_file("PLACES.LOC", location_list());
    for (auto _ : state) benchmark::DoNotOptimize(readit(*tp));
}

BENCHMARK(BM_LocationListTenThousandLines)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
