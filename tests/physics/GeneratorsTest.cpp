#include "GeneratorTestSupport.h"

#include "physics/EventTruth.h"
#include "physics/Generators.h"
#include "physics/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <limits>
#include <numbers>

namespace {

const ChamberData kStarting(500.0, 0.8, 0.6);

// Radius in display units of a primary of mass m with kinetic energy T in the field B.
double PrimaryRadius(double mass, double T, double B, double scale)
{
    const double p = T * std::sqrt(2.0 * mass / T + 1.0);
    return 10.0 * p / (3.0 * B) * scale;
}

// The leading run of points of one colour (the primary's track up to its decay vertex).
int LeadingRun(const PointList& points, int32_t colour)
{
    int n = 0;
    while (n < points.Count() && points[n].colour == colour)
        ++n;
    return n;
}

Particle AtVertexAlongPlusY(ParticleSpecies species, double charge, double momentum)
{
    Particle particle = MakeParticle(species, charge);
    particle.position = {0.0, -100.0, 0.0};
    particle.p = {0.0, momentum, 0.0};
    return particle;
}

// The key's momentum (MeV/c) along the helix through the successive dots a, b, c, where it heads
// at a (at = -1/2) or at c (at = 3/2): equal steps along a circle, and each chord points halfway
// between the headings at its ends.
Vec3 MomentumAlongDots(const ParticleTruth& key, const TrackPoint& a, const TrackPoint& b, const TrackPoint& c,
                       double at)
{
    const double ab = std::atan2(b.y - a.y, b.x - a.x);
    const double turn = std::remainder(std::atan2(c.y - b.y, c.x - b.x) - ab, 2.0 * std::numbers::pi);
    const double pT = key.transverseMomentum;
    const double pz = std::copysign(std::sqrt(key.momentum * key.momentum - pT * pT), c.z - a.z);
    return {pT * std::cos(ab + at * turn), pT * std::sin(ab + at * turn), pz};
}

} // namespace

TEST(GenerateDecay, TypesOneToSixWithTheirConditionsAndNothingElse)
{
    for (int type = 1; type <= 6; ++type) {
        DecayGenerator generator(1);
        const auto event = generator.GenerateDecay(type, kStarting);
        ASSERT_NE(event, nullptr);
        EXPECT_EQ(event->Chamber(), &kStarting);
        EXPECT_EQ(event->Points().Capacity(), 350);
    }
    EXPECT_EQ(DecayGenerator().GenerateDecay(0, kStarting), nullptr);
    EXPECT_EQ(DecayGenerator().GenerateDecay(7, kStarting), nullptr);
}

TEST(GenerateDecay, SameSeedGivesTheSameEventAndStream)
{
    for (int type = 1; type <= 6; ++type) {
        DecayGenerator generator(777);
        const auto first = generator.GenerateDecay(type, kStarting);
        const uint32_t endState = generator.Random().State();
        generator.Random().Seed(777);
        const auto second = generator.GenerateDecay(type, kStarting);
        EXPECT_EQ(generator.Random().State(), endState);
        ASSERT_EQ(first->Points().Count(), second->Points().Count());
        for (int i = 0; i < first->Points().Count(); ++i)
            EXPECT_EQ(0, std::memcmp(&first->Points()[i], &second->Points()[i], sizeof(TrackPoint)));
    }
}

// Generators share no state: another one making events in between changes neither the next
// event, nor its answer key, nor the stream of the first.
TEST(DecayGenerator, AnotherGeneratorInBetweenChangesNothing)
{
    DecayGenerator alone(7, AnswerKey::Recorded);
    alone.GenerateDecay(1, kStarting);
    const auto expected = alone.GenerateDecay(1, kStarting);
    const std::size_t expectedKey = alone.Truth().size();

    DecayGenerator interrupted(7, AnswerKey::Recorded);
    DecayGenerator other(99, AnswerKey::Recorded);
    interrupted.GenerateDecay(1, kStarting);
    other.GenerateDecay(3, kStarting);
    const auto event = interrupted.GenerateDecay(1, kStarting);
    EXPECT_EQ(interrupted.Random().State(), alone.Random().State());
    EXPECT_EQ(interrupted.Truth().size(), expectedKey);
    ASSERT_EQ(event->Points().Count(), expected->Points().Count());
    for (int i = 0; i < event->Points().Count(); ++i)
        EXPECT_EQ(0, std::memcmp(&event->Points()[i], &expected->Points()[i], sizeof(TrackPoint)));
}

