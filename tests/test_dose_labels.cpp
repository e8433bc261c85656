// Labels, notes, report texts and menu lines of the dose quantities.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/dose_labels.hpp"
#include "runs/big_flight_report.hpp"
#include "runs/particle_menus.hpp"
#include "support/test_program.hpp"

namespace tolv7::test {
namespace {

// The texts every result file and report has carried for each quantity.
struct QuantityTexts {
    const char* dose;
    const char* rate;
    const char* note;
    const char* units2;
    const char* name;
    const char* unit;
};

const QuantityTexts kExpected[] = {
    {" p/sq.cm, secondary particle fluence   ", " particles/sq.cm/sec, SECONDARY FLUX      ", "                ",
     " particles/cm/cm", " Part. fluence  ", " particles/cm/cm"},
    {" microSv, ICRP Pub. 103 EFFECTIVE DOSE ", " microSv/hr, ICRP Pub. 103 EFFECTIVE DOSE ", ", ICRP Pub. 103 ",
     " millisieverts) ", " Effective dose ", " microsieverts  "},
    {" microSv, ICRP Pub. 60 EFFECTIVE DOSE  ", " microSv/hr, ICRP Pub. 60 EFFECTIVE DOSE  ", ", ICRP Pub. 60  ",
     " millisieverts) ", " Effective dose ", " microsieverts  "},
    {" microSv, ICRU AMBIENT DOSE EQ. H(*10) ", " microSv/hr, ICRU AMBIENT DOSE EQ. H(*10) ", ", ICRU  H(*10)  ",
     " millisieverts) ", " Am. Dose Eqiv. ", " microsieverts  "},
    {" microGy, AVE WHOLE-BODY ABSORBED DOSE ", " microGy/hr, AVE WHOLE-BODY ABSORBED DOSE ", ", WHOLE-BODY AVE",
     " milligray)     ", " Absorbed dose  ", " microgray      "},
    {" microGy, ABSORBED DOSE IN 0.5mm Si    ", " microGy/hr, ABSORBED DOSE IN 0.5mm Si    ", ", 0.5mm Si      ",
     " milligray)     ", " Absorbed dose  ", " microgray      "},
    {" microGy, ABSORBED DOSE IN 0.3mm Si    ", " microGy/hr, ABSORBED DOSE IN 0.3mm Si    ", ", 0.3mm Si      ",
     " milligray)     ", " Absorbed dose  ", " microgray      "},
    {" counts, NM-64 TUBE (BF3)              ", " counts/hr, NM-64 TUBE (BF3)              ", ", NM-64 BF3 TUBE",
     " unnormal counts", " Neutron monitor", " unnormal counts"},
};

TEST(DoseLabels, EveryTextHasItsTableWidth) {
    TestProgram tp;
    for (int q = 1; q <= kDoseQuantities; ++q) {
        std::string dose, rate;
        dkstr(dose, q);
        drkstr(rate, q);
        EXPECT_EQ(dose.size(), 39u) << q;
        EXPECT_EQ(rate.size(), 42u) << q;
        EXPECT_EQ(dknotes(*tp, q).size(), 16u) << q;
        EXPECT_EQ(dkunits2(*tp, q).size(), 16u) << q;
    }
}

TEST(DoseLabels, EveryQuantityHasItsTexts) {
    static_assert(std::size(kExpected) == kDoseQuantities);
    TestProgram tp;
    for (int q = 1; q <= kDoseQuantities; ++q) {
        SCOPED_TRACE(q);
        const QuantityTexts& e = kExpected[q - 1];
        std::string dose, rate;
        dkstr(dose, q);
        drkstr(rate, q);
        EXPECT_EQ(dose, e.dose);
        EXPECT_EQ(rate, e.rate);
        EXPECT_EQ(dknotes(*tp, q), e.note);
        EXPECT_EQ(dkunits2(*tp, q), e.units2);
        EXPECT_EQ(dknames(*tp, q), e.name);
        EXPECT_EQ(dkunits(*tp, q), e.unit);
    }
}

TEST(DoseLabels, FluenceAndRateAreWordedDifferently) {
    std::string dose, rate;
    dkstr(dose, 1);
    drkstr(rate, 1);
    EXPECT_EQ(dose, " p/sq.cm, secondary particle fluence   ");
    EXPECT_EQ(rate, " particles/sq.cm/sec, SECONDARY FLUX      ");
    dkstr(dose, 4);
    drkstr(rate, 4);
    EXPECT_EQ(dose, " microSv, ICRU AMBIENT DOSE EQ. H(*10) ");
    EXPECT_EQ(rate, " microSv/hr, ICRU AMBIENT DOSE EQ. H(*10) ");
}

TEST(DoseLabels, OutOfRangeQuantityLeavesTheCallersText) {
    std::string dose = "kept", rate = "kept too";
    dkstr(dose, 0);
    drkstr(rate, 9);
    EXPECT_EQ(dose, "kept");
    EXPECT_EQ(rate, "kept too");
    EXPECT_FALSE(valid_dose_quantity(0));
    EXPECT_FALSE(valid_dose_quantity(kDoseQuantities + 1));
    EXPECT_THROW(dose_quantity_texts(kDoseQuantities + 1), std::out_of_range);
}

TEST(DoseLabels, NotesAndUnitsKeepTheLastValidTextStartingBlank) {
    TestProgram tp;
    EXPECT_EQ(dknotes(*tp, 0), std::string(16, ' '));
    EXPECT_EQ(dkunits2(*tp, 9), std::string(16, ' '));
    for (int q : {2, 3, 4}) EXPECT_EQ(dkunits2(*tp, q), " millisieverts) ");
    for (int q : {5, 6, 7}) EXPECT_EQ(dkunits2(*tp, q), " milligray)     ");
    EXPECT_EQ(dkunits2(*tp, 0), " milligray)     ");
    EXPECT_EQ(dknotes(*tp, 8), ", NM-64 BF3 TUBE");
    EXPECT_EQ(dknotes(*tp, -1), ", NM-64 BF3 TUBE");
    EXPECT_EQ(dknotes(*tp, 1), "                ");
}

// Each of the four kept texts keeps its own: a call of one routine leaves
// the others' texts as they were.
TEST(DoseLabels, EachRoutineKeepsItsOwnText) {
    TestProgram tp;
    const std::string blank(16, ' ');
    EXPECT_EQ(dknames(*tp, -1), blank);
    EXPECT_EQ(dknames(*tp, 8), " Neutron monitor");
    EXPECT_EQ(dkunits(*tp, 0), blank);
    EXPECT_EQ(dknotes(*tp, 9), blank);
    EXPECT_EQ(dkunits(*tp, 5), " microgray      ");
    EXPECT_EQ(dknames(*tp, 9), " Neutron monitor");
    EXPECT_EQ(dkunits2(*tp, 0), blank);
}

// The dose-type menus of the flight options and the single-place dialogue,
// with a refused answer first: the screen lines as the user sees them.
TEST(DoseTypeMenus, FlightAndPlaceMenusWordTheFluenceDifferently) {
    const std::vector<std::string> tail = {
        "       <2> ICRP PUB 103 EFFECTIVE DOSE",         "       <3> ICRP PUB 60 EFFECTIVE DOSE",
        "       <4> ICRU H*(10) AMBIENT DOSE EQUIVALENT", "       <5> WHOLE BODY ABSORBED DOSE",
        "       <6> ABSORBED DOSE IN 0.5 mm Si chip",     "       <7> ABSORBED DOSE IN 0.3 mm Si chip",
        "       <8> NM-64 COUNTS"};
    struct Case {
        DoseMenu menu;
        std::vector<std::string> before;  // the lines before item 2
    };
    const Case cases[] = {
        {DoseMenu::Flight, {" ", "       SELECT DOSE TYPE", "       <1> SECONDARY PARTICLE FLUENCE"}},
        {DoseMenu::Place, {"       SELECT DOSE TYPE", "       <1> Secondary Particle Flux (Any rad but TOTAL)"}},
    };
    for (const Case& c : cases) {
        TestProgram tp("9\n3\n");
        EXPECT_EQ(ask_dose_type(*tp, c.menu), 3);
        std::vector<std::string> menu = c.before;
        menu.insert(menu.end(), tail.begin(), tail.end());
        std::vector<std::string> expected = menu;
        expected.insert(expected.end(), 50, "");
        expected.push_back("       Entry must be 1 to 8 ");
        expected.insert(expected.end(), menu.begin(), menu.end());
        EXPECT_EQ(tp.screen_lines(), expected);
    }
}

}  // namespace
}  // namespace tolv7::test
