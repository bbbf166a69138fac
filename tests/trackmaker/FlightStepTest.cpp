// The Trackmaker's flight as a value, stepped without any window.
#include "trackmaker/Flight.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// An electron at 2V (speed 40) entering from the left at mid-height, stepped in field 1.
Flight Entering(double dt)
{
    Flight flight;
    flight.Launch(0.0, 220.0, 40.0);
    flight.dt = dt;
    return flight;
}

// The exact turn keeps the speed, and the particle stays on the circle of radius speed / |field|
// about the point above its entry; one revolution (2 pi per unit field) brings it back.
TEST(FlightStep, CircleOfSpeedOverFieldClosesAfterOneRevolution)
{
    constexpr double kDt = 0.001;
    Flight flight = Entering(kDt);
    const int steps = int(std::lround(2.0 * M_PI / kDt));
    for (int i = 0; i < steps; ++i) {
        flight.Step(1.0, -1.0);
        ASSERT_NEAR(std::hypot(flight.vx, flight.vy), 40.0, 1e-9) << i;
        ASSERT_NEAR(std::hypot(flight.x, flight.y - 180.0), 40.0, 0.05) << i;
    }
    EXPECT_NEAR(flight.t, steps * kDt, 1e-9);
    EXPECT_NEAR(flight.x, 0.0, 0.1);
    EXPECT_NEAR(flight.y, 220.0, 0.1);
}

// Without a field the particle flies straight; a positron turns the other way, the mirror image
// of the electron about the line it entered on.
TEST(FlightStep, NoFieldIsStraightAndChargeMirrorsTheTurn)
{
    Flight straight = Entering(0.0125);
    for (int i = 0; i < 8; ++i)
        straight.Step(0.0, -1.0);
    EXPECT_DOUBLE_EQ(straight.x, 8 * 0.0125 * 40.0);
    EXPECT_EQ(straight.y, 220.0);

    Flight electron = Entering(0.01);
    Flight positron = Entering(0.01);
    for (int i = 0; i < 100; ++i) {
        electron.Step(0.5, -1.0);
        positron.Step(0.5, 1.0);
    }
    EXPECT_LT(electron.y, 220.0) << "an electron in a positive field turns toward the top";
    EXPECT_DOUBLE_EQ(positron.x, electron.x);
    EXPECT_NEAR(positron.y - 220.0, 220.0 - electron.y, 1e-9);
}

// A step of 1000 ticks of a 1 MHz counter at 2V's factor 500: dt = 0.001 s x 500 / 40.
TEST(FlightStep, TimeStepFollowsTheRealTimeOfTheLastStep)
{
    EXPECT_DOUBLE_EQ(Flight::TimeStepFor(1000, 500.0, 40.0, 1e6), 0.0125);
    EXPECT_DOUBLE_EQ(Flight::TimeStepFor(1000, 750.0, 60.0, 1e6), 0.0125) << "the same at every speed";
    EXPECT_DOUBLE_EQ(Flight::TimeStepFor(2000, 500.0, 40.0, 1e6), 0.025);
}

} // namespace
