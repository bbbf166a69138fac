#include "physics/Generators.h"

#include "physics/DecaySamplers.h"
#include "physics/EventTruth.h"
#include "physics/Kinematics.h"
#include "physics/Particle.h"
#include "physics/PhysicsConstants.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>
#include <new>

namespace {

// P_perp (MeV/c) = 0.3 R (cm) B (kG).
constexpr double kMeVPerCmKG = 0.3;

// The event being made draws from `random` and records each particle that flew in `truth`, the
// generator's answer key, when it keeps one (null otherwise). A handle: copies share both.
struct Run {
    RandomSource& random;
    EventTruth* truth;
};

Vec3 InCm(Vec3 v, double scale) { return v / scale; }

Vec3 PositionOf(const TrackPoint& point) { return {point.x, point.y, point.z}; }

// A particle's record as it sets out in the signed field qB (kG).
ParticleTruth SettingOut(const Particle& particle, double qB, double scale)
{
    ParticleTruth truth;
    truth.kind = ParticleKind(particle.mass, particle.charge);
    truth.charge = particle.charge;
    truth.madeCm = InCm(particle.position, scale);
    truth.momentum = Magnitude(particle.p);
    truth.transverseMomentum = std::hypot(particle.p.x, particle.p.y);
    truth.kineticEnergy = std::sqrt(truth.momentum * truth.momentum + particle.mass * particle.mass) - particle.mass;
    if (particle.charge != 0.0 && qB != 0.0)
        truth.radiusCm = truth.transverseMomentum / (kMeVPerCmKG * std::fabs(qB));
    return truth;
}

// Where a straight flight from position along momentum leaves the cube of half-width half
// (display units).
Vec3 ExitPoint(Vec3 position, Vec3 momentum, double half)
{
    double t = std::numeric_limits<double>::infinity();
    const double from[3] = {position.x, position.y, position.z};
    const double along[3] = {momentum.x, momentum.y, momentum.z};
    for (int axis = 0; axis < 3; ++axis) {
        if (along[axis] != 0.0)
            t = std::min(t, ((along[axis] > 0.0 ? half : -half) - from[axis]) / along[axis]);
    }
    if (!std::isfinite(t) || t < 0.0)
        return position;
    return position + t * momentum;
}

// What every generator reads from the conditions, in display units, kG and MeV.
struct Chamber {
    double half;  // half-width of the cube
    double limit; // a charged track ends beyond this
    double scale; // display units per cm
    double B;     // field, kG
    double T;     // kinetic energy of the primary, MeV
};

Chamber ReadChamber(const ChamberData& conditions)
{
    const double half = conditions.Size() * 0.5;
    return {half, kTrackLimitFactor * half, conditions.Scale(), conditions.B(), conditions.T()};
}

// A particle of the given kind starting at the list's last point (its parent's decay vertex).
Particle MakeAtLastPoint(ParticleSpecies species, double charge, const PointList& list)
{
    Particle particle = MakeParticle(species, charge);
    particle.position = PositionOf(list.Last());
    return particle;
}

// s / |s| for the sign argument of types 1, 2, 4 and 5.
double ChargeOfSign(double sign)
{
    assert((sign == -1.0 || sign == 1.0) && "generator sign must be -1.0 or +1.0");
    return sign < 0.0 ? -1.0 : 1.0;
}

// One charged track on a helix in the signed field qB. On a decay the momentum is turned with
// the track, so the particle decays with its direction at the vertex.
StepEnd TrackHelix(RandomSource& random, Particle& particle, double qB, int32_t colour, int32_t endColour,
                   double limit, double scale, double step, PointList& list)
{
    HelixState helix;
    const double survival = SetUpHelix(particle, helix, qB, scale, step);
    helix.colour = colour;
    const StepEnd end = StepHelix(random, limit, list, helix, survival, endColour);
    if (end == kDecayed)
        TurnAboutZ(particle.p, -helix.phi);
    return end;
}

// One charged track: a helix in a field, a straight line without one. It ends at its last dot.
StepEnd Track(Run run, Particle& particle, double qB, int32_t colour, int32_t endColour, double limit,
              double scale, double step, PointList& list)
{
    ParticleTruth truth = run.truth ? SettingOut(particle, qB, scale) : ParticleTruth();
    const int before = list.Count();
    const StepEnd end =
        qB == 0.0 ? StepStraight(run.random, limit, particle, scale, step, colour, endColour, list)
                  : TrackHelix(run.random, particle, qB, colour, endColour, limit, scale, step, list);
    if (run.truth) {
        truth.outcome = end == kDecayed ? FlightOutcome::Decayed : FlightOutcome::Left;
        if (list.Count() > before)
            truth.endCm = InCm(PositionOf(list.Last()), scale);
        else
            truth.endCm = truth.madeCm;
        run.truth->push_back(std::move(truth));
    }
    return end;
}

// One neutral flight (fly is FlyNeutral or FlyPhoton): to its vertex, where its flight ends as
// `inside` says (a decay, or a photon's conversion), or out of the chamber.
FlightEnd Neutral(Run run, FlightEnd (*fly)(RandomSource&, double, Particle&, double), FlightOutcome inside,
                  double half, Particle& particle, double scale)
{
    ParticleTruth truth = run.truth ? SettingOut(particle, 0.0, scale) : ParticleTruth();
    const Vec3 start = particle.position;
    const FlightEnd end = fly(run.random, half, particle, scale);
    if (run.truth) {
        const bool ended = end == kDecayedInside;
        truth.outcome = ended ? inside : FlightOutcome::Left;
        truth.endCm = InCm(ended ? particle.position : ExitPoint(start, particle.p, half), scale);
        run.truth->push_back(std::move(truth));
    }
    return end;
}

// A photon flies and converts inside the chamber, or leaves it.
bool Converts(Run run, Particle& photon, const Chamber& chamber)
{
    return Neutral(run, FlyPhoton, FlightOutcome::Converted, chamber.half, photon, chamber.scale) == kDecayedInside;
}

// A neutral particle flies and decays inside the chamber, or leaves it.
bool DecaysInside(Run run, Particle& particle, const Chamber& chamber)
{
    return Neutral(run, FlyNeutral, FlightOutcome::Decayed, chamber.half, particle, chamber.scale) == kDecayedInside;
}

// Types 1 and 2: pion (red, yellow vertex) -> muon (yellow, green vertex) -> electron (green,
// blue vertex), all with the same signed field.
void FillDecay12(Run run, PointList& points, double sign, const Chamber& chamber)
{
    const double charge = ChargeOfSign(sign);
    const double qB = chamber.B * sign;
    Particle pion = MakePrimary(kChargedPion, charge, chamber.T, chamber.half);
    if (Track(run, pion, qB, kRed, kYellow, chamber.limit, chamber.scale, kStep, points) != kDecayed)
        return;
    Particle muon = MakeAtLastPoint(kMuon, charge, points);
    DecayToMassless(run.random, pion, muon);
    if (Track(run, muon, qB, kYellow, kGreen, chamber.limit, chamber.scale, kStep, points) != kDecayed)
        return;
    Particle electron = MakeAtLastPoint(kElectron, charge, points);
    DecayMichel(run.random, muon, electron);
    Track(run, electron, qB, kGreen, kBlue, chamber.limit, chamber.scale, kStep, points);
}

// Types 4 and 5: muon (red, yellow vertex) -> electron (yellow; its vertex green without a
// field, blue with one).
void FillDecay45(Run run, PointList& points, double sign, const Chamber& chamber)
{
    const double charge = ChargeOfSign(sign);
    const double qB = chamber.B * sign;
    Particle muon = MakePrimary(kMuon, charge, chamber.T, chamber.half);
    if (Track(run, muon, qB, kRed, kYellow, chamber.limit, chamber.scale, kStep, points) != kDecayed)
        return;
    Particle electron = MakeAtLastPoint(kElectron, charge, points);
    DecayMichel(run.random, muon, electron);
    const int32_t electronEnd = qB == 0.0 ? kGreen : kBlue;
    Track(run, electron, qB, kYellow, electronEnd, chamber.limit, chamber.scale, kStep, points);
}

// Two temporary lists with out's capacity, allocated once each.
struct TrackPair {
    explicit TrackPair(const PointList& out) : first(out.Capacity()), second(out.Capacity()) {}
    PointList first;
    PointList second;
};

// The building blocks of DecayGenerator (DrawPair, DrawTwoPairs, DrawProtonPion) within a run.
void PairTracks(Run run, Particle& electron, Particle& positron, double half, double field, double scale,
                double step, PointList& out)
{
    TrackPair lists(out);
    const double limit = kTrackLimitFactor * half;
    // Straight without a field: electron yellow, positron red, both ending blue.
    const bool straight = field == 0.0;
    Track(run, electron, -field, straight ? kYellow : kRed, straight ? kBlue : kYellow, limit, scale, step,
          lists.first);
    Track(run, positron, field, straight ? kRed : kYellow, straight ? kBlue : kRed, limit, scale, step,
          lists.second);
    MergeAlternating(lists.first, lists.second, out);
}

void TwoPairTracks(Run run, Particle& electron1, Particle& positron1, Particle& electron2, Particle& positron2,
                   double half, double field, double scale, double step, PointList& out)
{
    TrackPair pairs(out);
    PairTracks(run, electron1, positron1, half, field, scale, step, pairs.first);
    PairTracks(run, electron2, positron2, half, field, scale, step, pairs.second);
    MergeAlternating(pairs.first, pairs.second, out);
}

void ProtonPionTracks(Run run, Particle& negativePion, Particle& proton, double half, double field, double scale,
                      double step, PointList& out)
{
    TrackPair lists(out);
    const double limit = kTrackLimitFactor * half;
    // The whole negative chain curves with -field; without a field the proton's vertex is blue,
    // with one red.
    const double chainField = -field;
    PointList& chain = lists.first;
    if (Track(run, negativePion, chainField, kLightBlue, kYellow, limit, scale, step, chain) == kDecayed) {
        Particle muon = MakeAtLastPoint(kMuon, -1.0, chain);
        DecayToMassless(run.random, negativePion, muon);
        if (Track(run, muon, chainField, kYellow, kGreen, limit, scale, step, chain) == kDecayed) {
            Particle electron = MakeAtLastPoint(kElectron, -1.0, chain);
            DecayMichel(run.random, muon, electron);
            Track(run, electron, chainField, kGreen, kGreen, limit, scale, step, chain);
        }
    }
    const int32_t protonEnd = field == 0.0 ? kBlue : kRed;
    Track(run, proton, field, kRed, protonEnd, limit, scale, step, lists.second);
    MergeAlternating(lists.first, lists.second, out);
}

// Flies two photons from a common vertex; each that converts inside gives a pair.
void ConvertAndDrawPhotons(Run run, Particle& photon1, Particle& photon2, const Chamber& chamber, PointList& points)
{
    Particle electron1 = MakeParticle(kElectron, -1.0);
    Particle positron1 = MakeParticle(kElectron, 1.0);
    Particle electron2 = MakeParticle(kElectron, -1.0);
    Particle positron2 = MakeParticle(kElectron, 1.0);
    if (Converts(run, photon1, chamber)) {
        ConvertPhoton(run.random, photon1, electron1, positron1);
        if (Converts(run, photon2, chamber)) {
            ConvertPhoton(run.random, photon2, electron2, positron2);
            TwoPairTracks(run, electron1, positron1, electron2, positron2, chamber.half, chamber.B, chamber.scale,
                          kStep, points);
        } else {
            PairTracks(run, electron1, positron1, chamber.half, chamber.B, chamber.scale, kStep, points);
        }
    } else if (Converts(run, photon2, chamber)) {
        ConvertPhoton(run.random, photon2, electron2, positron2);
        PairTracks(run, electron2, positron2, chamber.half, chamber.B, chamber.scale, kStep, points);
    }
}

// A neutral pion flies (almost nowhere) and decays into two photons that may convert.
void DecayNeutralPion(Run run, Particle& neutralPion, const Chamber& chamber, PointList& points)
{
    if (!DecaysInside(run, neutralPion, chamber))
        return;
    Particle photon1 = MakeParticle(kPhoton, 0.0);
    Particle photon2 = MakeParticle(kPhoton, 0.0);
    photon1.position = neutralPion.position;
    photon2.position = neutralPion.position;
    DecayTwoMassless(run.random, neutralPion, photon1, photon2);
    ConvertAndDrawPhotons(run, photon1, photon2, chamber, points);
}

void FillDecay3(Run run, PointList& points, const Chamber& chamber)
{
    Particle neutralPion = MakePrimary(kNeutralPion, 0.0, chamber.T, chamber.half);
    DecayNeutralPion(run, neutralPion, chamber, points);
}

void FillLambdaCharged(Run run, const Particle& lambda, const Chamber& chamber, PointList& points)
{
    Particle proton = MakeParticle(kProton, 1.0);
    Particle negativePion = MakeParticle(kChargedPion, -1.0);
    proton.position = lambda.position;
    negativePion.position = lambda.position;
    DecayLambda(run.random, lambda, proton, negativePion, kLambdaChargedSet);
    ProtonPionTracks(run, negativePion, proton, chamber.half, chamber.B, chamber.scale, kStep, points);
}

void FillLambdaNeutral(Run run, const Particle& lambda, const Chamber& chamber, PointList& points)
{
    Particle neutron = MakeParticle(kNeutron, 0.0);
    Particle neutralPion = MakeParticle(kNeutralPion, 0.0);
    neutron.position = lambda.position;
    neutralPion.position = lambda.position;
    DecayLambda(run.random, lambda, neutron, neutralPion, kLambdaNeutralSet);
    DecayNeutralPion(run, neutralPion, chamber, points);
}

// Type 6: the Lambda flies to its vertex, then one draw picks the charged or the neutral mode.
void FillDecay6(Run run, PointList& points, const Chamber& chamber)
{
    Particle lambda = MakePrimary(kLambda, 0.0, chamber.T, chamber.half);
    if (!DecaysInside(run, lambda, chamber))
        return;
    if (run.random.Unit() <= kLambdaChargedFraction)
        FillLambdaCharged(run, lambda, chamber, points);
    else
        FillLambdaNeutral(run, lambda, chamber, points);
}

bool AllPointsFinite(const PointList& points)
{
    for (const TrackPoint& point : points) {
        if (!std::isfinite(point.x) || !std::isfinite(point.y) || !std::isfinite(point.z))
            return false;
    }
    return true;
}

// Makes the event, fills it when the conditions allow, and never hands out a non-finite point:
// conditions of extreme magnitude (only an event file can hold them) may still overflow, and
// then the event is emptied (the random source has advanced). Null only when memory ran out.
template <typename Fill>
std::unique_ptr<ChamberEvent> MakeEvent(Run run, const ChamberData& conditions, Fill fill)
{
    try {
        auto event = std::make_unique<ChamberEvent>(&conditions);
        if (!CanGenerate(conditions))
            return event;
        fill(run, event->Points(), ReadChamber(conditions));
        if (!AllPointsFinite(event->Points()))
            event->Points().SetCount(0);
        return event;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

// MakeEvent with the run's answer key started afresh and kept to what the event shows.
template <typename Fill>
std::unique_ptr<ChamberEvent> Generate(Run run, const ChamberData& conditions, Fill fill)
{
    if (run.truth)
        run.truth->clear();
    std::unique_ptr<ChamberEvent> event = MakeEvent(run, conditions, fill);
    // An event emptied after an overflow shows nothing of what was recorded.
    if (run.truth && (!event || event->Points().Count() == 0))
        std::erase_if(*run.truth, [](const ParticleTruth& particle) { return particle.charge != 0.0; });
    return event;
}

} // namespace

Particle MakePrimary(ParticleSpecies species, double charge, double kineticEnergy, double half)
{
    Particle primary = MakeParticle(species, charge);
    primary.position = {0.0, -half, 0.0};
    // p = sqrt(T^2 + 2mT), written so that it matches the stored events bit for bit.
    primary.p.y = kineticEnergy * std::sqrt(2.0 * species.mass / kineticEnergy + 1.0);
    primary.E = kineticEnergy + species.mass;
    return primary;
}

bool CanGenerate(const ChamberData& conditions)
{
    const double L = conditions.L();
    const double B = conditions.B();
    const double T = conditions.T();
    const double scale = conditions.Scale();
    if (!std::isfinite(L) || !std::isfinite(B) || !std::isfinite(T) || !std::isfinite(scale))
        return false;
    return L > 0.0 && T > 0.0 && scale > 0.0;
}

DecayGenerator::DecayGenerator(uint32_t seed, AnswerKey answerKey) : random_(seed), answerKey_(answerKey) {}

EventTruth* DecayGenerator::Recorder() { return answerKey_ == AnswerKey::Recorded ? &truth_ : nullptr; }

void DecayGenerator::DrawPair(const Particle& /*photon: not used*/, Particle& electron, Particle& positron,
                              double half, double field, double scale, double step, PointList& out)
{
    PairTracks({random_, Recorder()}, electron, positron, half, field, scale, step, out);
}

void DecayGenerator::DrawTwoPairs(const Particle& /*photon1: not used*/, Particle& electron1, Particle& positron1,
                                  const Particle& /*photon2: not used*/, Particle& electron2, Particle& positron2,
                                  double half, double field, double scale, double step, PointList& out)
{
    TwoPairTracks({random_, Recorder()}, electron1, positron1, electron2, positron2, half, field, scale, step, out);
}

void DecayGenerator::DrawProtonPion(const Particle& /*lambda: not used*/, Particle& negativePion, Particle& proton,
                                    double half, double field, double scale, double step, PointList& out)
{
    ProtonPionTracks({random_, Recorder()}, negativePion, proton, half, field, scale, step, out);
}

std::unique_ptr<ChamberEvent> DecayGenerator::GenerateDecay12(double sign, const ChamberData& conditions)
{
    return Generate({random_, Recorder()}, conditions, [sign](Run run, PointList& points, const Chamber& chamber) {
        FillDecay12(run, points, sign, chamber);
    });
}

std::unique_ptr<ChamberEvent> DecayGenerator::GenerateDecay3(const ChamberData& conditions)
{
    return Generate({random_, Recorder()}, conditions, FillDecay3);
}

std::unique_ptr<ChamberEvent> DecayGenerator::GenerateDecay45(double sign, const ChamberData& conditions)
{
    return Generate({random_, Recorder()}, conditions, [sign](Run run, PointList& points, const Chamber& chamber) {
        FillDecay45(run, points, sign, chamber);
    });
}

std::unique_ptr<ChamberEvent> DecayGenerator::GenerateDecay6(const ChamberData& conditions)
{
    return Generate({random_, Recorder()}, conditions, FillDecay6);
}

std::unique_ptr<ChamberEvent> DecayGenerator::GenerateDecay(int decayType, const ChamberData& conditions)
{
    switch (decayType) {
    case 1: return GenerateDecay12(-1.0, conditions);
    case 2: return GenerateDecay12(1.0, conditions);
    case 3: return GenerateDecay3(conditions);
    case 4: return GenerateDecay45(-1.0, conditions);
    case 5: return GenerateDecay45(1.0, conditions);
    case 6: return GenerateDecay6(conditions);
    default: return nullptr;
    }
}
