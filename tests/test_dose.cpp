// The dose rate at a point: longitude handling, the fold against an
// independent computation, the logs, cached against uncached results, and
// plausible rates on the physically shaped tree.
#include <gtest/gtest.h>

#include <cmath>

#include "app/calendar.hpp"
#include "app/fixed_columns.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "engine/atomic.hpp"
#include "engine/coefficient_lookup.hpp"
#include "engine/dose.hpp"
#include "engine/helio_potential.hpp"
#include "engine/primary_spectrum.hpp"
#include "engine/sky_geometry.hpp"
#include "program/startup.hpp"
#include "support/data_tree_fixture.hpp"
#include "support/decimal_year.hpp"

namespace tolv7::test {
namespace {

void set_averages(Program& p, int month, int day, int hour) {
    p.engine.useaves = {month == 0 ? -1 : 0, day == 0 ? -1 : 0, hour == 0 ? -1 : 0};
}

// A started program in a fresh working folder of a tree.
struct Started {
    explicit Started(const tree::TreeOptions& options = {}) : wd(options) { start_up(*tp); }
    double rate(double lat, double lon, double depth, double date, int kind, int test = 0) {
        return dose(*tp, lat, lon, depth, date, kind, 4, test, 0);
    }
    TreeWorkdir wd;
    TestProgram tp;
};

tree::TreeOptions constant_tree(tree::CutoffShape cutoffs) {
    tree::TreeOptions o;
    o.constant_coefficients = true;
    o.coefficient = 2.5;
    o.uncertainty = 0.1;
    o.cutoffs = cutoffs;
    o.constant_potential_mv = 600;
    return o;
}

TEST(DoseBinEdges, EdgesOfTheEnergyGrid) {
    EXPECT_DOUBLE_EQ(ue(1, 1), 0.01075);
    EXPECT_DOUBLE_EQ(ue(1, 100), 10651.5);
    EXPECT_DOUBLE_EQ(ue(3, 1), 0.07525);
    EXPECT_EQ(le(1, 1), 0.0);
    EXPECT_EQ(le(2, 7), ue(2, 6));
}

TEST(DoseLongitude, NormalisedInPlaceAndReturned) {
    Started s(constant_tree(tree::CutoffShape::Zero));
    set_averages(*s.tp, 6, 15, 12);
    double date = decimal_year(2019, 6, 15, 12);
    for (auto [given, expected] : {std::pair{-30.0, 330.0}, {725.0, 5.0}, {360.0, 360.0}, {720.0, 360.0},
                                   {-360.0, 0.0}, {0.0, 0.0}, {359.5, 359.5}}) {
        double lon = given;
        dose(*s.tp, 10.0, lon, 500.0, date, 40, 4, 0, 0);
        EXPECT_EQ(lon, expected) << given;
    }
    double bad = std::nan("");
    EXPECT_EQ(stop_status([&] { dose(*s.tp, 10.0, bad, 500.0, date, 40, 4, 0, 0); }), kExitFatal);
}

// The fold computed again from the spectrum file, the tree's constant
// coefficients and the sky weight, element by element and bin by bin.
double independent_fold(const std::string& spectrum_file, double coefficient, int q, double depth, double rc,
                        double weight, double forbush_factor) {
    auto lines = read_lines(spectrum_file);
    double total = 0.0;
    double u = coefficient * renorm(q) * (depth > 918.0 ? std::pow(0.5, (depth - 918.0) / 132.0) : 1.0);
    for (int z = 1; z <= 26; ++z) {
        auto flux = [&](int i) { return *Columns(lines[static_cast<std::size_t>(1 + (z - 1) * 100 + i)]).real(16, 26); };
        auto energy = [&](int i) { return *Columns(lines[static_cast<std::size_t>(1 + (z - 1) * 100 + i)]).real(5, 15); };
        const Element& el = atomic(z);
        for (int i = 1; i <= 100; ++i) {
            double f = flux(i) * forbush_factor;
            double lower = le(z, i), upper = ue(z, i);
            double lr = el.atomic_mass / z * std::sqrt(lower / el.mass_number * (2 * el.rest_energy + lower / el.mass_number));
            double ur = el.atomic_mass / z * std::sqrt(upper / el.mass_number * (2 * el.rest_energy + upper / el.mass_number));
            double h = 1.0;
            if (i == 100) {
                // Flat coefficients: the top-bin factor keeps only its power-law term.
                double s = 1.0 + std::log(flux(90) / flux(100)) / std::log(energy(90) / energy(100));
                double e1 = ue(z, 99), e0 = ue(z, 98);
                double c = (e1 - e0) * f * s / (std::pow(e1, s) - std::pow(e0, s));
                double factor = c / -s * u * std::pow(e1, s) / (f * (ue(z, 100) - le(z, 100)));
                h = factor >= 1.0 ? factor : 1.0;
            }
            if (rc <= lr) {
                total += u * weight * 2.261946773529053 * h * (upper - lower) * f;
            } else if (rc < ur) {
                double m0 = el.atomic_mass * el.rest_energy;
                double ec = std::sqrt(rc * z * rc * z + m0 * m0) - m0;
                total += u * weight * 2.261946773529053 * std::max(0.0, upper - ec) * f;
            }
        }
    }
    return total;
}

TEST(DoseFold, MatchesAnIndependentFoldWithWholeBins) {
    Started s(constant_tree(tree::CutoffShape::Zero));
    int month = 6, day = 15, hour = 12;
    set_averages(*s.tp, month, day, hour);
    double date = decimal_year(2019, month, day, hour);
    for (double depth : {200.0, 918.0, 984.0}) {
        double rate = s.rate(45.0, 10.0, depth, date, 76);
        double weight = (1.0 + std::sin(zeta(km(*s.tp, depth)))) / 2.0;
        double expected = independent_fold("GCR_MODELS/ISO_GCR2.OUT", 2.5, 2, depth, 0.0, weight, 1.0);
        EXPECT_NEAR(rate, expected, 1e-12 * expected) << depth;
        EXPECT_EQ(s.tp->engine.vcut, 0.0);
        EXPECT_GT(s.tp->engine.isostats, 0.0);
    }
    // Below 918 g/cm2 the coefficients halve every 132 g/cm2.
    double at918 = s.rate(45.0, 10.0, 918.0, date, 76) / ((1 + std::sin(zeta(km(*s.tp, 918.0)))) / 2);
    double at984 = s.rate(45.0, 10.0, 984.0, date, 76) / ((1 + std::sin(zeta(km(*s.tp, 984.0)))) / 2);
    EXPECT_NEAR(at984 / at918, 0.70711, 1e-5);
}

TEST(DoseFold, PartialBinsAtTheCutoffAndNoneAboveIt) {
    Started s(constant_tree(tree::CutoffShape::Linear));
    set_averages(*s.tp, 6, 15, 12);
    double date = decimal_year(2019, 6, 15, 12);
    double rate = s.rate(30.0, 100.0, 300.0, date, 38);
    double rc = s.tp->engine.vcut;
    ASSERT_GT(rc, 1.0);
    double weight = (1.0 + std::sin(zeta(km(*s.tp, 300.0)))) / 2.0;
    // The apparent cutoff of the sky band is what the fold cuts with.
    double band = rc > 10.399999618530273 ? rc * (0.0013621150283142924 * rc + 1.0343751013278961)
                                          : rc * (0.026416899636387825 * rc + 0.7737244069576263);
    double expected = independent_fold("GCR_MODELS/ISO_GCR2.OUT", 2.5, 1, 300.0, band, weight, 1.0);
    EXPECT_NEAR(rate, expected, 1e-12 * expected);
    double uncut = independent_fold("GCR_MODELS/ISO_GCR2.OUT", 2.5, 1, 300.0, 0.0, weight, 1.0);
    EXPECT_LT(rate, uncut);
}

TEST(DoseFold, DoseKindOutsideTheTablesGivesZeroWithOneWarning) {
    Started s(constant_tree(tree::CutoffShape::Zero));
    set_averages(*s.tp, 6, 15, 12);
    for (int kind : {0, 305}) {
        EXPECT_EQ(s.rate(45.0, 10.0, 300.0, decimal_year(2019, 6, 15, 12), kind), 0.0);
        EXPECT_EQ(s.tp->engine.isostats, 0.0);
    }
    s.tp.log.flush();
    std::string log = read_file("DIAGNOSE/TOLV7CHK.DAT");
    std::size_t count = 0;
    for (std::size_t at = log.find("is outside 1 to 304"); at != std::string::npos;
         at = log.find("is outside 1 to 304", at + 1))
        ++count;
    EXPECT_EQ(count, 2u);
}

std::vector<std::string> dose_log_lines(TestProgram& tp) {
    auto lines = check_log_lines(tp);
    auto first = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("  Starting", 0) == 0; });
    return {first, lines.end()};
}

