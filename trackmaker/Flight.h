#pragma once

#include <cstdint>

// The Trackmaker particle's flight in the plane of the screen: where it is, how fast it goes and
// the time it has flown, stepped through a uniform field perpendicular to the screen. A plain
// value with no window; the Trackmaker view draws what it does.
//
// Units: positions in pixels of the simulation area (y grows downward), time in simulation
// units, velocity in pixels per simulation unit, the field in slider units (-1 to +1), the charge
// -1 (electron) or +1 (positron). A step turns the velocity by the exact rotation of
// field x dt x charge radians, so the track is a polygon close to a circle of radius
// speed / |field| pixels.
struct Flight {
    double x = 0.0;  // pixels
    double y = 0.0;  // pixels
    double vx = 0.0; // pixels per simulation unit
    double vy = 0.0;
    double t = 0.0;  // simulation units since the last clock reset
    double dt = 0.01; // simulation units of the next step

    // Starts at (x0, y0) moving horizontally with velocity vx0 (negative: to the left), at t = 0.
    void Launch(double x0, double y0, double vx0);
    // Moves by one time step with the velocity before the turn, then turns the velocity by angle
    // (radians, counter-clockwise on the screen's axes).
    void Advance(double angle);
    // One step in the field for a particle of that charge: Advance(field x dt x charge).
    void Step(double field, double charge) { Advance(field * dt * charge); }

    // The time step that makes the particle cover as much simulation time as ticks of the
    // performance counter (at perfFrequency ticks per second) took in real time, at screenFactor
    // simulation units per second times speed: dt = seconds x screenFactor / speed.
    static double TimeStepFor(int64_t ticks, double screenFactor, double speed, double perfFrequency);
};
