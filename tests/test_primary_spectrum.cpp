// The modulated primary spectra: the file GCR_MODELS/ISO_GCR2.OUT, the values
// handed back with it, and the kinematics.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "app/calendar.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "engine/atomic.hpp"
#include "engine/helio_potential.hpp"
#include "engine/primary_spectrum.hpp"
#include "support/decimal_year.hpp"
#include "support/test_program.hpp"

namespace tolv7 {
namespace {

// A working folder whose daily potential file gives `mv` on 1 July 2020.
class Spectrum : public ::testing::Test, protected test::LoggedWorkdir {
protected:
    Spectrum() {
        test::fs::create_directories("GCR_MODELS");
        test::write_file("SOLARMOD/MV-DATES.L99", " 7/2020,     500\n");
        load_hp(*tp);
    }
    PrimarySpectrum compute(int mv) {
        test::write_file("SOLARMOD/MORDATES.2K", "2020/07/01" + fmt_i(mv, 10) + "\n");
        tp->engine.caching = false;
        return get_hpd_iso(*tp, kDate, 35.0);
    }
    std::vector<std::string> file_lines() { return test::read_lines("GCR_MODELS/ISO_GCR2.OUT"); }
    // Line of element z at energy bin j.
    static std::size_t line_of(int z, int j) { return 2 + static_cast<std::size_t>(z - 1) * 100 + (j - 1); }

    const double kDate = test::decimal_year(2020, 7, 1, 12);
};

TEST_F(Spectrum, FileLayoutWithoutModulation) {
    compute(0);
    auto lines = file_lines();
    ASSERT_EQ(lines.size(), 2802u);
    EXPECT_EQ(lines[0], "2020.501366   35.000000");
    EXPECT_EQ(lines[1], "   Z       E         F");
    EXPECT_EQ(lines[line_of(1, 1)], "   1  0.100E-01  0.120E+06");
    EXPECT_EQ(lines[line_of(1, 34)], "   1  0.100E+01  0.340E+04");
    EXPECT_EQ(lines[line_of(3, 1)].substr(0, 15), "   3  0.700E-01");
    EXPECT_EQ(lines[line_of(28, 100)].substr(0, 15), "  28  0.590E+06");
    for (std::size_t i = 2; i < lines.size(); ++i) ASSERT_EQ(lines[i].size(), 26u) << i;
}

TEST_F(Spectrum, ReturnedValuesAreTheFileReadBack) {
    for (int mv : {0, 32, 1150}) {
        SCOPED_TRACE(mv);
        PrimarySpectrum s = compute(mv);
        auto lines = file_lines();
        for (int z = 1; z <= 28; ++z)
            for (int j = 1; j <= 100; ++j) {
                const std::string& line = lines[line_of(z, j)];
                std::size_t i = PrimarySpectrum::index(z, j);
                ASSERT_EQ(std::atoi(line.substr(0, 4).c_str()), z);
                ASSERT_EQ(s.total_energy[i], std::strtod(line.substr(4, 11).c_str(), nullptr)) << line;
                ASSERT_EQ(s.flux[i], std::strtod(line.substr(15, 11).c_str(), nullptr)) << line;
            }
    }
}

TEST_F(Spectrum, PrintedFluxCarriesIntoTheExponent) {
    // With 32 MV hydrogen at 0.3765 GeV has a flux of 9998.7.
    EXPECT_NEAR(iso_gcr_flux2(1, rigidity(0.3765, 1), 0.3765, 0.032).flux, 9998.7, 0.1);
    PrimarySpectrum s = compute(32);
    EXPECT_EQ(file_lines()[line_of(1, 27)], "   1  0.377E+00  0.100E+05");
    EXPECT_EQ(s.flux[PrimarySpectrum::index(1, 27)], 10000.0);
}

TEST_F(Spectrum, ModulationLowersTheFluxMostAtLowEnergy) {
    PrimarySpectrum quiet = compute(0);
    PrimarySpectrum active = compute(1200);
    for (int z : {1, 2, 26}) {
        std::size_t low = PrimarySpectrum::index(z, 1), high = PrimarySpectrum::index(z, 100);
        EXPECT_LT(active.flux[low], 0.1 * quiet.flux[low]) << z;
        EXPECT_NEAR(active.flux[high] / quiet.flux[high], 1.0, 0.01) << z;
        EXPECT_EQ(active.total_energy[low], quiet.total_energy[low]);
    }
}

TEST_F(Spectrum, NegativePotentialCountsAsZeroWithAWarning) {
    PrimarySpectrum zero = compute(0);
    auto zero_lines = file_lines();
    PrimarySpectrum negative = compute(-50);
    auto lines = file_lines();
    EXPECT_EQ(negative.flux, zero.flux);
    EXPECT_TRUE(std::equal(lines.begin() + 2, lines.end(), zero_lines.begin() + 2));
    auto log = test::check_log_lines(tp);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), " WARNING: Negative heliocentric potential         -50 MV, using 0 MV");
}

TEST_F(Spectrum, MissingModelFolderStopsWithFileError) {
    test::fs::remove_all("GCR_MODELS");
    std::string message;
    EXPECT_EQ(test::stop_status([&] { compute(0); }, &message), kExitFileError);
    EXPECT_NE(message.find("GCR_MODELS/ISO_GCR2.OUT"), std::string::npos);
}

TEST(Kinematics, KineticEnergyInvertsRigidity) {
    for (int z : {1, 2, 3, 26, 28})
        for (double e : {0.01, 1.0, 932.6})
            EXPECT_NEAR(kinetic(z, rigidity(e, z)) / (atomic(z).atomic_mass * e), 1.0, 1e-9) << z << " " << e;
    // A proton of 1 GeV: sqrt(1 x (1 + 2 x 0.938)) GV, with the proton's rest
    // energy in single precision (0.93800002336502075); worked with mpmath.
    EXPECT_DOUBLE_EQ(rigidity(1.0, 1), 1.6958773678335475);
}

}  // namespace
}  // namespace tolv7
