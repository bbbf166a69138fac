#include "physics/Generators.h"
#include "physics/Kinematics.h"
#include "physics/Random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace {

constexpr double kHalf = 400.0;
constexpr double kScale = 1.6;          // display units per cm with L = 500 cm
constexpr double kLimit = 1.01 * kHalf; // track limit of the generators

// Number of draws that take the random source from `from` to `to` (at most `most`).
int DrawsBetween(uint32_t from, uint32_t to, int most = 100000)
{
    RandomSource random(from);
    for (int n = 0; n <= most; ++n) {
        if (random.State() == to)
            return n;
        random.Draw();
    }
    return -1;
}

// A helix that stands still at one point: useful to pin the limit comparisons.
HelixState StandingHelix(double x, double y, double z)
{
    HelixState helix;
    helix.R = 1.0;
    helix.phi = 0.0; // point = (cx - R sin 0, cy + R cos 0, z) = (cx, cy + 1, z)
    helix.cx = x;
    helix.cy = y - 1.0;
    helix.z = z;
    helix.colour = kRed;
    return helix;
}

Particle StableParticle(Vec3 momentum, Vec3 position)
{
    Particle particle = MakeParticle(kProton, 1.0);
    particle.p = momentum;
    particle.position = position;
    return particle;
}

// Appends `count` points whose x are base, base + 1, ...
void Number(PointList& list, int count, double base)
{
    for (int i = 0; i < count; ++i) {
        TrackPoint point;
        point.x = base + i;
        list.Append(point);
    }
}

std::vector<double> Xs(const PointList& list)
{
    std::vector<double> xs;
    for (const TrackPoint& point : list)
        xs.push_back(point.x);
    return xs;
}

} // namespace

TEST(Primary, MomentaOfTheStartingConditions)
{
    const Particle pion = MakePrimary(kChargedPion, 1.0, 0.6, kHalf);
    EXPECT_NEAR(pion.p.y, 12.96, 0.005);
    EXPECT_EQ(pion.p.x, 0.0);
    EXPECT_EQ(pion.p.z, 0.0);
    EXPECT_DOUBLE_EQ(pion.E, 0.6 + 139.6);
    EXPECT_EQ(pion.position.y, -400.0);
    EXPECT_NEAR(MakePrimary(kMuon, -1.0, 0.6, kHalf).p.y, 11.28, 0.005);
    EXPECT_NEAR(MakePrimary(kLambda, 0.0, 0.6, kHalf).p.y, 36.6, 0.01);
}

TEST(RotateToLab, AlongTheParentIsA)
{
    Vec3 child;
    RotateToLab({0.0, 5.0, 0.0}, child, 3.0, 1.0, 2.0);
    // Parent along +y: b goes to x, a to y, c to z.
    EXPECT_NEAR(child.x, 1.0, 1e-12);
    EXPECT_NEAR(child.y, 3.0, 1e-12);
    EXPECT_NEAR(child.z, 2.0, 1e-12);

    const Vec3 parent{1.0, -2.0, 0.5};
    RotateToLab(parent, child, 3.0, 1.0, 2.0);
    const double along = (child.x * parent.x + child.y * parent.y + child.z * parent.z) / Magnitude(parent);
    EXPECT_NEAR(along, 3.0, 1e-12);
    EXPECT_NEAR(Magnitude(child), std::sqrt(14.0), 1e-12);
}

TEST(TurnAboutZ, PositiveAngleTurnsPlusYTowardsPlusX)
{
    Vec3 p{0.0, 2.0, 1.5};
    TurnAboutZ(p, std::numbers::pi / 2);
    EXPECT_NEAR(p.x, 2.0, 1e-12);
    EXPECT_NEAR(p.y, 0.0, 1e-12);
    EXPECT_EQ(p.z, 1.5);
}

