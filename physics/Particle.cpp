#include "physics/Particle.h"

#include <cmath>

double Magnitude(Vec3 v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }
