#pragma once

#include "physics/ChamberEvent.h"
#include "physics/Particle.h"
#include "physics/Random.h"

#include <cstdint>

// Moving particles through the chamber: frame rotations, the helix of a charged particle in the
// field, the straight line of one in no field, the invisible flights of neutral particles and
// photons, and the merging of point lists. Positions in display units, momenta in MeV/c, the
// signed field qB in kG, scale in display units per cm.
//
// The operations that draw take the random source they draw from; the order of their draws is
// part of the events' definition. None of these allocate; the callers own every list. A
// particle with zero momentum or zero mass where these divide by it gives non-finite values,
// so the generators never pass one.

// How a charged track ended.
enum StepEnd : int {
    kDecayed = 0,    // the particle decayed; the list's last point is the decay vertex
    kLeftOrFull = 1, // the track left the chamber or the list filled up
};

// How an invisible flight ended.
enum FlightEnd : int {
    kEscaped = 0,       // left the chamber (or a photon too soft to convert); position unchanged
    kDecayedInside = 1, // decayed or converted inside; position moved to that point
};

// Turns a momentum given in the parent's flight frame (a along `parent`, b and c across it) into
// chamber axes. `parent` must not be zero.
void RotateToLab(Vec3 parent, Vec3& child, double a, double b, double c);

// Turns px, py about z: px' = px cos a + py sin a, py' = py cos a - px sin a. Called with minus
// the angle a helix turned, so the momentum follows the track before the particle decays.
void TurnAboutZ(Vec3& momentum, double angle);

// Prepares the helix of `particle` in the signed field qB, one step in along z, refreshes the
// particle's energy and returns the survival probability per step.
double SetUpHelix(Particle& particle, HelixState& helix, double qB, double scale, double step);

// Writes the helix's points until the particle decays, a coordinate's magnitude exceeds `limit`
// (that point is dropped) or the list is full. A decay writes its vertex in `endColour` and
// leaves in helix.phi the whole angle turned from the track's start (one step before its first
// point, where SetUpHelix set it up) to the vertex: the direction of motion at the vertex is
// the starting direction turned by that angle.
StepEnd StepHelix(RandomSource& random, double limit, PointList& list, HelixState& helix, double survival,
                  int32_t endColour);

// Writes a straight track along the particle's momentum from its position (the particle is not
// moved) until it decays, leaves (the first point outside is kept) or the list is full.
StepEnd StepStraight(RandomSource& random, double limit, Particle& particle, double scale, double step,
                     int32_t colour, int32_t endColour, PointList& list);

// Flies a neutral particle along its momentum to its decay point without writing points.
FlightEnd FlyNeutral(RandomSource& random, double limit, Particle& particle, double scale);

// Flies a photon along its momentum to its conversion point without writing points; a photon
// below the conversion threshold never converts and draws nothing.
FlightEnd FlyPhoton(RandomSource& random, double limit, Particle& particle, double scale);

// Replaces out's points by a and b interleaved point by point, the shorter list leading, the
// rest of the longer one after; stops when out is full. `out` must be a third list.
void MergeAlternating(const PointList& a, const PointList& b, PointList& out);
