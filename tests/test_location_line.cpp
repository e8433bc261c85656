// Reading the lines of a location list.
#include <gtest/gtest.h>

#include "runs/location_line.hpp"

namespace tolv7 {
namespace {

// Lines and the reason that makes each improper.
using ImproperLine = std::pair<const char*, const char*>;
template <std::size_t N>
void expect_improper(const ImproperLine (&cases)[N]) {
    for (const auto& [line, reason] : cases) {
        LocationLine l = parse_location_line(line);
        EXPECT_EQ(l.kind, LocationKind::Improper) << line;
        EXPECT_EQ(l.reason, reason) << line;
    }
}

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
    // Only a line whose first field is a place form counts as a place line.
    const std::pair<const char*, bool> places[] = {
        {"N,40", true}, {"S", true}, {"A ,EGLL", true}, {"a,EGLL", true}, {"", false}, {"! N,40", false},
        {" N,40", false}, {"n,40", false}, {"NX,40,W,75,F,0,2019/06/15,H12,P05,D2", false}, {"START-", false}};
    for (const auto& [line, place] : places) EXPECT_EQ(place_line(line), place) << line;
}

TEST(LocationLine, MissingPartsMakeALineImproper) {
    const ImproperLine cases[] = {
        {"N,40,W,75,F,0,2019/06/15,P05,D2", "NO HOUR Hhh"},
        {"N,40,W,75,F,0,2019/06/15,H12,D2", "NO PARTICLE Ppp"},
        {"N,40,W,75,F,0,2019/06/15,H12,P05", "NO QUANTITY Dq"},
        {"N,40,W,75,F,0,20190615,H12,P05,D2", "NO DATE YYYY/MM/DD"},
        {"N,40,W,75,F 0 2019/06/15 H12 P05 D2", "FEWER FIELDS THAN ITS FORM"},
        {"A,EGLL,F 0 2019/06/15 H12 P05 D2", "FEWER FIELDS THAN ITS FORM"},
        {"N,4O,W,75,F,0,2019/06/15,H12,P05,D2", "LATITUDE 4O IS NOT A NUMBER"},
        {"N,40,W,75,F,0,2019/06/15,H12,P38,D2", "PARTICLE 38 IS NOT 0 TO 37"},
        {"N,40,W,75,F,0,2019/06/15,H12,P05,D9", "QUANTITY 9 IS NOT 1 TO 8"},
        {"N,40,W,75,F,0,2019/06/15,H12,P05,D0", "QUANTITY 0 IS NOT 1 TO 8"},
        {"N,40,W,75,F,0, 06/2019  ,H12,P05,D2", "DATE , 06/2019 IS NOT YYYY/MM/DD"},  // month first
        {"N,40,W,75,F,0,2019/06/15,HXY,P05,D2", "NO HOUR Hhh"},
        {"N,40,W,75,F,3.5.0,2019/06/15,H12,P05,D2", "ALTITUDE 3.5.0 IS NOT A NUMBER"},
        // A comma more than the form has: 35,000 would be read as 35 feet.
        {"N,51.5,W,0.5,F,35,000,2019/06/15,H12,P00,D2", "MORE FIELDS THAN ITS FORM"},
        {"A,EGLL,F,35,000,2019/06/15,H12,P00,D2", "MORE FIELDS THAN ITS FORM"},
        {"N,40,W,75,F,0,2019/06/15,H12,P05,D2,", "MORE FIELDS THAN ITS FORM"},
        // The hemisphere letter alone gives the sign: W,-73.8 would be east.
        {"N,40,W,-73.8,F,0,2019/06/15,H12,P05,D2", "MINUS SIGN BESIDE W"},
        {"N,40,e, -75,F,0,2019/06/15,H12,P05,D2", "MINUS SIGN BESIDE e"},
        {"N,-45,E,75,F,0,2019/06/15,H12,P05,D2", "MINUS SIGN BESIDE N"},
        {"S,-0,E,75,F,0,2019/06/15,H12,P05,D2", "MINUS SIGN BESIDE S"},
    };
    expect_improper(cases);
    // The forms in full, and a signed longitude with no hemisphere letter.
    EXPECT_EQ(parse_location_line("A,EGLL,F,0,2019/06/15,H12,P05,D2").kind, LocationKind::Airport);
    LocationLine signed_longitude = parse_location_line("N,40, ,-75,F,0,2019/06/15,H12,P05,D2");
    ASSERT_EQ(signed_longitude.kind, LocationKind::Coordinates);
    EXPECT_EQ(signed_longitude.longitude, -75.0);
}

TEST(LocationLine, DatesAndPlacesThatCannotBeMakeALineImproper) {
    const ImproperLine cases[] = {
        {"N,40,W,75,F,0,0000/06/15,H12,P05,D2", "NO SUCH DATE 0000/06/15"},  // year 0
        {"N,40,W,75,F,0,-019/06/15,H12,P05,D2", "NO SUCH DATE -019/06/15"},  // year before 1
        {"A,EGLL,F,0,0000/00/00,H00,P00,D2", "NO SUCH DATE 0000/00/00"},
        {"N,40,W,75,F,0,2019/13/15,H12,P05,D2", "NO SUCH DATE 2019/13/15"},
        {"N,40,W,75,F,0,2019/06/31,H12,P05,D2", "NO SUCH DATE 2019/06/31"},
        {"N,40,W,75,F,0,2019/06/15,H25,P05,D2", "HOUR 25 IS NOT 0 TO 24"},
        {"N,90.5,W,75,F,0,2019/06/15,H12,P05,D2", "LATITUDE 90.5 IS BEYOND 90"},
        {"N,40,W,360.5,F,0,2019/06/15,H12,P05,D2", "LONGITUDE 360.5 IS BEYOND 360"},
        {"N,40, ,-361,F,0,2019/06/15,H12,P05,D2", "LONGITUDE -361 IS BEYOND 360"},
    };
    expect_improper(cases);
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
