// Conversion coefficients, their uncertainties and the top-bin factor.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/coefficient_lookup.hpp"
#include "engine/energy_grid.hpp"
#include "engine/shower_library.hpp"
#include "support/data_tree_fixture.hpp"

namespace tolv7 {
namespace {

namespace fs = std::filesystem;
using test::TestProgram;

constexpr double kTopShare = 0.12999999523162842;

void load_library(TestProgram& tp) {
    tp->set.init.os = "LINUX";
    loadftdccs(*tp);
}

// A library held in memory: every value from a rule of its place.
template <typename Rule>
void fill_library(TestProgram& tp, Rule rule) {
    tp->engine.ftdcc.assign(kShowerValues, 0.0);
    tp->engine.ftdccs.assign(kShowerValues, 0.0);
    for (int q = 1; q <= kDoseQuantities; ++q)
        for (int p = 1; p <= kShowerParticles; ++p)
            for (int d = 1; d <= kShowerDepths; ++d)
                for (int e = 1; e <= kShowerEnergies; ++e)
                    for (int s = 1; s <= kShowerSlots; ++s) {
                        tp->engine.ftdcc[shower_index(s, e, d, p, q)] = rule(s, e, d, p, q);
                        tp->engine.ftdccs[shower_index(s, e, d, p, q)] = 0.1 * rule(s, e, d, p, q);
                    }
}

// Flux and energy tables (27 x 100, element fastest) of a power-law spectrum.
struct Spectrum {
    std::vector<double> flux = std::vector<double>(2700);
    std::vector<double> energy = std::vector<double>(2700);
    double& f(int z, int i) { return flux[static_cast<std::size_t>((z - 1) + 27 * (i - 1))]; }
    double& t(int z, int i) { return energy[static_cast<std::size_t>((z - 1) + 27 * (i - 1))]; }
};

Spectrum power_law(double index) {
    Spectrum s;
    for (int z = 1; z <= 27; ++z)
        for (int i = 1; i <= 100; ++i) {
            s.t(z, i) = kEnergyGrid[static_cast<std::size_t>(i - 1)] * z;
            s.f(z, i) = 1e4 * std::pow(s.t(z, i), -index);
        }
    return s;
}

TEST(DoseKinds, SplitIntoQuantityAndParticle) {
    auto parts = [](int kind) {
        DoseKindParts k = decoder(kind);
        return std::pair{k.q, k.p};
    };
    EXPECT_EQ(parts(1), std::pair(1, 1));
    EXPECT_EQ(parts(38), std::pair(1, 38));
    EXPECT_EQ(parts(39), std::pair(2, 1));
    EXPECT_EQ(parts(77), std::pair(3, 1));
    EXPECT_EQ(parts(190), std::pair(5, 38));
    EXPECT_EQ(parts(267), std::pair(8, 1));
    EXPECT_EQ(parts(304), std::pair(8, 38));
    EXPECT_EQ(parts(0), std::pair(0, 0));
    EXPECT_EQ(parts(305), std::pair(0, 0));
    EXPECT_EQ(parts(-38), std::pair(0, 0));
    EXPECT_EQ(renorm(1), 1198087403597632.0);
    for (int q = 2; q <= 7; ++q) EXPECT_EQ(renorm(q), 0.8196721119254039);
    EXPECT_EQ(renorm(8), 2.575075761410234e-11);
}

TEST(BinEdges, FollowTheGridInTotalEnergyOfTheWholeNucleus) {
    EXPECT_DOUBLE_EQ(ue(1, 1), 0.01075);
    EXPECT_EQ(le(1, 1), 0.0);
    EXPECT_DOUBLE_EQ(ue(3, 1), 7 * 0.01075);  // lithium counts 7 nucleons, not 6.9
    EXPECT_DOUBLE_EQ(ue(26, 100), 56 * (10000.0 + 1303.0 / 2));
    EXPECT_DOUBLE_EQ(ue(26, 99), 56 * (8697.0 + 1303.0 / 2));
    for (int i = 2; i <= 100; ++i) EXPECT_EQ(le(2, i), ue(2, i - 1));
    EXPECT_EQ(le(2, 101), ue(2, 100));
}

class ConstantLibrary : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        tree::TreeOptions options;
        options.constant_coefficients = true;
        options.coefficient = 2.5;
        options.uncertainty = 0.125;
        test::TreeWorkdir wd(options);
        tp_ = new TestProgram;
        load_library(*tp_);
    }
    static void TearDownTestSuite() { delete tp_; }
    static Program& p() { return **tp_; }
    static TestProgram* tp_;
};
TestProgram* ConstantLibrary::tp_ = nullptr;