TEST(GenerateDecay12, NoFieldGivesStraightTracksOfTwentyUnitsFromMinus380)
{
    const ChamberData noField(500.0, 0.0, 0.6);
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        DecayGenerator generator(seed);
        const auto event = generator.GenerateDecay12(-1.0, noField);
        const PointList& points = event->Points();
        ASSERT_GE(points.Count(), 1);
        EXPECT_NEAR(points[0].x, 0.0, 1e-12);
        EXPECT_DOUBLE_EQ(points[0].y, -380.0);
        EXPECT_NEAR(points[0].z, 0.0, 1e-12);
        for (int i = 1; i < points.Count(); ++i)
            ASSERT_NEAR(Distance(points[i - 1], points[i]), 20.0, 1e-9) << "seed " << seed << " point " << i;
        const std::vector<int32_t> colours = Colours(points);
        EXPECT_TRUE(std::is_sorted(colours.begin(), colours.end())) << "seed " << seed;
    }
}

TEST(GenerateDecay12, PionCurvesOnItsRadiusBothWaysAndItsVertexIsYellow)
{
    const double R = PrimaryRadius(139.6, 0.6, 0.8, 1.6);
    EXPECT_NEAR(R, 86.38, 0.01);
    int decays = 0;
    for (double sign : {-1.0, 1.0}) {
        for (uint32_t seed = 1; seed <= 40; ++seed) {
            DecayGenerator generator(seed);
            const auto event = generator.GenerateDecay12(sign, kStarting);
            const PointList& points = event->Points();
            const int red = LeadingRun(points, kRed);
            ASSERT_GE(red, 1);
            EXPECT_EQ(red, CountColour(points, kRed));
            // Positive qB (type 2) bends towards +x, negative (type 1) towards -x.
            EXPECT_GT(points[0].x * sign, 0.0);
            for (int i = 0; i <= red && i < points.Count(); ++i)
                ASSERT_NEAR(std::hypot(points[i].x - sign * R, points[i].y + 400.0), R, 1e-9);
            if (red < points.Count()) {
                ++decays;
                EXPECT_EQ(points[red].colour, kYellow);
            }
            for (int i = 1; i < points.Count(); ++i)
                ASSERT_LE(Distance(points[i - 1], points[i]), 20.0 + 1e-9);
            const std::vector<int32_t> colours = Colours(points);
            EXPECT_TRUE(std::is_sorted(colours.begin(), colours.end()));
        }
    }
    EXPECT_GT(decays, 40); // the pion usually decays inside
}

TEST(GenerateDecay45, MuonOnRadius75AndElectronWithTheSameField)
{
    const double R = PrimaryRadius(105.7, 0.6, 0.8, 1.6);
    EXPECT_NEAR(R, 75.19, 0.01);
    for (double sign : {-1.0, 1.0}) {
        DecayGenerator generator(3);
        const auto event = generator.GenerateDecay45(sign, kStarting);
        const PointList& points = event->Points();
        ASSERT_GE(points.Count(), 1);
        for (const TrackPoint& point : points) {
            if (point.colour == kRed) {
                ASSERT_NEAR(std::hypot(point.x - sign * R, point.y + 400.0), R, 1e-9);
            }
        }
        // Half a circle in the plane z = 0 leaves through the face y = -400: about 12 steps.
        EXPECT_NEAR(points.Count(), 12, 1);
    }
}