TEST(SetUpHelix, PionAndMuonOfTheStartingConditions)
{
    Particle pion = MakePrimary(kChargedPion, 1.0, 0.6, kHalf);
    HelixState helix;
    const double survival = SetUpHelix(pion, helix, 0.8, kScale, 20.0);
    EXPECT_NEAR(helix.R, 86.38, 0.01);
    EXPECT_NEAR(-20.0 / std::log(survival), 115.8, 0.1); // mean decay length, display units
    EXPECT_NEAR(helix.cx, helix.R, 1e-9);
    EXPECT_NEAR(helix.cy, -400.0, 1e-9);
    EXPECT_EQ(helix.dz, 0.0);
    EXPECT_NEAR(helix.dphi, -20.0 / helix.R, 1e-15);
    EXPECT_NEAR(pion.E, 140.2, 0.001); // refreshed from mass and momentum

    Particle muon = MakePrimary(kMuon, -1.0, 0.6, kHalf);
    const double muonSurvival = SetUpHelix(muon, helix, -0.8, kScale, 20.0);
    EXPECT_NEAR(helix.R, -75.19, 0.01);
    EXPECT_NEAR(-20.0 / std::log(muonSurvival), 11245.0, 5.0);
}

TEST(SetUpHelix, StartsOneStepInAlongZ)
{
    Particle particle = StableParticle({3.0, 0.0, 4.0}, {0.0, 0.0, 10.0});
    HelixState helix;
    SetUpHelix(particle, helix, 1.0, 1.0, 20.0);
    EXPECT_DOUBLE_EQ(helix.dz, 16.0);
    EXPECT_DOUBLE_EQ(helix.z, 26.0);
    EXPECT_DOUBLE_EQ(particle.position.z, 26.0);
}

TEST(StepHelix, PositiveFieldBendsAPlusYTrackTowardsPlusXOnItsCircle)
{
    Particle pion = MakePrimary(kChargedPion, 1.0, 0.6, kHalf);
    HelixState helix;
    SetUpHelix(pion, helix, 0.8, kScale, 20.0);
    helix.colour = kRed;
    PointList list(350);
    RandomSource random(1);
    ASSERT_EQ(StepHelix(random, kLimit, list, helix, 1.0, kYellow), kLeftOrFull);
    ASSERT_GT(list.Count(), 3);
    EXPECT_GT(list[0].x, 0.0);
    for (const TrackPoint& point : list) {
        EXPECT_NEAR(std::hypot(point.x - helix.cx, point.y - helix.cy), helix.R, 1e-9);
        EXPECT_EQ(point.colour, kRed);
        EXPECT_EQ(point.w, 1.0);
        EXPECT_LE(std::fabs(point.y), kLimit);
    }
    // Successive dots are one step of arc apart.
    const double chord = 2.0 * helix.R * std::sin(10.0 / helix.R);
    EXPECT_NEAR(std::hypot(list[1].x - list[0].x, list[1].y - list[0].y), chord, 1e-9);
    // It ended because the next dot lies beyond the limit.
    const double nextY = helix.cy + helix.R * std::cos(helix.phi);
    EXPECT_GT(std::fabs(nextY), kLimit);
}

TEST(StepHelix, SurvivalZeroWritesOnlyTheDecayPoint)
{
    HelixState helix = StandingHelix(10.0, 20.0, 30.0);
    PointList list(350);
    RandomSource random(5);
    EXPECT_EQ(StepHelix(random, kLimit, list, helix, 0.0, kBlue), kDecayed);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list[0].colour, kBlue);
    EXPECT_DOUBLE_EQ(list[0].x, 10.0);
    EXPECT_DOUBLE_EQ(list[0].y, 20.0);
    EXPECT_EQ(list[0].z, 30.0);
    EXPECT_EQ(helix.phi, 0.0);
    EXPECT_EQ(random.State(), 5u);
}

TEST(StepHelix, SurvivalEqualToTheDrawDecays)
{
    RandomSource random(42);
    const double u = random.Unit();

    HelixState helix = StandingHelix(0.0, 0.0, 0.0);
    PointList list(350);
    random.Seed(42);
    EXPECT_EQ(StepHelix(random, kLimit, list, helix, u, kYellow), kDecayed);
    EXPECT_EQ(list.Count(), 2);

    helix = StandingHelix(0.0, 0.0, 0.0);
    PointList longer(350);
    random.Seed(42);
    StepHelix(random, kLimit, longer, helix, std::nextafter(u, 2.0), kYellow);
    EXPECT_GE(longer.Count(), 3);
}

