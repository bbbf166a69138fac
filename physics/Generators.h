#pragma once

#include "physics/ChamberEvent.h"
#include "physics/EventTruth.h"
#include "physics/Particle.h"

#include <memory>

// The six decay generators. Each builds a new event (capacity ChamberData::EventCapacity(),
// chamber = conditions) from the conditions' B, T and scale and the random source, possibly
// empty. They return null only when memory ran out.

// Types 1 (sign -1) and 2 (sign +1): charged pion -> muon -> electron.
std::unique_ptr<ChamberEvent> GenerateDecay12(double sign, const ChamberData& conditions);
// Type 3: neutral pion -> two photons, each of which may convert into an electron-positron pair.
std::unique_ptr<ChamberEvent> GenerateDecay3(const ChamberData& conditions);
// Types 4 (sign -1) and 5 (sign +1): muon -> electron.
std::unique_ptr<ChamberEvent> GenerateDecay45(double sign, const ChamberData& conditions);
// Type 6: Lambda -> proton + negative pion (64.2 %) or neutron + neutral pion.
std::unique_ptr<ChamberEvent> GenerateDecay6(const ChamberData& conditions);

// Decay type 1 to 6 with the signs of the New Event table; null for any other type.
std::unique_ptr<ChamberEvent> GenerateDecay(int decayType, const ChamberData& conditions);
// The same, and truth (replaced) records every particle that flew, as an answer key. The event
// and the random source are exactly those of the call without truth.
std::unique_ptr<ChamberEvent> GenerateDecay(int decayType, const ChamberData& conditions, EventTruth* truth);

// Whether the conditions can make an event: L, B, T and scale finite, L, T and scale above 0.
// Under any other conditions every generator returns an empty event and draws nothing from the
// random source (a T of 0 gives the primary no momentum, an L of 0 no chamber). Finite conditions
// of extreme magnitude (T = 1e300 MeV, a subnormal B; only an event file can hold such values)
// can still overflow on the way: a generator then empties its event after drawing, so an event
// never holds a non-finite point.
bool CanGenerate(const ChamberData& conditions);

// The primary particle of every generator: on the face y = -half (display units) moving along +y
// with the momentum of kinetic energy T (MeV): p = T sqrt(2m / T + 1), E = T + m.
Particle MakePrimary(ParticleSpecies species, double charge, double kineticEnergy, double half);

// Building blocks shared by the generators of types 3 and 6. `half` is the chamber's
// half-width and `step` the dot spacing, both in display units; `field` is B in kG, unsigned:
// electrons and negative pions curve with -field, positrons and protons with +field. Each
// replaces out's points with the merged tracks, allocating its two temporary lists once.

// An electron-positron pair from one conversion point. The photon is not used.
void DrawPair(const Particle& photon, Particle& electron, Particle& positron, double half, double field,
              double scale, double step, PointList& out);
// Two pairs, drawn with DrawPair each and merged.
void DrawTwoPairs(const Particle& photon1, Particle& electron1, Particle& positron1, const Particle& photon2,
                  Particle& electron2, Particle& positron2, double half, double field, double scale, double step,
                  PointList& out);
// The negative pion with its decay chain (muon, then electron) in one list, merged with the
// proton's track. The Lambda is not used.
void DrawProtonPion(const Particle& lambda, Particle& negativePion, Particle& proton, double half, double field,
                    double scale, double step, PointList& out);