TEST(GenerateDecay45, NoFieldStraightMuonThenElectronFromTheYellowVertex)
{
    // A short chamber makes the muon decay inside often enough to find a case quickly.
    const ChamberData noField(500.0, 0.0, 0.6);
    int withElectron = 0;
    for (uint32_t seed = 1; seed <= 4000 && withElectron < 3; ++seed) {
        DecayGenerator generator(seed);
        const auto event = generator.GenerateDecay45(1.0, noField);
        const PointList& points = event->Points();
        const int red = LeadingRun(points, kRed);
        for (int i = 0; i < red; ++i)
            ASSERT_NEAR(points[i].x, 0.0, 1e-9);
        if (red == points.Count())
            continue;
        ++withElectron;
        EXPECT_EQ(points[red].colour, kYellow);
        EXPECT_NEAR(points[red].x, 0.0, 1e-9);
        if (red + 1 < points.Count()) {
            EXPECT_EQ(points[red + 1].colour, kYellow);
            EXPECT_NEAR(Distance(points[red], points[red + 1]), 20.0, 1e-9);
        }
        for (int i = red + 1; i < points.Count(); ++i)
            EXPECT_TRUE(points[i].colour == kYellow || (i == points.Count() - 1 && points[i].colour == kGreen));
    }
    EXPECT_GT(withElectron, 0);
}

TEST(GenerateDecay3, PairColoursWithAndWithoutField)
{
    const ChamberData noField(500.0, 0.0, 0.6);
    int nonEmpty = 0;
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        DecayGenerator generator(seed);
        const auto inField = generator.GenerateDecay3(kStarting);
        nonEmpty += inField->Points().Count() > 0;
        for (const TrackPoint& point : inField->Points())
            ASSERT_TRUE(point.colour == kRed || point.colour == kYellow);
        generator.Random().Seed(seed);
        const auto straight = generator.GenerateDecay3(noField);
        for (const TrackPoint& point : straight->Points())
            ASSERT_TRUE(point.colour == kRed || point.colour == kYellow || point.colour == kBlue);
    }
    EXPECT_GT(nonEmpty, 20);
    EXPECT_LT(nonEmpty, 200); // both photons escape now and then
}

TEST(DrawPair, ElectronAndPositronCurveApartFromTheConversionPoint)
{
    Particle electron = AtVertexAlongPlusY(kElectron, -1.0, 20.0);
    Particle positron = AtVertexAlongPlusY(kElectron, 1.0, 30.0);
    const Particle photon = MakeParticle(kPhoton, 0.0);
    PointList out(350);
    DecayGenerator generator(1);
    generator.DrawPair(photon, electron, positron, 400.0, 0.8, 1.6, 20.0, out);
    ASSERT_GT(out.Count(), 4);
    // The electron (red) bends to -x with -field, the positron (yellow) to +x.
    for (const TrackPoint& point : out) {
        ASSERT_TRUE(point.colour == kRed || point.colour == kYellow);
        if (point.y < -100.0 + 60.0) {
            EXPECT_GT(point.colour == kRed ? -point.x : point.x, 0.0);
        }
    }

    Particle straightElectron = AtVertexAlongPlusY(kElectron, -1.0, 20.0);
    Particle straightPositron = AtVertexAlongPlusY(kElectron, 1.0, 30.0);
    generator.DrawPair(photon, straightElectron, straightPositron, 400.0, 0.0, 1.6, 20.0, out);
    // Equal straight lists: the electron's yellow list leads.
    ASSERT_GE(out.Count(), 2);
    EXPECT_EQ(out[0].colour, kYellow);
    EXPECT_EQ(out[1].colour, kRed);
    EXPECT_DOUBLE_EQ(out[0].y, -80.0);
}