TEST(StepHelix, ACoordinateExactlyAtTheLimitIsInside)
{
    const double beyond = std::nextafter(kLimit, 1e9);
    const Vec3 atLimit[] = {{kLimit, 0, 0}, {0, -kLimit, 0}, {0, 0, kLimit}};
    const Vec3 pastLimit[] = {{beyond, 0, 0}, {0, -beyond, 0}, {0, 0, beyond}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        HelixState inside = StandingHelix(atLimit[i].x, atLimit[i].y, atLimit[i].z);
        PointList full(5);
        RandomSource random(3);
        EXPECT_EQ(StepHelix(random, kLimit, full, inside, 1.0, kYellow), kLeftOrFull);
        EXPECT_EQ(full.Count(), 5);
        EXPECT_EQ(full[4].colour, kRed);

        HelixState outside = StandingHelix(pastLimit[i].x, pastLimit[i].y, pastLimit[i].z);
        PointList none(5);
        EXPECT_EQ(StepHelix(random, kLimit, none, outside, 1.0, kYellow), kLeftOrFull);
        EXPECT_EQ(none.Count(), 0);
    }
}

TEST(StepHelix, FullListReturnsAtOnceWithoutDrawing)
{
    PointList list(4);
    Number(list, 4, 0.0);
    HelixState helix = StandingHelix(0.0, 0.0, 0.0);
    RandomSource random(11);
    EXPECT_EQ(StepHelix(random, kLimit, list, helix, 0.5, kYellow), kLeftOrFull);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(random.State(), 11u);
}

TEST(StepHelix, DecayLeavesTheAngleTurnedFromTheStartToTheVertex)
{
    Particle pion = MakePrimary(kChargedPion, 1.0, 0.6, kHalf);
    HelixState helix;
    const double survival = SetUpHelix(pion, helix, 0.8, kScale, 20.0);
    const double dphi = helix.dphi;
    helix.colour = kRed;
    PointList list(350);
    for (uint32_t seed = 1;; ++seed) {
        HelixState trial = helix;
        list.SetCount(0);
        RandomSource random(seed);
        if (StepHelix(random, kLimit, list, trial, survival, kYellow) != kDecayed)
            continue;
        // The start lies one step before the first dot, so the vertex is Count() steps from it.
        EXPECT_NEAR(trial.phi, list.Count() * dphi, 1e-12);
        EXPECT_EQ(list.Last().colour, kYellow);
        break;
    }
}

