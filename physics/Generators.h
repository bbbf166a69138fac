#pragma once

#include "physics/ChamberEvent.h"
#include "physics/EventTruth.h"
#include "physics/Particle.h"
#include "physics/Random.h"

#include <cstdint>
#include <memory>

// Whether a generator keeps the answer key of the events it makes.
enum class AnswerKey : bool { NotRecorded, Recorded };

// The six decay generators, one object with the random stream they draw from and, when asked
// for, the answer key of the event made last. Each GenerateDecay builds a new event (capacity
// ChamberData::EventCapacity(), chamber = conditions) from the conditions' B, T and scale and the
// stream, possibly empty, and returns null only when memory ran out. Successive events continue
// one stream, so two generators seeded alike make the same events in the same order, bit for bit.
class DecayGenerator {
public:
    explicit DecayGenerator(uint32_t seed = RandomSource::kUnseeded,
                            AnswerKey answerKey = AnswerKey::NotRecorded);

    RandomSource& Random() { return random_; }
    const RandomSource& Random() const { return random_; }

    // The answer key of the last event made: every particle that flew, in the order the
    // generator made them (the building blocks below add theirs to it). Always empty when the
    // generator does not record; recording changes neither the events nor the stream.
    const EventTruth& Truth() const { return truth_; }

    // Decay type 1 to 6 with the signs of the New Event table; null for any other type.
    std::unique_ptr<ChamberEvent> GenerateDecay(int decayType, const ChamberData& conditions);

    // Types 1 (sign -1) and 2 (sign +1): charged pion -> muon -> electron.
    std::unique_ptr<ChamberEvent> GenerateDecay12(double sign, const ChamberData& conditions);
    // Type 3: neutral pion -> two photons, each of which may convert into an electron-positron
    // pair.
    std::unique_ptr<ChamberEvent> GenerateDecay3(const ChamberData& conditions);
    // Types 4 (sign -1) and 5 (sign +1): muon -> electron.
    std::unique_ptr<ChamberEvent> GenerateDecay45(double sign, const ChamberData& conditions);
    // Type 6: Lambda -> proton + negative pion (64.2 %) or neutron + neutral pion.
    std::unique_ptr<ChamberEvent> GenerateDecay6(const ChamberData& conditions);

    // Building blocks shared by the generators of types 3 and 6. `half` is the chamber's
    // half-width and `step` the dot spacing, both in display units; `field` is B in kG,
    // unsigned: electrons and negative pions curve with -field, positrons and protons with
    // +field. Each replaces out's points with the merged tracks, allocating its two temporary
    // lists once.

    // An electron-positron pair from one conversion point. The photon is not used.
    void DrawPair(const Particle& photon, Particle& electron, Particle& positron, double half, double field,
                  double scale, double step, PointList& out);
    // Two pairs, drawn with DrawPair each and merged.
    void DrawTwoPairs(const Particle& photon1, Particle& electron1, Particle& positron1, const Particle& photon2,
                      Particle& electron2, Particle& positron2, double half, double field, double scale,
                      double step, PointList& out);
    // The negative pion with its decay chain (muon, then electron) in one list, merged with the
    // proton's track. The Lambda is not used.
    void DrawProtonPion(const Particle& lambda, Particle& negativePion, Particle& proton, double half,
                        double field, double scale, double step, PointList& out);

private:
    // Where the particles of the event being made are recorded: the answer key, or null.
    EventTruth* Recorder();

    RandomSource random_;
    AnswerKey answerKey_;
    EventTruth truth_;
};

// Whether the conditions can make an event: L, B, T and scale finite, L, T and scale above 0.
// Under any other conditions every generator returns an empty event and draws nothing from its
// random source (a T of 0 gives the primary no momentum, an L of 0 no chamber). Finite conditions
// of extreme magnitude (T = 1e300 MeV, a subnormal B; only an event file can hold such values)
// can still overflow on the way: a generator then empties its event after drawing, so an event
// never holds a non-finite point.
bool CanGenerate(const ChamberData& conditions);

// The primary particle of every generator: on the face y = -half (display units) moving along +y
// with the momentum of kinetic energy T (MeV): p = T sqrt(2m / T + 1), E = T + m.
Particle MakePrimary(ParticleSpecies species, double charge, double kineticEnergy, double half);