TEST(DrawProtonPion, PionChainTurnsOppositeToTheProton)
{
    Particle pion = AtVertexAlongPlusY(kChargedPion, -1.0, 100.0);
    pion.ctau = kStableCtau; // keep the pion on one circle for the check
    Particle proton = AtVertexAlongPlusY(kProton, 1.0, 100.0);
    const Particle lambda = MakeParticle(kLambda, 0.0);
    PointList out(350);
    DecayGenerator generator(2);
    generator.DrawProtonPion(lambda, pion, proton, 400.0, 0.8, 1.6, 20.0, out);
    ASSERT_GT(CountColour(out, kLightBlue), 3);
    ASSERT_GT(CountColour(out, kRed), 3);
    // Equal lengths are impossible to predict; the first few dots of each track show the sense.
    int lightBlueSeen = 0;
    int redSeen = 0;
    for (const TrackPoint& point : out) {
        if (point.colour == kLightBlue && lightBlueSeen++ < 3) {
            EXPECT_LT(point.x, 0.0);
        }
        if (point.colour == kRed && redSeen++ < 3) {
            EXPECT_GT(point.x, 0.0);
        }
    }
}

TEST(DrawProtonPion, NoFieldProtonEndsBlueAndChainColoursFollowEachOther)
{
    Particle pion = AtVertexAlongPlusY(kChargedPion, -1.0, 100.0);
    pion.ctau = 0.0; // decays at its first dot
    Particle proton = AtVertexAlongPlusY(kProton, 1.0, 100.0);
    proton.ctau = 0.0;
    const Particle lambda = MakeParticle(kLambda, 0.0);
    PointList out(350);
    DecayGenerator generator(3);
    generator.DrawProtonPion(lambda, pion, proton, 400.0, 0.0, 1.6, 20.0, out);
    // The proton's list is one blue vertex and leads; then the pion's yellow vertex, then
    // the muon's dots.
    ASSERT_GE(out.Count(), 3);
    EXPECT_EQ(out[0].colour, kBlue);
    EXPECT_EQ(out[1].colour, kYellow);
    EXPECT_EQ(out[2].colour, kYellow);
}

TEST(GenerateDecay6, OnlyTheColoursOfItsTwoModes)
{
    int lightBlue = 0;
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        DecayGenerator generator(seed);
        const auto event = generator.GenerateDecay6(kStarting);
        for (const TrackPoint& point : event->Points()) {
            ASSERT_TRUE(HasPointColour(point.colour));
            ASSERT_NE(point.colour, kBlue); // with a field no blue vertex can occur
        }
        lightBlue += CountColour(event->Points(), kLightBlue) > 0;
    }
    EXPECT_GT(lightBlue, 30);
}

TEST(Generators, UnusableConditionsGiveAnEmptyEventAndDrawNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Bad {
        double L, B, T;
    };
    const Bad bad[] = {{500, 0.8, 0.0}, {500, 0.8, -0.6}, {500, 0.8, nan}, {500, 0.8, inf}, {500, nan, 0.6},
                       {500, -inf, 0.6}, {0.0, 0.8, 0.6}, {-500, 0.8, 0.6}, {nan, 0.8, 0.6}, {inf, 0.8, 0.6}};
    for (const Bad& conditions : bad) {
        const ChamberData chamber(conditions.L, conditions.B, conditions.T);
        EXPECT_FALSE(CanGenerate(chamber));
        for (int type = 1; type <= 6; ++type) {
            DecayGenerator generator(99);
            const auto event = generator.GenerateDecay(type, chamber);
            ASSERT_NE(event, nullptr);
            EXPECT_EQ(event->Points().Count(), 0) << "type " << type << " T " << conditions.T;
            EXPECT_EQ(generator.Random().State(), 99u);
        }
    }
    ChamberData storedNanScale;
    storedNanScale.SetStoredValues(500.0, 0.8, 0.6, nan);
    EXPECT_FALSE(CanGenerate(storedNanScale));
    ChamberData storedNegativeScale;
    storedNegativeScale.SetStoredValues(500.0, 0.8, 0.6, -1.6);
    EXPECT_FALSE(CanGenerate(storedNegativeScale));
    EXPECT_TRUE(CanGenerate(kStarting));
    EXPECT_TRUE(CanGenerate(ChamberData(500.0, 0.0, 0.6)));
    EXPECT_TRUE(CanGenerate(ChamberData(500.0, -0.8, std::numeric_limits<double>::denorm_min())));
}