TEST(StepStraight, FirstPointIsOneStepFromTheStart)
{
    Particle pion = MakePrimary(kChargedPion, 1.0, 0.6, kHalf);
    PointList list(350);
    RandomSource random(1);
    StepStraight(random, kLimit, pion, kScale, 20.0, kRed, kYellow, list);
    ASSERT_GE(list.Count(), 1);
    EXPECT_NEAR(list[0].x, 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(list[0].y, -380.0);
    EXPECT_NEAR(list[0].z, 0.0, 1e-12);
    EXPECT_EQ(pion.position.y, -400.0); // the particle itself is not moved
    EXPECT_DOUBLE_EQ(pion.E, std::sqrt(139.6 * 139.6 + pion.p.y * pion.p.y));
}

TEST(StepStraight, KeepsTheFirstPointOutsideAndTheLimitIsInside)
{
    // Along each axis: from 384 the first dot lands exactly on the limit 404 (inside) and the
    // second at 424 is kept as the first outside; from just above 384 the first dot is outside.
    const Vec3 axes[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (const Vec3& axis : axes) {
        SCOPED_TRACE(testing::Message() << axis.x << axis.y << axis.z);
        const auto along = [&](double v) { return Vec3{axis.x * v, axis.y * v, axis.z * v}; };
        Particle atLimit = StableParticle(along(50.0), along(384.0));
        atLimit.mass = 0.0; // E = |p| exactly, so the dots stay on the axis
        PointList list(350);
        RandomSource random(2);
        EXPECT_EQ(StepStraight(random, 404.0, atLimit, 1.0, 20.0, kRed, kYellow, list), kLeftOrFull);
        ASSERT_EQ(list.Count(), 2);
        EXPECT_EQ(list[0].x + list[0].y + list[0].z, 404.0);
        EXPECT_EQ(list[1].x + list[1].y + list[1].z, 424.0);
        EXPECT_EQ(list[1].colour, kRed);

        Particle pastLimit = StableParticle(along(50.0), along(std::nextafter(384.0, 1e9)));
        pastLimit.mass = 0.0;
        PointList one(350);
        EXPECT_EQ(StepStraight(random, 404.0, pastLimit, 1.0, 20.0, kRed, kYellow, one), kLeftOrFull);
        EXPECT_EQ(one.Count(), 1);
    }
}

TEST(StepStraight, SurvivalZeroWritesOnlyTheDecayPoint)
{
    Particle particle = StableParticle({0.0, 50.0, 0.0}, {0.0, 0.0, 0.0});
    particle.ctau = 0.0;
    PointList list(350);
    RandomSource random(8);
    EXPECT_EQ(StepStraight(random, kLimit, particle, kScale, 20.0, kRed, kGreen, list), kDecayed);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list[0].colour, kGreen);
    EXPECT_DOUBLE_EQ(list[0].y, 20.0);
    EXPECT_EQ(random.State(), 8u);
}

TEST(StepStraight, FullListReturnsAtOnceAndAFillingListEndsTheTrack)
{
    Particle particle = StableParticle({0.0, 50.0, 0.0}, {0.0, 0.0, 0.0});
    PointList full(3);
    Number(full, 3, 0.0);
    RandomSource random(9);
    EXPECT_EQ(StepStraight(random, kLimit, particle, kScale, 20.0, kRed, kGreen, full), kLeftOrFull);
    EXPECT_EQ(full.Count(), 3);
    EXPECT_EQ(random.State(), 9u);

    PointList small(3);
    Number(small, 1, 0.0);
    EXPECT_EQ(StepStraight(random, 1e9, particle, kScale, 20.0, kRed, kGreen, small), kLeftOrFull);
    EXPECT_EQ(small.Count(), 3);
    EXPECT_EQ(small[2].colour, kRed);
}

// A straight track and an invisible flight go where the momentum points, whatever the mass: a
// slow muon dipping steeply, a momentum equal to the mass along z, a Lambda of T = 0.6 MeV.
TEST(StraightFlights, FollowTheMomentum)
{
    RandomSource random;
    for (const Vec3 p : {Vec3{-9.0, 12.25, 24.56}, Vec3{0.0, 0.0, 100.0}, Vec3{3.0, 36.5, -5.0}}) {
        const auto offMomentum = [&](Vec3 d) { // |unit d - unit p|
            const double k = Magnitude(d) / Magnitude(p);
            return Magnitude({d.x - k * p.x, d.y - k * p.y, d.z - k * p.z}) / Magnitude(d);
        };
        Particle muon = StableParticle(p, {0.0, 0.0, 0.0});
        muon.mass = 105.7;
        PointList list(350);
        StepStraight(random, kLimit, muon, kScale, 20.0, kRed, kGreen, list);
        EXPECT_LT(offMomentum({list[0].x, list[0].y, list[0].z}), 1e-6) << p.z;
        Particle lambda = MakeParticle(kLambda, 0.0);
        lambda.p = p;
        ASSERT_EQ(FlyNeutral(random, 1e9, lambda, kScale), kDecayedInside);
        EXPECT_LT(offMomentum(lambda.position), 1e-6) << p.z;
    }
}

TEST(FlyNeutral, EscapeLeavesThePositionAndDecayMovesByWholeSteps)
{
    Particle escaping = MakePrimary(kLambda, 0.0, 0.6, kHalf);
    escaping.ctau = 1e8;
    RandomSource random(1);
    EXPECT_EQ(FlyNeutral(random, kHalf, escaping, kScale), kEscaped);
    EXPECT_EQ(escaping.position.y, -400.0);

    Particle lambda = MakePrimary(kLambda, 0.0, 0.6, kHalf);
    const double stepLength = 0.2 * (lambda.p.y / lambda.mass) * lambda.ctau * kScale;
    random.Seed(77);
    ASSERT_EQ(FlyNeutral(random, kHalf, lambda, kScale), kDecayedInside);
    const int draws = DrawsBetween(77, random.State());
    ASSERT_GE(draws, 1);
    EXPECT_NEAR(lambda.position.y, -400.0 + draws * stepLength, 1e-9);
}

TEST(FlyPhoton, BelowTwoMeVNeverConvertsAndDrawsNothing)
{
    Particle photon = MakeParticle(kPhoton, 0.0);
    photon.p = {0.0, 1.9, 0.0};
    photon.E = 1.9;
    RandomSource random(13);
    EXPECT_EQ(FlyPhoton(random, kHalf, photon, kScale), kEscaped);
    EXPECT_EQ(random.State(), 13u);
    EXPECT_EQ(photon.position.y, 0.0);

    photon.p = {0.0, 2.0, 0.0};
    photon.E = 2.0;
    EXPECT_EQ(FlyPhoton(random, 1e9, photon, kScale), kDecayedInside);
    EXPECT_NE(random.State(), 13u);
    // The step is 0.2 ctau scale with no p / m factor: whole steps of 64 display units.
    const double steps = photon.position.y / (0.2 * 200.0 * kScale);
    EXPECT_DOUBLE_EQ(steps, std::round(steps));
}

TEST(FlyNeutralAndFlyPhoton, MeanStepsFollowTheirSurvival)
{
    // Steps per flight are geometric: mean 1 / (1 - exp(-0.2)) for neutral particles and
    // 1 / (1 - exp(-0.15)) for photons.
    const int flights = 40000;
    long neutralSteps = 0;
    long photonSteps = 0;
    RandomSource random(2024);
    for (int i = 0; i < flights; ++i) {
        Particle neutral = MakePrimary(kNeutralPion, 0.0, 0.6, kHalf);
        const uint32_t before = random.State();
        FlyNeutral(random, 1e300, neutral, kScale);
        neutralSteps += DrawsBetween(before, random.State());
        Particle photon = MakeParticle(kPhoton, 0.0);
        photon.p = {0.0, 0.0, 50.0};
        photon.E = 50.0;
        const uint32_t photonStart = random.State();
        FlyPhoton(random, 1e300, photon, kScale);
        photonSteps += DrawsBetween(photonStart, random.State());
    }
    EXPECT_NEAR(double(neutralSteps) / flights, 1.0 / (1.0 - std::exp(-0.2)), 0.12);
    EXPECT_NEAR(double(photonSteps) / flights, 1.0 / (1.0 - std::exp(-0.15)), 0.15);
}

TEST(MergeAlternating, ShorterListLeadsAndTheRestFollows)
{
    PointList a3(350);
    Number(a3, 3, 100.0);
    PointList b5(350);
    Number(b5, 5, 200.0);
    PointList out(350);
    Number(out, 7, 900.0);
    MergeAlternating(a3, b5, out);
    EXPECT_EQ(Xs(out), (std::vector<double>{100, 200, 101, 201, 102, 202, 203, 204}));

    PointList a5(350);
    Number(a5, 5, 100.0);
    PointList b3(350);
    Number(b3, 3, 200.0);
    MergeAlternating(a5, b3, out);
    EXPECT_EQ(Xs(out), (std::vector<double>{200, 100, 201, 101, 202, 102, 103, 104}));

    PointList four(4);
    MergeAlternating(a5, b3, four);
    EXPECT_EQ(Xs(four), (std::vector<double>{200, 100, 201, 101}));
}

TEST(MergeAlternating, EqualLengthsLetTheFirstLeadAndEmptyListsGiveTheOther)
{
    PointList a2(350);
    Number(a2, 2, 100.0);
    PointList b2(350);
    Number(b2, 2, 200.0);
    PointList out(350);
    MergeAlternating(a2, b2, out);
    EXPECT_EQ(Xs(out), (std::vector<double>{100, 200, 101, 201}));

    const PointList empty(350);
    MergeAlternating(empty, b2, out);
    EXPECT_EQ(Xs(out), (std::vector<double>{200, 201}));
    MergeAlternating(empty, empty, out);
    EXPECT_EQ(out.Count(), 0);

    PointList three(3);
    MergeAlternating(a2, b2, three);
    EXPECT_EQ(Xs(three), (std::vector<double>{100, 200, 101}));
}
