#pragma once

#include "physics/Particle.h"

#include <string>
#include <vector>

// What really happened in a generated event, for an answer key: every particle that flew, in
// the order the generator made them. Lengths are in cm, with the chamber's centre at the origin.
struct ParticleTruth {
    std::string kind;                // "pi-", "pi+", "pi0", "mu-", "mu+", "e-", "e+", "gamma", "p", "n", "Lambda"
    double charge = 0.0;
    Vec3 madeCm;                     // where it was made: the entry point, or its parent's vertex
    Vec3 endCm;                      // where it decayed or converted, or where it left (its last dot)
    bool decayed = false;            // it decayed (a photon: converted) inside the chamber
    double momentum = 0.0;           // |p| when made, MeV/c
    double transverseMomentum = 0.0; // the part across the field (the x-y plane), MeV/c
    double kineticEnergy = 0.0;      // MeV
    double radiusCm = 0.0;           // p_perp / (0.3 |B|) of its helix; 0 when neutral or without a field
};

using EventTruth = std::vector<ParticleTruth>;

// The name of a particle of the given mass (one of the species the generators make) and charge.
std::string ParticleKind(double mass, double charge);

// The truth as CSV: a header line, then one line per particle.
std::string TruthCsv(const EventTruth& truth);