TEST(Generators, ExtremeFiniteConditionsNeverGiveNonFinitePoints)
{
    const double tiny = std::numeric_limits<double>::denorm_min();
    const double huge = 1e300;
    struct Extreme {
        double L, B, T;
    };
    const Extreme extremes[] = {{500, 0.8, huge}, {500, 0.8, tiny},  {500, tiny, 0.6},  {500, huge, 0.6},
                                {1e-300, 0.8, 0.6}, {1e300, 0.8, 0.6}, {500, 0.0, huge}, {500, 0.0, tiny},
                                {500, 0.8, 1e-300}, {tiny, 0.8, 0.6}};
    for (const Extreme& conditions : extremes) {
        const ChamberData chamber(conditions.L, conditions.B, conditions.T);
        for (int type = 1; type <= 6; ++type) {
            for (uint32_t seed = 1; seed <= 5; ++seed) {
                DecayGenerator generator(seed);
                const auto event = generator.GenerateDecay(type, chamber);
                ASSERT_NE(event, nullptr);
                ASSERT_TRUE(AllFinite(event->Points()))
                    << "type " << type << " L " << conditions.L << " B " << conditions.B << " T " << conditions.T;
                ASSERT_LE(event->Points().Count(), 350);
            }
        }
    }
}

// A pion's decay in the field is a kink of dots: the pion's (red; light blue in type 6) end at
// the yellow vertex where the muon's yellow dots begin. With the key's momenta along the dots'
// headings there, the pion's momentum minus the muon's is a massless neutrino and the muon has
// the rest-frame momentum (M^2 - m^2) / 2M = 29.784 MeV/c.
TEST(GenerateDecay, MomentumIsConservedAtThePionKinkAlongTheDots)
{
    const double pStar = (139.6 * 139.6 - 105.7 * 105.7) / (2.0 * 139.6);
    for (const int type : {1, 2, 6}) {
        int kinks = 0;
        for (uint32_t seed = 1; seed <= 3000 && kinks < 50; ++seed) {
            DecayGenerator generator(seed, AnswerKey::Recorded);
            const auto event = generator.GenerateDecay(type, kStarting);
            const EventTruth& truth = generator.Truth(); // type 6 lists the Lambda first
            std::vector<TrackPoint> chain;
            std::copy_if(event->Points().begin(), event->Points().end(), std::back_inserter(chain),
                         [&](const TrackPoint& point) { return type != 6 || point.colour != kRed; });
            const auto v = std::find_if(chain.begin(), chain.end(),
                                        [](const TrackPoint& point) { return point.colour == kYellow; });
            if (v == chain.end() || v - chain.begin() < 2 || chain.end() - v < 3)
                continue;
            const ParticleTruth& pionKey = truth[type == 6];
            const ParticleTruth& muonKey = truth[(type == 6) + 1];
            const Vec3 pion = MomentumAlongDots(pionKey, v[-2], v[-1], v[0], 1.5);
            const Vec3 muon = MomentumAlongDots(muonKey, v[0], v[1], v[2], -0.5);
            const double pionE = std::hypot(pionKey.momentum, 139.6);
            const double muonE = std::hypot(muonKey.momentum, 105.7);
            const double muonRestE = (pionE * muonE - (pion.x * muon.x + pion.y * muon.y + pion.z * muon.z)) / 139.6;
            ASSERT_NEAR(Magnitude({pion.x - muon.x, pion.y - muon.y, pion.z - muon.z}), pionE - muonE, 1e-3)
                << "type " << type << " seed " << seed;
            ASSERT_NEAR(std::sqrt(muonRestE * muonRestE - 105.7 * 105.7), pStar, 1e-3);
            ++kinks;
        }
        EXPECT_EQ(kinks, 50) << "type " << type;
    }
}