TEST_F(ConstantLibrary, GivesTheValueTimesTheQuantityFactorDownTo918) {
    for (int z : {1, 3, 26})
        for (int i : {1, 34, 100})
            for (int kind : {1, 38, 39, 100, 190, 267, 304})
                for (double depth : {0.01, 7.9173, 200.0, 500.0, 918.0}) {
                    int q = decoder(kind).q;
                    EXPECT_EQ(ftd(p(), z, i, kind, depth), 2.5 * renorm(q)) << z << " " << i << " " << kind;
                    EXPECT_EQ(shows(p(), z, i, kind, depth), 0.125 * renorm(q)) << z << " " << i << " " << kind;
                }
}

TEST_F(ConstantLibrary, HalvesEvery132GramsBelow918) {
    double at_918 = ftd(p(), 1, 50, 76, 918.0);
    // 66 g/cm2 below 918: half a halving, 2.5 x sqrt(0.5) x 0.8196721119254039 (mpmath).
    EXPECT_DOUBLE_EQ(ftd(p(), 1, 50, 76, 984.0), 1.4489892717298797);
    EXPECT_NEAR(ftd(p(), 1, 50, 76, 984.0) / at_918, 0.70711, 1e-5);
    EXPECT_EQ(ftd(p(), 1, 50, 76, 1050.0), 2.5 * 0.5 * renorm(2));
    EXPECT_EQ(shows(p(), 1, 50, 76, 1050.0), 0.125 * 0.5 * renorm(2));
    // 0.5 to the power 117.0837 / 132 (mpmath).
    EXPECT_NEAR(ftd(p(), 1, 50, 76, 1035.0837) / at_918, 0.54073823358473353, 1e-12);
}

TEST_F(ConstantLibrary, TopOfTheAtmosphereTakesTheAdjustedLevel) {
    EXPECT_EQ(ftd(p(), 6, 40, 76, 0.0), (kTopShare * 2.5 + 2.5) * renorm(2));
    EXPECT_EQ(shows(p(), 6, 40, 304, 0.0), (kTopShare * 0.125 + 0.125) * renorm(8));
    EXPECT_EQ(ftd(p(), 6, 40, 38, 0.0), 2.5 * renorm(1));  // quantity 1 is not adjusted
}

TEST(CoefficientLookup, InterpolatesAlongEnergyThenDepthInTheirOwnOrder) {
    TestProgram tp;
    // Rising with energy index and with depth index (towards the top).
    fill_library(tp, [](int s, int e, int d, int, int) { return s * 1000.0 + e * 10.0 + d; });
    int kind = 76;
    DepthValues values = ftd_depth_values(tp->engine, 1, 34, kind);
    for (std::size_t d = 1; d < values.size(); ++d) EXPECT_GT(values[d], values[d - 1]);
    // Depth nodes above 918 g/cm2 return the energy step's values.
    for (std::size_t d = 2; d < values.size(); ++d)
        EXPECT_EQ(at_depth(values, kPhys[d], 2), values[d] * renorm(2)) << d;
    // Hydrogen reads slot 2; 1 GeV lies just below the energy node 10 (1000 MeV
    // times the single-precision 0.001).
    EXPECT_GT(values[0], 2000.0 + 90.0 + 1.0);
    EXPECT_LT(values[0], 2000.0 + 100.0 + 1.0);
    // Above the last energy node every bin takes the top value.
    DepthValues iron_90 = ftd_depth_values(tp->engine, 26, 90, kind);
    DepthValues iron_100 = ftd_depth_values(tp->engine, 26, 100, kind);
    EXPECT_EQ(iron_90, iron_100);
    EXPECT_EQ(iron_90[4], 27000.0 + 190.0 + 5.0);
}