TEST(DoseLogs, FixedCheckLogLinesAndAnEmptyTraceFileWithoutTest) {
    Started s(constant_tree(tree::CutoffShape::Zero));
    set_averages(*s.tp, 6, 15, 12);
    double lon = -30.0;
    dose(*s.tp, 45.0, lon, 300.0, decimal_year(2019, 6, 15, 12), 76, 4, 0, 0);
    auto lines = dose_log_lines(s.tp);
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(lines[0].substr(0, 11), "  Starting ");
    EXPECT_EQ(lines[1], " Loading fluence conversion coefficients");
    EXPECT_EQ(lines[2].rfind("  PreGCR time in DOSE in seconds. ", 0), 0u);
    EXPECT_EQ(lines[3].rfind("  GCR time in seconds. ", 0), 0u);
    EXPECT_EQ(lines[4].rfind(" FORBUSH correction is:", 0), 0u);
    EXPECT_EQ(lines[5].rfind("  SKYLIBS and FORBUSH time in seconds. ", 0), 0u);
    std::size_t n = lines.size();
    EXPECT_EQ(lines[n - 3],
              " Finished:   0.4500E+02  0.3300E+03  0.3000E+03  0.2019E+04  76   4   0   0");
    EXPECT_EQ(lines[n - 2].rfind("  Adjusted Dose of type           76 is ", 0), 0u);
    EXPECT_EQ(lines[n - 1].rfind("  Doserate calculation time in seconds.", 0), 0u);
    // Without the trace the dose log holds only the top-bin warnings.
    for (const auto& line : read_lines("DIAGNOSE/DIAGDAP.DAT"))
        EXPECT_EQ(line.rfind(" Warning, Low HFF(Z,100): ", 0), 0u) << line;
    EXPECT_EQ(read_lines("GCR_MODELS/ISO_GCR2.OUT").size(), 2802u);
}

