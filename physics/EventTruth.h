#pragma once

#include "physics/Particle.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What really happened in a generated event, for an answer key: every particle that flew, in
// the order the generator made them. Lengths are in cm, with the chamber's centre at the origin.

// How a particle's flight ended.
enum class FlightOutcome {
    Decayed,   // it decayed inside the chamber
    Converted, // a photon that converted into an electron-positron pair inside the chamber
    Left,      // it left the chamber (or the event's list of dots filled up)
};

struct ParticleTruth {
    std::string kind;                // "pi-", "pi+", "pi0", "mu-", "mu+", "e-", "e+", "gamma", "p", "n", "Lambda"
    double charge = 0.0;             // in units of the proton's charge
    Vec3 madeCm;                     // where it was made: the entry point, or its parent's vertex
    // Where it decayed or converted; where it left: a charged track's last dot (its start when
    // it left before its first dot), a neutral particle's exit from the cube on its straight line.
    Vec3 endCm;
    FlightOutcome outcome = FlightOutcome::Left;
    double momentum = 0.0;           // |p| when made, MeV/c
    double transverseMomentum = 0.0; // the part across the field (the x-y plane), MeV/c
    double kineticEnergy = 0.0;      // MeV
    std::optional<double> radiusCm;  // p_perp / (0.3 |B|) of its helix; none on a straight line
                                     // (a neutral particle, or no field)
};

using EventTruth = std::vector<ParticleTruth>;

// Which event an answer key answers: the events made one after another from one seed.
struct AnswerKeyHeading {
    int decayType = 1;
    uint32_t seed = 0;
    int eventNumber = 1; // 1 for the first event made after seeding
    double lengthCm = 0.0;
    double fieldKG = 0.0;
    double energyMeV = 0.0;
};

// The name of a particle of the given mass (one of the species the generators make) and charge.
std::string ParticleKind(double mass, double charge);

// The truth as CSV: a comment line naming the event and its conditions, a header line, then one
// line per particle.
std::string TruthCsv(const EventTruth& truth, const AnswerKeyHeading& heading);