TEST(CoefficientLookup, UncertaintiesUseTheWholeMassNumber) {
    TestProgram tp;
    fill_library(tp, [](int, int e, int, int, int) { return std::pow(10.0, e / 5.0); });
    // Lithium: 6.9 nucleons' worth of energy for the coefficient, 7 for its uncertainty.
    double coefficient = ftd(*tp, 3, 40, 1, 300.0);
    double uncertainty = shows(*tp, 3, 40, 1, 300.0);
    EXPECT_GT(uncertainty, 0.1 * coefficient * 1.001);
    // Hydrogen's mass is whole: the two meet.
    EXPECT_NEAR(shows(*tp, 1, 40, 1, 300.0), 0.1 * ftd(*tp, 1, 40, 1, 300.0), 1e-12 * ftd(*tp, 1, 40, 1, 300.0));
}

TEST(CoefficientLookup, DoseKindsOutside1To304GiveNeutralValuesAndOneWarningEach) {
    test::TempDir dir;
    test::ScopedCwd cwd(dir.path());
    TestProgram tp;  // no library loaded: nothing may be read from it
    test::open_check_log(tp);
    Spectrum s = power_law(2.7);
    EXPECT_EQ(ftd(*tp, 1, 50, 0, 500.0), 0.0);
    EXPECT_EQ(shows(*tp, 1, 50, 305, 500.0), 0.0);
    EXPECT_EQ(hff(*tp, s.flux, s.energy, 1, 100, -4, 500.0), 1.0);
    EXPECT_EQ(hff(*tp, s.flux, s.energy, 1, 99, 400, 500.0), 1.0);  // bins below 100 look at nothing
    auto lines = test::check_log_lines(tp);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], " Warning, dose kind           0 is outside 1 to 304; FTD gives 0");
    EXPECT_EQ(lines[1], " Warning, dose kind         305 is outside 1 to 304; SHOWS gives 0");
    EXPECT_EQ(lines[2], " Warning, dose kind          -4 is outside 1 to 304; HFF gives 1");
}

class TopBinFactor : public ::testing::Test {
protected:
    TopBinFactor() {
        fs::create_directories(dir_.path() / "DIAGNOSE");
        tp_.log.open((dir_.path() / log_file).string());
        tp_->engine.diagdap.open(dir_.path() / dap_file);
    }
    std::vector<std::string> lines_of(const char* file) {
        tp_.log.flush();
        tp_->engine.diagdap.flush();
        return test::read_lines(dir_.path() / file);
    }
    // Both logs hold `count` lines, each a low-factor warning.
    void expect_warnings(std::size_t count) {
        auto log = lines_of(log_file);
        auto dap = lines_of(dap_file);
        ASSERT_EQ(log.size(), count);
        ASSERT_EQ(dap.size(), count);
        for (std::size_t i = 0; i < count; ++i) {
            EXPECT_EQ(log[i], dap[i]);
            EXPECT_EQ(log[i].rfind(" Warning, Low HFF(Z,100): ", 0), 0u) << log[i];
            EXPECT_EQ(log[i].substr(log[i].size() - 11), "Raised to 1") << log[i];
        }
    }
    static constexpr const char* log_file = "DIAGNOSE/TOLV7CHK.DAT";
    static constexpr const char* dap_file = "DIAGNOSE/DIAGDAP.DAT";
    test::TempDir dir_;
    TestProgram tp_;
};

