// The sample runs against committed expected results. The expected files
// under tests/golden/ were written by the program itself and reviewed; a
// change of any byte shows up here and, after an update, as a diff in review.
//
// To update them after an intended change of results:
//   TOLV7_UPDATE_GOLDEN=1 build/tests/test_golden_runs
// then review `git diff tests/golden` before committing.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "app/program_stop.hpp"
#include "support/data_tree_fixture.hpp"
#include "support/golden_file.hpp"

namespace tolv7::test {
namespace {

const fs::path kSourceDir = fs::path(__FILE__).parent_path();

// One batch job: the DEFAULT.INP text and the result files it writes.
struct Job {
    const char* name;
    const char* default_inp;
    std::vector<const char*> results;
};

const Job kJobs[] = {
    {"city_pair", "0000/00/00\n   0\n   0\n   2\nFLIGHTS.BIG\n", {"FLIGHTS.OUT", "TOLV-7.RPT"}},
    {"waypoint", "2019/06/15\n1200\n   0\n   2\nROUTES.DEG\n", {"ROUTES.SUM", "ROUTES.DAT"}},
    {"location", "2019/06/15\n1200\n   0\n   2\nPLACES.LOC\n", {"PLACES.ANS"}},
};

// The city-pair sample with every flight on the magnetic storm day of the
// default tree, taking off at 16 UT: the flights meet Kp 5 and more, so
// their cutoffs take the storm adjustment.
const Job kStormDayJobs[] = {
    {"city_pair", "2018/08/26\n1600\n   0\n   2\nFLIGHTS.BIG\n", {"FLIGHTS.OUT", "TOLV-7.RPT"}},
};

// Runs every job on a tree and compares (or, when updating, writes) each
// result file with its golden copy under tests/golden/<tree_name>/.
void check_jobs(const std::string& tree_name, const tree::TreeOptions& options, std::span<const Job> jobs = kJobs) {
    for (const Job& job : jobs) {
        SCOPED_TRACE(tree_name + " " + job.name);
        TreeWorkdir wd(options);
        for (const char* sample : {"FLIGHTS.BIG", "ROUTES.DEG", "PLACES.LOC"})
            fs::copy_file(kSourceDir.parent_path() / "samples" / sample, sample);
        // The city-pair report block is written only with the report switch on.
        std::string ini = read_file("TOLV.INI");
        write_file("TOLV.INI", "CALCULATE = YES\n" + ini);
        write_file("DEFAULT.INP", job.default_inp);

        std::string console;
        ASSERT_EQ(run_executable(wd.path(), "", &console), kExitNormal) << console;
        for (const char* result : job.results) {
            ASSERT_TRUE(fs::exists(result)) << result;
            EXPECT_TRUE(matches_golden(tree_name + "/" + result, read_file(result)));
        }
    }
}

TEST(GoldenRuns, SampleJobsOnTheDefaultTree) { check_jobs("default_tree", {}); }

TEST(GoldenRuns, CityPairSampleOnTheStormDay) { check_jobs("storm_day", {}, kStormDayJobs); }

// A small exact tree: one coefficient everywhere, no geomagnetic shielding
// and one potential for every date, so every figure can be checked by hand.
TEST(GoldenRuns, SampleJobsOnAnExactTree) {
    tree::TreeOptions exact;
    exact.constant_coefficients = true;
    exact.coefficient = 0.0001;
    exact.cutoffs = tree::CutoffShape::Zero;
    exact.constant_potential_mv = 500;
    check_jobs("exact_tree", exact);
}

}  // namespace
}  // namespace tolv7::test
