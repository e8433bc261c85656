// Geodesics on the ellipsoid on known examples and edges, and the angle text
// routines. The checks against an independent library are in
// test_geodesy_reference.cpp.
#include <gtest/gtest.h>

#include <cmath>

#include "runs/angle_text.hpp"
#include "runs/geodesy.hpp"

namespace tolv7 {
namespace {

constexpr double kRad = 57.29577951308232;

TEST(GeodesyExamples, FlindersPeakToBuninyong) {
    double lat1 = -(37 + 57 / 60.0 + 3.72030 / 3600), lon1 = 144 + 25 / 60.0 + 29.52440 / 3600;
    double lat2 = -(37 + 39 / 60.0 + 10.15610 / 3600), lon2 = 143 + 55 / 60.0 + 35.38390 / 3600;
    RunRecords r;
    InverseSolution sol = inverse(r, lat1, lon1, lat2, lon2);
    EXPECT_NEAR(sol.s, 54972.271, 0.0005);
    EXPECT_NEAR(sol.az1 * kRad, 306 + 52 / 60.0 + 5.37 / 3600, 0.005 / 3600);
    EXPECT_NEAR(sol.az2 * kRad, 127 + 10 / 60.0 + 25.07 / 3600, 0.005 / 3600);
    double s = 54972.271;
    auto point = forward(r, lat1, lon1, sol.az1, s);
    EXPECT_NEAR(point->lat, lat2, 1e-8);
    EXPECT_NEAR(point->lon, lon2, 1e-8);
}

TEST(GeodesyExamples, QuarterMeridian) {
    EXPECT_NEAR(gpnarc(6378137.0, 0.0033528106811836675, 0.006694380022903476, 3.141592653589793, 0.0,
                       3.141592653589793 / 2),
                10001965.729, 0.0005);
}

TEST(GeodesyEdges, AcrossTheAntimeridian) {
    RunRecords r;
    InverseSolution across = inverse(r, 0.0, -179.0, 0.0, 179.0);
    InverseSolution plain = inverse(r, 0.0, 1.0, 0.0, -1.0);
    EXPECT_NEAR(across.s, plain.s, 1e-6);
    EXPECT_NEAR(across.az1 * kRad, 270.0, 1e-9);
}

TEST(GeodesyEdges, ForwardWrappers) {
    RunRecords r;
    r.elipsoid.a = 0.0;  // every entry point stores its constants afresh
    double s = -100000.0;
    auto back = forward(r, 10.0, 20.0, 0.3, s);
    EXPECT_EQ(s, 100000.0);
    EXPECT_EQ(r.elipsoid.a, 6378137.0);
    double ahead = 100000.0;
    auto same = forward(r, 10.0, 20.0, 0.3, ahead);
    EXPECT_EQ(back->lat, same->lat);

    double too_far = 20003931.0;
    auto start = forward(r, 10.0, 20.0, 0.3, too_far);
    EXPECT_EQ(too_far, 0.001);
    EXPECT_NEAR(start->lat, 10.0, 1e-7);

    // Due west 5 degrees from -180 on the equator gives -185, reported as 175;
    // due east from 180 gives 185, left as it is.
    double nm = 5.0 * 6378137.0 / kRad / 1852.0;
    EXPECT_NEAR(use_forward(r, 0.0, -180.0, nm, 1.5 * 3.141592653589793)->lon, 175.0, 1e-9);
    EXPECT_NEAR(use_forward(r, 0.0, 180.0, nm, 0.5 * 3.141592653589793)->lon, 185.0, 1e-9);

    // One nautical mile out and measured back goes through single precision.
    auto mile = use_forward(r, 40.0, -70.0, 1.0, 0.7);
    EXPECT_NEAR(use_inverse(r, 40.0, -70.0, mile->lat, mile->lon).distance, 0.9999999732, 1e-10);
}

TEST(GeodesyEdges, NonFiniteInputFailsInsteadOfLooping) {
    RunRecords r;
    EXPECT_FALSE(dirct1(r.elipsoid, r.consts, NAN, 0.0, 0.0, 1000.0));
    EXPECT_FALSE(dirct1(r.elipsoid, r.consts, 0.5, 0.0, INFINITY, 1000.0));
    EXPECT_FALSE(use_forward(r, 10.0, 20.0, 5.0, NAN));
}

TEST(AngleText, IntegerAndRealFields) {
    std::string text = " 12 ";
    int value = 0, error = 0;
    EXPECT_EQ(gvali4(text, 4, value, error), 4);
    EXPECT_EQ(value, 120);
    EXPECT_EQ(text, " 120");
    text = " -45:30";
    EXPECT_EQ(gvali4(text, 7, value, error), 5);
    EXPECT_EQ(value, -45);
    text = "4x5";
    gvali4(text, 3, value, error);
    EXPECT_EQ(error, 1);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(text, "405");
    text = "99999999999";
    gvali4(text, 11, value, error);
    EXPECT_EQ(error + value, 1);  // overflow: error, value 0

    double real = 0.0;
    text = " -12.25$9";
    gvalr8(text, 9, real, error);
    EXPECT_EQ(real, -12.25);
    EXPECT_EQ(error, 0);
    text = std::string(400, '9');
    gvalr8(text, 400, real, error);
    EXPECT_EQ(error, 1);
    EXPECT_EQ(real, 0.0);
}

TEST(AngleText, DegreesMinutesSeconds) {
    DmsParts lat = bufdms("40:38:23", 8, 'N');
    EXPECT_EQ(lat.degrees, 40.0);
    EXPECT_EQ(lat.minutes, 38.0);
    EXPECT_EQ(lat.seconds, 23.0);
    EXPECT_EQ(lat.flag, 0);
    DmsParts west = bufdms("-73:45.5", 8, 'W');
    EXPECT_EQ(west.degrees, -73.0);
    EXPECT_EQ(west.minutes, -45.0);
    EXPECT_NEAR(west.seconds, -30.0, 1e-9);
    EXPECT_EQ(bufdms("91:00:00", 8, 'S').flag, 1);
    EXPECT_EQ(bufdms("91:00:00", 8, 'Z').flag, 0);
    EXPECT_EQ(bufdms("10:61", 5, 'E').flag, 1);
    EXPECT_EQ(bufdms("10:2x", 5, 'E').flag, 1);
    EXPECT_EQ(bufdms("400", 3, '*').flag, 1);

    Consts c;
    double angle = (10 + 20 / 60.0 + 59.999999 / 3600) / kRad;
    Dms dms;
    ASSERT_TRUE(todmsp(c, angle, dms));
    EXPECT_EQ(dms.degrees, 10);
    EXPECT_EQ(dms.minutes, 21);
    EXPECT_EQ(dms.seconds, 0.0);
    angle = -(30 + 59 / 60.0 + 59.999999 / 3600) / kRad - 4 * c.pi;
    ASSERT_TRUE(todmsp(c, angle, dms));
    EXPECT_NEAR(angle, -(31.0 - 1e-6 / 3600) / kRad, 1e-12);
    EXPECT_EQ(dms.sign, -1);
    EXPECT_EQ(dms.degrees, 31);
    EXPECT_EQ(dms.minutes, 0);
    for (double bad : {double(NAN), double(INFINITY), 1e300}) {
        angle = bad;
        EXPECT_FALSE(todmsp(c, angle, dms));
    }
    EXPECT_EQ(ew('E') + ns('N'), 2.0);
    EXPECT_EQ(ew('e') + ns('n'), -2.0);  // lower case is west and south
}

}  // namespace
}  // namespace tolv7
