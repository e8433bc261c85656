// Labels, notes and unit texts of the dose quantities.
#include <gtest/gtest.h>

#include "engine/dose_labels.hpp"
#include "support/test_program.hpp"

namespace tolv7::test {
namespace {

TEST(DoseLabels, EveryTextHasItsTableWidth) {
    TestProgram tp;
    for (int q = 1; q <= 8; ++q) {
        std::string dose, rate;
        dkstr(dose, q);
        drkstr(rate, q);
        EXPECT_EQ(dose.size(), 39u) << q;
        EXPECT_EQ(rate.size(), 42u) << q;
        EXPECT_EQ(dknotes(*tp, q).size(), 16u) << q;
        EXPECT_EQ(dkunits2(*tp, q).size(), 16u) << q;
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

}  // namespace
}  // namespace tolv7::test
