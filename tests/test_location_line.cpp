// Reading the lines of a location list.
#include <gtest/gtest.h>

#include "runs/location_line.hpp"

namespace tolv7 {
namespace {

TEST(LocationLine, CoordinateLineWithSignsUnitsAndMarkers) {
    LocationLine l = parse_location_line("S,40.5,W,75,F,35000,2019/06/15,H12,P05,D2");
    ASSERT_EQ(l.kind, LocationKind::Coordinates);
    EXPECT_EQ(l.ns, 'S');
    EXPECT_EQ(l.ew, 'W');
    EXPECT_EQ(l.latitude, 40.5);
    EXPECT_EQ(l.longitude, 75.0);
    EXPECT_EQ(l.unit, 'F');
    EXPECT_EQ(l.altitude, 35000.0);
    EXPECT_EQ(l.ymd, "2019/06/15");
    EXPECT_EQ(l.year, 2019);
    EXPECT_EQ(l.month, 6);
    EXPECT_EQ(l.day, 15);
    EXPECT_EQ(l.hour, 12);
    EXPECT_EQ(l.particle, 5);
    EXPECT_EQ(l.quantity, 2);
}

TEST(LocationLine, IntegersRealsAndEmptyFields) {
    LocationLine l = parse_location_line("N,40,E,,G,10.0,2019/00/00,H00,P00,D3");
    ASSERT_EQ(l.kind, LocationKind::Coordinates);
    EXPECT_EQ(l.latitude, 40.0);
    EXPECT_EQ(l.longitude, 0.0);
    EXPECT_EQ(l.unit, 'G');
    EXPECT_EQ(l.altitude, 10.0);
    EXPECT_EQ(l.month, 0);
    EXPECT_EQ(l.day, 0);
    EXPECT_EQ(l.particle, 38);
}

TEST(LocationLine, AirportLineTakesTheLastMarkers) {
    LocationLine l = parse_location_line("A, HDPX ,K,10.0,2019/06/15,H06,P00,D4");
    ASSERT_EQ(l.kind, LocationKind::Airport);
    EXPECT_EQ(l.icao, "HDPX  ");
    EXPECT_EQ(l.unit, 'K');
    EXPECT_EQ(l.altitude, 10.0);
    EXPECT_EQ(l.hour, 6);
    EXPECT_EQ(l.particle, 38);
    EXPECT_EQ(l.quantity, 4);
    EXPECT_EQ(parse_location_line("a,EGLL,F,0,2019/06/15,H06,P01,D1").kind, LocationKind::Airport);
}

TEST(LocationLine, CommentsAndLinesThatAreNoLocation) {
    EXPECT_EQ(parse_location_line("! a comment").kind, LocationKind::Comment);
    for (const char* line : {"", " N,40,W,75,F,0,2019/06/15,H12,P05,D2", "n,40,W,75,F,0,2019/06/15,H12,P05,D2",
                             "X,1,2,3"})
        EXPECT_EQ(parse_location_line(line).kind, LocationKind::Improper) << line;
}

TEST(LocationLine, MissingPartsMakeALineImproper) {
    for (const char* line : {
             "N,40,W,75,F,0,2019/06/15,P05,D2",        // no hour marker
             "N,40,W,75,F,0,2019/06/15,H12,D2",        // no particle marker
             "N,40,W,75,F,0,2019/06/15,H12,P05",       // no quantity marker
             "N,40,W,75,F,0,20190615,H12,P05,D2",      // no date
             "N,40,W,75,F 0 2019/06/15 H12 P05 D2",    // too few commas
             "A,EGLL,F 0 2019/06/15 H12 P05 D2",       // too few commas
             "N,4O,W,75,F,0,2019/06/15,H12,P05,D2",    // latitude not a number
             "N,40,W,75,F,0,2019/06/15,H12,P38,D2",    // particle above 37
             "N,40,W,75,F,0,2019/06/15,H12,P05,D9",    // quantity outside 1-8
             "N,40,W,75,F,0,2019/06/15,H12,P05,D0",
             "N,40,W,75,F,0, 06/2019  ,H12,P05,D2",    // month first
             "N,40,W,75,F,0,2019/06/15,HXY,P05,D2",
         })
        EXPECT_EQ(parse_location_line(line).kind, LocationKind::Improper) << line;
}

TEST(LocationLine, DatesAndPlacesThatCannotBeMakeALineImproper) {
    for (const char* line : {
             "N,40,W,75,F,0,0000/06/15,H12,P05,D2",   // year 0
             "N,40,W,75,F,0,-019/06/15,H12,P05,D2",   // year before 1
             "A,EGLL,F,0,0000/00/00,H00,P00,D2",
             "N,40,W,75,F,0,2019/13/15,H12,P05,D2",
             "N,40,W,75,F,0,2019/06/31,H12,P05,D2",
             "N,40,W,75,F,0,2019/06/15,H25,P05,D2",
             "N,90.5,W,75,F,0,2019/06/15,H12,P05,D2",
             "N,40,W,360.5,F,0,2019/06/15,H12,P05,D2",
         })
        EXPECT_EQ(parse_location_line(line).kind, LocationKind::Improper) << line;
    // The limits themselves are places.
    EXPECT_EQ(parse_location_line("N,90,W,360,F,0,0001/01/01,H24,P05,D2").kind, LocationKind::Coordinates);
}

TEST(LocationLine, OnlyTheFirstSixtySixColumnsCount) {
    std::string line = "N,40,W,75,F,35000,2019/06/15,H12,P05,D2";
    line.resize(66, ' ');
    EXPECT_EQ(parse_location_line(line + "P9").particle, 5);
    std::string late = std::string("N,40,W,75,F,35000,2019/06/15,H12,P05,") + std::string(28, ' ') + "D2";
    EXPECT_EQ(parse_location_line(late).kind, LocationKind::Improper);  // D2 beyond column 66
}

}  // namespace
}  // namespace tolv7
