#pragma once

#include "physics/PhysicsConstants.h"
#include "physics/Vec3.h"

#include <cstdint>

// Working record of the generators: one particle in flight. Never stored in an event.
struct Particle {
    double mass = 0.0;   // MeV
    double ctau = 0.0;   // mean decay length in cm (photon: mean conversion length)
    double charge = 0.0; // -1, 0 or +1; recorded only, the curvature sign comes from the signed field
    Vec3 p;              // momentum, MeV/c
    double E = 0.0;      // total energy, MeV
    Vec3 position;       // display units
};
static_assert(sizeof(Particle) == 10 * sizeof(double), "Particle is ten doubles");

// A particle of the given kind and charge at rest at the origin.
inline Particle MakeParticle(ParticleSpecies species, double charge)
{
    Particle particle;
    particle.mass = species.mass;
    particle.ctau = species.ctau;
    particle.charge = charge;
    return particle;
}

// Working record of one charged track on a helix about the field (+z). A point of the helix at
// angle phi is (cx - R sin phi, cy + R cos phi, z); its direction of motion has angle phi.
struct HelixState {
    double dz = 0.0;    // z advance per step, display units
    double dphi = 0.0;  // turning angle per step, radians
    double R = 0.0;     // signed radius, display units
    double cx = 0.0;    // centre of the circle, display units
    double cy = 0.0;
    double z = 0.0;     // current z, display units
    double phi = 0.0;   // current angle; after a decay, the angle turned from the start to the vertex
    int32_t colour = 0; // colour id of the track's points
};
