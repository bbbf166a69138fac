#include "trackmaker/Flight.h"

#include <cmath>

void Flight::Launch(double x0, double y0, double vx0)
{
    t = 0.0;
    vx = vx0;
    vy = 0.0;
    x = x0;
    y = y0;
}

// x(t + dt) = x + v dt; then v turns by angle: the exact rotation keeps |v| = speed.
void Flight::Advance(double angle)
{
    const double s = std::sin(angle);
    const double c = std::cos(angle);
    t += dt;
    x += vx * dt;
    y += vy * dt;
    const double turnedX = vx * c - vy * s;
    const double turnedY = vx * s + vy * c;
    vx = turnedX;
    vy = turnedY;
}

double Flight::TimeStepFor(int64_t ticks, double screenFactor, double speed, double perfFrequency)
{
    return double(ticks) * screenFactor / (speed * perfFrequency);
}
