// The fold on small worked inputs, dose kinds beyond those the cache keeps,
// and the dose trace file after a longer trace.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "app/calendar.hpp"
#include "engine/dose.hpp"
#include "engine/dose_fold.hpp"
#include "program/startup.hpp"
#include "support/data_tree_fixture.hpp"

namespace tolv7::test {
namespace {

// Inputs of the fold: all zero until a test sets a bin.
struct FoldInput {
    std::vector<double> flux = std::vector<double>(2700, 0.0);
    std::vector<double> variance = std::vector<double>(2700, 0.0);
    std::vector<double> ftd = std::vector<double>(2600, 0.0);
    std::vector<double> shows = std::vector<double>(2600, 0.0);
    std::vector<double> top = std::vector<double>(26, 1.0);

    // Element z, bin i: flux F, its variance V, coefficient U and its
    // uncertainty S (flux tables element fastest, coefficients bin fastest).
    void set(int z, int i, double f, double v, double u, double s) {
        flux[static_cast<std::size_t>((z - 1) + 27 * (i - 1))] = f;
        variance[static_cast<std::size_t>((z - 1) + 27 * (i - 1))] = v;
        ftd[static_cast<std::size_t>((z - 1) * 100 + i - 1)] = u;
        shows[static_cast<std::size_t>((z - 1) * 100 + i - 1)] = s;
    }
    FoldResult fold(double cutoff, double weight) const {
        return fold_dose({flux, variance}, {cutoff, weight}, {ftd, shows, top});
    }
};

// Bin edges of the worked values (GeV): hydrogen's are the midpoints of the
// energy grid, helium's four times hydrogen's.
//   H bin 1: 0 to 0.01075     H bin 34: 0.93485 to 1.075   H bin 35: 1.075 to 1.236
//   H bin 99: 8131 to 9348.5  H bin 100: 9348.5 to 10651.5  He bin 1: 0 to 0.043
// The fold's norm is 0.72 x pi in single precision, 2.261946773529053.
void expect_close(double actual, double expected) { EXPECT_NEAR(actual, expected, 1e-13 * std::fabs(expected)); }

TEST(PureFold, WholeBinsAddTheirTermsAndVariances) {
    FoldInput in;
    in.set(1, 1, 4.0, 0.25, 2.0, 0.5);
    in.set(2, 1, 2.0, 0.0, 3.0, 0.0);
    FoldResult r = in.fold(0.0, 0.5);
    // H bin 1: O = norm x 0.01075 x 4 = 0.09726371126174926; term = 2 x 0.5 x O.
    // He bin 1: O = norm x 0.043 x 2; term = 3 x 0.5 x O = 0.2917911337852478.
    expect_close(r.rate, 0.09726371126174926 + 0.2917911337852478);
    // Only H bin 1 has an uncertainty: V (term / F)^2 + S^2 (term / U)^2
    // = 0.25 x (O / 4)^2 + 0.25 x (O / 2)^2.
    expect_close(r.variance, 0.0007390804319069476);
}

TEST(PureFold, CutoffRemovesBinsBelowItAndThePartOfItsBinBelowItsEnergy) {
    FoldInput in;
    for (int i : {33, 34, 35}) in.set(1, i, 1.0, 0.0, 1.0, 0.0);
    // The rigidity at which a proton (rest energy 0.938 GeV) has 1 GeV:
    // sqrt(1 + 2 x 0.938); bin 34 holds 1 GeV.
    const double rc = std::sqrt(1.0 + 2.0 * static_cast<double>(0.938f));
    // Bin 33 lies below the cutoff, bin 34 counts from 1 GeV to 1.075,
    // bin 35 whole: norm x (0.075 + 0.161).
    expect_close(in.fold(rc, 1.0).rate, 0.5338194385528564);
    // Far above every bin, and with no sky passing, nothing is left.
    EXPECT_EQ(in.fold(1e6, 1.0).rate, 0.0);
    FoldResult closed = in.fold(0.0, 0.0);
    EXPECT_EQ(closed.rate, 0.0);
    EXPECT_EQ(closed.variance, 0.0);
}

TEST(PureFold, TopBinFactorScalesOnlyTheTopBin) {
    FoldInput in;
    in.top[0] = 2.5;
    in.set(1, 99, 1e-6, 0.0, 1.0, 0.0);
    // norm x 1217.5 x 1e-6: the factor leaves bin 99 alone.
    expect_close(in.fold(0.0, 1.0).rate, 0.0027539201967716215);
    in.set(1, 99, 0.0, 0.0, 0.0, 0.0);
    in.set(1, 100, 1e-6, 0.0, 1.0, 0.0);
    // norm x 2.5 x 1303 x 1e-6.
    expect_close(in.fold(0.0, 1.0).rate, 0.007368291614770889);
}

TEST(PureFold, BinsWithoutFluxOrCoefficientAddNoVariance) {
    FoldInput in;
    in.set(1, 5, 0.0, 1.0, 1.0, 1.0);  // no flux
    in.set(1, 6, 1.0, 1.0, 0.0, 1.0);  // no coefficient
    FoldResult r = in.fold(0.0, 1.0);
    EXPECT_EQ(r.rate, 0.0);
    EXPECT_EQ(r.variance, 0.0);
}

TEST(PureFold, TablesTooSmallAreRefused) {
    FoldInput in;
    in.flux.resize(2699);
    EXPECT_THROW(in.fold(0.0, 1.0), std::invalid_argument);
    FoldInput few_tops;
    few_tops.top.resize(25);
    EXPECT_THROW(few_tops.fold(0.0, 1.0), std::invalid_argument);
}

TEST(PureFold, BinByBinGivesTheSameSumsAndShowsEachBinInOrder) {
    FoldInput in;
    for (int z = 1; z <= 26; ++z)
        for (int i = 1; i <= 100; ++i)
            in.set(z, i, 1.0 / (z * i), 0.0, 0.01 * i, 0.001 * z);
    in.top[3] = 1.7;
    const double rc = std::sqrt(1.0 + 2.0 * static_cast<double>(0.938f));
    FoldResult whole = in.fold(rc, 0.8);
    std::vector<FoldStep> steps;
    FoldResult by_bin = fold_dose_by_bin(
        {in.flux, in.variance}, {rc, 0.8},
        [&](int z, int i) {
            const auto b = static_cast<std::size_t>((z - 1) * 100 + i - 1);
            return BinCoefficients{in.ftd[b], in.shows[b], i == 100 ? in.top[static_cast<std::size_t>(z - 1)] : 1.0};
        },
        [&](const FoldStep& s) { steps.push_back(s); });
    EXPECT_EQ(by_bin.rate, whole.rate);
    EXPECT_EQ(by_bin.variance, whole.variance);
    ASSERT_EQ(steps.size(), 2600u);
    EXPECT_EQ(steps.front().z, 1);
    EXPECT_EQ(steps.front().i, 1);
    EXPECT_EQ(steps[100].z, 2);
    EXPECT_EQ(steps[100].i, 1);
    EXPECT_EQ(steps.back().sum.rate, whole.rate);
    // Hydrogen: nothing below bin 34, the cutoff energy 1 GeV from bin 34 on.
    EXPECT_EQ(steps[32].term, 0.0);
    EXPECT_EQ(steps[32].last_ec, 0.0);
    EXPECT_NEAR(steps[33].last_ec, 1.0, 1e-12);
    EXPECT_EQ(steps[34].last_ec, steps[33].last_ec);
    expect_close(steps[34].last_o, 2.261946773529053 * 0.161 / 35);
}

double year_of(int y, int m, int d, int h) { return y + dsf(y, m, d, h) / diy(y); }

struct Computed {
    double rate, isostats;
    bool operator==(const Computed&) const = default;
};

// More dose kinds than the cache keeps (eight) and more (dose kind, depth)
// pairs than it keeps (64); each kind met again after it left the cache
// gives what it gave before and what a program without caches gives.
TEST(DoseKindCache, KindsMetAgainAfterLeavingTheCacheGiveTheirFreshResults) {
    const std::vector<int> kinds = {1, 38, 39, 76, 77, 114, 115, 152, 190, 304};
    const std::vector<double> depths = {100.0, 230.0, 250.0, 300.0, 500.0, 918.0, 1000.0};
    struct Call {
        int kind;
        double depth;
    };
    std::vector<Call> calls;
    for (int kind : kinds) calls.push_back({kind, 230.0});
    // The first kinds again: left the kind cache, their depth still kept.
    calls.push_back({1, 230.0});
    calls.push_back({38, 230.0});
    for (double depth : depths)
        for (int kind : kinds) calls.push_back({kind, depth});
    // The first pairs again after 70 pairs.
    calls.push_back({1, 100.0});
    calls.push_back({38, 100.0});
    calls.push_back({1, 230.0});

    // After nine kinds the first has left the kind cache.
    auto first_kind_left = [](const DoseKept& k) {
        return k.prepared.size() == 8 &&
               std::none_of(k.prepared.begin(), k.prepared.end(), [](const auto& p) { return p->dose_kind == 1; });
    };
    auto run = [&](bool caching, bool* evicted) {
        TreeWorkdir wd;
        TestProgram tp;
        start_up(*tp);
        tp->engine.caching = caching;
        tp->engine.useaves = {0, 0, 0};
        std::vector<Computed> out;
        for (const Call& c : calls) {
            double lon = 10.0;
            double rate = dose(*tp, 45.0, lon, c.depth, year_of(2019, 6, 15, 12), c.kind, 4, 0, 0);
            out.push_back({rate, tp->engine.isostats});
            if (out.size() == 9 && evicted) *evicted = first_kind_left(tp->engine.dose_kept);
        }
        if (caching) {
            // The cache did let kinds and pairs go.
            EXPECT_LE(tp->engine.dose_kept.prepared.size(), 8u);
            EXPECT_LE(tp->engine.dose_kept.at_depths.size(), 64u);
        }
        return out;
    };
    bool evicted = false;
    std::vector<Computed> cached = run(true, &evicted);
    EXPECT_TRUE(evicted);
    std::vector<Computed> fresh = run(false, nullptr);
    ASSERT_EQ(cached.size(), calls.size());
    for (std::size_t n = 0; n < calls.size(); ++n) {
        EXPECT_EQ(cached[n], fresh[n]) << "call " << n << ", kind " << calls[n].kind << ", depth " << calls[n].depth;
        EXPECT_GT(cached[n].rate, 0.0) << n;
    }
    // The same kind at the same depth gives the same values each time.
    EXPECT_EQ(cached[10], cached[0]);
    EXPECT_EQ(cached[11], cached[1]);
    EXPECT_EQ(cached[cached.size() - 1], cached[0]);
}

// A dose computation writes DIAGNOSE/DIAGDAP.DAT over: a shorter one after a
// long trace leaves its own lines only, no tail of the longer file.
TEST(DoseTraceFile, ShorterComputationLeavesOnlyItsOwnLines) {
    tree::TreeOptions o;
    o.constant_coefficients = true;
    o.cutoffs = tree::CutoffShape::Zero;
    o.constant_potential_mv = 600;
    TreeWorkdir wd(o);
    TestProgram tp;
    start_up(*tp);
    tp->engine.useaves = {0, 0, 0};
    const double date = year_of(2019, 6, 15, 12);
    auto compute = [&](int kind, int test) {
        double lon = 10.0;
        dose(*tp, 45.0, lon, 300.0, date, kind, 4, test, 0);
        return read_lines("DIAGNOSE/DIAGDAP.DAT");
    };
    auto is_bin_line = [](const std::string& l) { return l.rfind(" z,e,ftdcc", 0) == 0; };

    auto long_trace = compute(76, 1);
    ASSERT_GT(long_trace.size(), 5200u);
    // A trace without a fold: the start (2 lines), the spectrum (2600), the
    // time of the spectrum, the filters (4), the Forbush factor, the fold's
    // title and the result.
    auto short_trace = compute(305, 1);
    ASSERT_EQ(short_trace.size(), 2610u);
    EXPECT_EQ(short_trace.front().rfind("  Starting ", 0), 0u);
    EXPECT_EQ(short_trace.back().rfind("  Adjusted Dose of type          305 is ", 0), 0u) << short_trace.back();
    EXPECT_EQ(std::count_if(short_trace.begin(), short_trace.end(), is_bin_line), 0);

    compute(76, 1);
    // Without the trace and without a fold nothing at all.
    compute(305, 0);
    EXPECT_EQ(read_file("DIAGNOSE/DIAGDAP.DAT"), "");
    compute(76, 1);
    // Without the trace, with a fold: at most one top-bin warning per element.
    auto quiet = compute(76, 0);
    EXPECT_LE(quiet.size(), 26u);
    for (const std::string& line : quiet) EXPECT_EQ(line.rfind(" Warning, Low HFF(Z,100): ", 0), 0u) << line;
}

}  // namespace
}  // namespace tolv7::test
