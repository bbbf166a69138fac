#pragma once

#include "physics/Particle.h"
#include "physics/PhysicsConstants.h"
#include "physics/Random.h"

// Decay samplers. Each draws the decay in the parent's rest frame from the random source it is
// given, boosts the component along the parent's flight direction and turns the result into
// chamber axes with RotateToLab. Products the chamber never shows (neutrinos, the partner of a massless product)
// are not recorded. The callers place the products at the vertex, except ConvertPhoton.
// Momenta in MeV/c, energies and masses in MeV; every azimuth is drawn from 0 to kAzimuthRange.

// Parent -> child (mass child.mass) + one massless partner; sets child.p and child.E.
void DecayToMassless(RandomSource& random, const Particle& parent, Particle& child);

// Muon -> electron (child) + two neutrinos, with the Michel energy spectrum; sets child.p, child.E.
void DecayMichel(RandomSource& random, const Particle& parent, Particle& child);

// Neutral pion -> two photons; sets both children's p and E = |p|.
void DecayTwoMassless(RandomSource& random, const Particle& parent, Particle& child1, Particle& child2);

// Photon -> electron (child1) + positron (child2) at the photon's position. Sets the children's
// positions and momenta, not their energies (the track operations compute those).
void ConvertPhoton(RandomSource& random, const Particle& photon, Particle& child1, Particle& child2);

// Lambda -> nucleon (child1) + pion (child2) with the fixed rest-frame momentum of `set`; the
// children's energies come from their own masses.
void DecayLambda(RandomSource& random, const Particle& parent, Particle& child1, Particle& child2,
                 const LambdaDecaySet& set);

// An angle in [0, kLambdaAngleBound] with density 1 + 0.7 cos(theta), by rejection.
double DrawLambdaAngle(RandomSource& random);