// Past the check log's limit for per-call lines a computation writes none of
// its own (one line says from which computation on); other lines go on. A
// computation that begins below the limit writes all of its lines.
TEST(DoseLogs, PerCallLinesStopPastTheLimitOfTheCheckLog) {
    Started s(constant_tree(tree::CutoffShape::Zero));
    set_averages(*s.tp, 6, 15, 12);
    const double date = decimal_year(2019, 6, 15, 12);
    s.tp.log.per_call_limit = 1'000'000;
    s.rate(45.0, 10.0, 300.0, date, 76);
    const std::size_t before_padding = check_log_lines(s.tp).size();
    const auto held = static_cast<std::size_t>(s.tp.log.bytes());
    ASSERT_LT(held, 999'000u);
    s.tp.log.line(std::string(999'999 - held - 1, 'x'));  // one byte below the limit
    s.rate(45.0, 10.0, 300.0, date, 76);
    s.tp.log.current_item = "PLACES.LOC line 7";
    s.rate(-45.5, -10.25, 300.0, date, 76);
    s.rate(45.0, 10.0, 300.0, date, 76);
    s.tp.log.line(" a line of the runs");
    auto lines = check_log_lines(s.tp);
    const std::vector<std::string> last(lines.end() - 2, lines.end());
    EXPECT_EQ(last, (std::vector<std::string>{
                        " Check log past 1000000 bytes: the lines of each dose computation are left out from "
                        "PLACES.LOC line 7, the one at T=2019.456164, LAT -45.5, LON -10.25 on",
                        " a line of the runs"}));
    // The computation begun below the limit wrote all of its lines.
    ASSERT_GE(lines.size(), before_padding + 1 + 2);
    EXPECT_EQ(lines[before_padding + 1].substr(0, 11), "  Starting ");
    EXPECT_EQ(lines[lines.size() - 3].rfind("  Doserate calculation time in seconds.", 0), 0u);
}

TEST(DoseLogs, TraceGoesToTheDoseLogWithTestOne) {
    Started s(constant_tree(tree::CutoffShape::Zero));
    set_averages(*s.tp, 6, 15, 12);
    s.rate(45.0, 10.0, 300.0, decimal_year(2019, 6, 15, 12), 76, 1);
    auto dap = read_lines("DIAGNOSE/DIAGDAP.DAT");
    ASSERT_GT(dap.size(), 2600u + 2600u);
    EXPECT_EQ(dap[0].substr(0, 11), "  Starting ");
    EXPECT_EQ(dap[1], " Loading fluence conversion coefficients");
    EXPECT_EQ(dap[2].substr(0, 13), "            1");
    EXPECT_NE(std::find(dap.begin(), dap.end(), " Geophysical and magnetic filters built"), dap.end());
    auto bin = std::find_if(dap.begin(), dap.end(), [](const std::string& l) { return l.rfind(" z,e,ftdcc", 0) == 0; });
    ASSERT_NE(bin, dap.end());
    EXPECT_EQ(bin->size(), 20u + 4 + 4 + 36);
    EXPECT_EQ(bin->substr(0, 28), " z,e,ftdcc,dose,flux   1   1");
    EXPECT_NE(s.tp.screen().find(" Calculating Dose Rate"), std::string::npos);
}

// A started program on a tree without cutoffs, whose potential files are
// written anew for each rate.
struct AverageRig {
    AverageRig() { start_up(*tp); }
    // The rate at one point of an average date (month 0: yearly) with the
    // potential files `monthly` and `daily`, `minutes` after the date's
    // start; unless `average`, with no average switch set. (A daily file
    // written again with the same text may go unnoticed; nothing changes.)
    double rate(const std::string& monthly, const std::string& daily, int year, int month, int minutes,
                bool average = true) {
        write_file("SOLARMOD/MV-DATES.L99", monthly);
        write_file("SOLARMOD/MORDATES.2K", daily);
        load_hp(*tp);
        tp->engine.useaves = {0, 0, 0};
        if (average) set_averages(*tp, month, 0, 0);
        double lon = 10.0;
        double date = decimal_year(year, month, 0, 0) + minutes * 1.9026E-6;
        return dose(*tp, 45.0, lon, 230.0, date, 76, 4, 0, 0);
    }
    TreeWorkdir wd{constant_tree(tree::CutoffShape::Zero)};
    TestProgram tp;
};

// An average takes the potential of the average, as the look-up gives it:
// each rate equals the rate with that potential in every month of the
// year's table and no daily file.
TEST(DoseAverages, AnAverageTakesThePotentialOfTheAverage) {
    struct Case {
        const char* what;
        const char* monthly;
        const char* daily;
        int year, month;
        int minutes;  // after the date's start
        int potential;
    };
    const Case cases[] = {
        {"a month the daily file names", " 6/2020,     600\n", "2020/06/15       615\n06/2020         524\n", 2020, 6, 0, 524},
        {"the last minute of the longest flight taking off at 24:59", " 2/2021,     800\n 3/2021,     300\n",
         "02/2021         444\n", 2021, 2, 24 * 60 + 59 + 2000, 444},
        {"a year with its yearly line", " 1/2019,     309\n 6/2019,     411\n", "00/2019         450\n", 2019, 0, 0, 450},
        {"a year without one: the mean of its months", " 1/2019,     309\n 6/2019,     411\n12/2019,     500\n", "",
         2019, 0, 0, 407},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AverageRig rig;
        const double rate = rig.rate(c.monthly, c.daily, c.year, c.month, c.minutes);
        // The day the date falls on has another potential, and another rate.
        EXPECT_NE(rig.rate(c.monthly, c.daily, c.year, c.month, c.minutes, false), rate);
        std::string table;
        for (int month = 1; month <= 12; ++month)
            table += fmt_i(month, 2) + "/" + std::to_string(c.year) + "," + fmt_i(c.potential, 8) + "\n";
        EXPECT_EQ(rate, rig.rate(table, "", c.year, c.month, c.minutes));
    }
}

struct Point {
    double lat, lon, depth;
    int y, m, d, h, kind;
};

// The same points with every cache in use and with every file read afresh.
TEST(DoseCaching, CachedAndUncachedResultsAreIdentical) {
    const std::vector<Point> points = {
        {51.5, -0.5, 1035.0837, 2019, 6, 15, 12, 76},  {51.5, -0.5, 250.0, 2019, 6, 15, 12, 76},
        {-33.9, 151.2, 200.0, 2019, 0, 0, 0, 38},      {78.2, 15.6, 230.0, 2019, 3, 0, 0, 114},
        {40.6, -73.8, 20.0, 2018, 8, 26, 18, 76},      {-45.0, 200.0, 500.0, 2018, 8, 26, 6, 38},
        {0.5, 359.5, 918.0, 2012, 3, 8, 20, 114},      {64.1, -21.9, 100.0, 2012, 3, 9, 0, 76},
        {35.0, 139.0, 700.0, 2019, 6, 15, 12, 38},     {-12.0, -77.0, 1000.0, 2003, 10, 30, 19, 114},
        // Kept values met again: a (dose kind, depth) pair at another place
        // and date, a potential after others, the same potential under
        // another Forbush factor, dose kinds changing back and forth.
        {10.0, 20.0, 250.0, 2019, 6, 16, 3, 76},       {51.5, -0.5, 200.0, 2019, 0, 0, 0, 38},
        {64.1, -21.9, 100.0, 2012, 3, 9, 6, 76},       {64.1, -21.9, 100.0, 2012, 3, 1, 6, 76},
        {-60.0, 300.0, 230.0, 2019, 3, 0, 0, 114},     {40.6, -73.8, 20.0, 2018, 8, 26, 18, 38},
        {78.2, 15.6, 230.0, 2019, 3, 0, 0, 114},       {51.5, -0.5, 250.0, 2019, 6, 15, 12, 76},
        {0.0, 0.0, 1035.0837, 2003, 10, 30, 19, 1},    {0.0, 0.0, 1035.0837, 2003, 10, 30, 19, 304},
    };
    struct Result {
        std::vector<double> dose, isostats, vcut;
        std::string spectrum, dap, sky, log;
    };
    auto run = [&](bool caching) {
        Started s;
        s.tp->engine.caching = caching;
        Result r;
        for (const Point& pt : points) {
            set_averages(*s.tp, pt.m, pt.d, pt.h);
            double lon = pt.lon;
            r.dose.push_back(dose(*s.tp, pt.lat, lon, pt.depth, decimal_year(pt.y, pt.m, pt.d, pt.h), pt.kind, 4, 0, 0));
            r.isostats.push_back(s.tp->engine.isostats);
            r.vcut.push_back(s.tp->engine.vcut);
            r.dap += read_file("DIAGNOSE/DIAGDAP.DAT");
            r.spectrum += read_file("GCR_MODELS/ISO_GCR2.OUT");
        }
        // One point with the detailed trace, after the kept values are in place.
        set_averages(*s.tp, 6, 15, 12);
        double lon = -0.5;
        r.dose.push_back(dose(*s.tp, 51.5, lon, 250.0, decimal_year(2019, 6, 15, 12), 76, 4, 1, 0));
        for (const std::string& line : read_lines("DIAGNOSE/DIAGDAP.DAT"))
            if (line.find(" time in ") == std::string::npos) r.dap += line + "\n";  // processor times differ
        s.tp->engine.cutoff_log.flush();
        r.sky = read_file("DIAGNOSE/DIAGNOSE.SKY");
        s.tp->log.flush();
        for (const std::string& line : read_lines("DIAGNOSE/TOLV7CHK.DAT"))
            if (line.find(" time in ") == std::string::npos)  // processor times differ
                r.log += line + "\n";
        return r;
    };
    Result cached = run(true);
    Result uncached = run(false);
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(cached.dose[i], uncached.dose[i]) << i;
        EXPECT_EQ(cached.isostats[i], uncached.isostats[i]) << i;
        EXPECT_EQ(cached.vcut[i], uncached.vcut[i]) << i;
        EXPECT_GT(cached.dose[i], 0.0) << i;
    }
    EXPECT_EQ(cached.spectrum, uncached.spectrum);
    EXPECT_EQ(cached.dap, uncached.dap);
    EXPECT_EQ(cached.sky, uncached.sky);
    EXPECT_EQ(cached.log, uncached.log);
}

TEST(DosePhysics, RatesFollowTheirPhysicalCauses) {
    Started s;
    auto rate = [&](double lat, double lon, double depth, int y, int m, int d, int h) {
        set_averages(*s.tp, m, d, h);
        return s.rate(lat, lon, depth, decimal_year(y, m, d, h), 76);
    };
    double cruise = 230.0;  // about 35,000 ft
    double polar = rate(80.0, 0.0, cruise, 2019, 6, 15, 12);
    double equator = rate(0.0, 100.0, cruise, 2019, 6, 15, 12);
    EXPECT_GT(polar, equator);
    EXPECT_GT(rate(50.0, 0.0, 190.0, 2019, 6, 15, 12), rate(50.0, 0.0, 1035.0837, 2019, 6, 15, 12));
    // Solar maximum against solar minimum of the synthetic cycle.
    EXPECT_LT(rate(80.0, 0.0, cruise, 2013, 3, 15, 12), rate(80.0, 0.0, cruise, 2019, 3, 15, 12));
    // The Forbush decrease of 8 March 2012 against the same hour a week before.
    EXPECT_LT(rate(80.0, 0.0, cruise, 2012, 3, 8, 20), rate(80.0, 0.0, cruise, 2012, 3, 1, 20));
}

}  // namespace
}  // namespace tolv7::test