// The factor is the spectrum's tail beyond bin 99, a power law through bins
// 90 and 100 normalised to bin 100 over the width of bin 99, folded with the
// total coefficient extrapolated from bins 50 and 56 as H56 + 400 k E, over
// the flux of bin 100 times its width. Here the tail is integrated
// numerically.
TEST_F(TopBinFactor, FoldsTheSpectrumTailWithTheExtrapolatedCoefficient) {
    fill_library(tp_, [](int, int e, int, int, int) { return 1e-3 * e; });
    Spectrum s = power_law(2.7);
    const int z = 2;
    double factor = hff(*tp_, s.flux, s.energy, z, 100, 76, 300.0);

    double e0 = ue(z, 98);
    double e1 = ue(z, 99);
    auto shape = [](double e) { return std::pow(e, -2.7); };
    double bin_99 = 0.0;  // integral of the shape over bin 99, by Simpson's rule in log E
    double tail = 0.0;    // integral of shape x coefficient from e1 to far beyond
    double h56 = ftd(*tp_, z, 56, 76, 300.0);
    double h50 = ftd(*tp_, z, 50, 76, 300.0);
    double k = (h56 - h50) / (s.t(z, 56) - s.t(z, 50));
    auto simpson = [](auto f, double a, double b, int n) {
        double h = (b - a) / n;
        double sum = f(a) + f(b);
        for (int j = 1; j < n; ++j) sum += f(a + j * h) * (j % 2 ? 4 : 2);
        return sum * h / 3;
    };
    bin_99 = simpson([&](double u) { return shape(std::exp(u)) * std::exp(u); }, std::log(e0), std::log(e1), 2000);
    tail = simpson([&](double u) { double e = std::exp(u); return shape(e) * (h56 + 400 * k * e) * e; },
                   std::log(e1), std::log(e1) + 40.0, 200000);
    double norm = (e1 - e0) * s.f(z, 100) / bin_99;
    double want = norm * tail / (s.f(z, 100) * (ue(z, 100) - le(z, 100)));
    EXPECT_GT(factor, 1.0);
    EXPECT_NEAR(factor, want, want * 1e-6);
    expect_warnings(0);
}

TEST_F(TopBinFactor, ALowFactorIsRaisedToOneWithOneWarningInEachLog) {
    fill_library(tp_, [](int, int, int, int, int) { return 1e-6; });
    Spectrum s = power_law(2.7);
    for (int i = 1; i < 100; ++i) EXPECT_EQ(hff(*tp_, s.flux, s.energy, 7, i, 190, 300.0), 1.0);
    EXPECT_EQ(hff(*tp_, s.flux, s.energy, 7, 100, 190, 300.0), 1.0);
    expect_warnings(1);
    // With DIAGNOSE/DIAGDAP.DAT closed, the check log alone gets the line.
    tp_->engine.diagdap.close();
    EXPECT_EQ(hff(*tp_, s.flux, s.energy, 7, 100, 190, 300.0), 1.0);
    EXPECT_EQ(lines_of(log_file).size(), 2u);
    EXPECT_EQ(lines_of(dap_file).size(), 1u);
}

TEST_F(TopBinFactor, ANonFiniteFactorCountsAsLow) {
    fill_library(tp_, [](int, int e, int, int, int) { return 1e-3 * e; });
    Spectrum zero;  // 0/0 spectral slope
    EXPECT_EQ(hff(*tp_, zero.flux, zero.energy, 4, 100, 100, 300.0), 1.0);
    Spectrum flat_energy = power_law(2.7);
    flat_energy.t(4, 56) = flat_energy.t(4, 50);  // an infinite coefficient slope
    EXPECT_EQ(hff(*tp_, flat_energy.flux, flat_energy.energy, 4, 100, 100, 300.0), 1.0);
    expect_warnings(2);
    EXPECT_NE(lines_of(log_file)[1].find("Inf"), std::string::npos) << lines_of(log_file)[1];
}

}  // namespace
}  // namespace tolv7
