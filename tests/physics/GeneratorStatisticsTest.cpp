#include "GeneratorTestSupport.h"

#include "physics/Generators.h"
#include "physics/Kinematics.h"
#include "physics/Random.h"

#include <gtest/gtest.h>

#include <cmath>

// Properties over many events from fixed seeds. Tolerances are about four standard deviations.

TEST(GeneratorStatistics, LambdaDecaysToProtonAndPionIn642PerMille)
{
    // At T = 5 GeV every product flies forward, so each charged-mode event shows the pion's
    // light blue dots and no neutral-mode event can.
    const ChamberData fast(500.0, 0.8, 5000.0);
    const int events = 20000;
    int charged = 0;
    DecayGenerator generator(642);
    for (int i = 0; i < events; ++i) {
        const auto event = generator.GenerateDecay6(fast);
        charged += CountColour(event->Points(), kLightBlue) > 0;
    }
    EXPECT_NEAR(double(charged) / events, 0.642, 0.014);
}

TEST(GeneratorStatistics, PionTrackLengthFollowsItsMeanDecayLength)
{
    // Without a field the pion writes red dots 20 units apart from y = -380 and survives each
    // with exp(-20 / lambda), lambda = (p / m) c tau scale; the 41st dot (y = 420) is the first
    // outside. So the mean number of red dots is (1 - s^41) / (1 - s).
    const double p = 0.6 * std::sqrt(2.0 * 139.6 / 0.6 + 1.0);
    const double lambda = p / 139.6 * 780.0 * 1.6;
    EXPECT_NEAR(lambda, 116.0, 0.5);
    const double s = std::exp(-20.0 / lambda);
    const double expected = (1.0 - std::pow(s, 41)) / (1.0 - s);

    const ChamberData noField(500.0, 0.0, 0.6);
    const int events = 20000;
    long red = 0;
    DecayGenerator generator(116);
    for (int i = 0; i < events; ++i)
        red += CountColour(generator.GenerateDecay12(1.0, noField)->Points(), kRed);
    EXPECT_NEAR(double(red) / events, expected, 0.17);
}

TEST(GeneratorStatistics, PhotonsBelowTwoMeVNeverConvert)
{
    RandomSource random(2);
    for (int i = 0; i < 20000; ++i) {
        Particle photon = MakeParticle(kPhoton, 0.0);
        const double energy = random.Between(0.0, 1.9999);
        photon.p = {random.Between(-1.0, 1.0), random.Between(-1.0, 1.0), random.Between(-1.0, 1.0)};
        photon.E = energy;
        const uint32_t before = random.State();
        ASSERT_EQ(FlyPhoton(random, 400.0, photon, 1.6), kEscaped);
        ASSERT_EQ(random.State(), before);
        ASSERT_EQ(photon.position.x, 0.0);
    }
}

TEST(GeneratorStatistics, NeverMoreThanTheCapacityAndFullListsStopTheChain)
{
    // A very strong field rolls the primary up on a tiny circle that never leaves, so many
    // events fill all 350 dots.
    const ChamberData strong(500.0, 100.0, 0.6);
    int fullEvents = 0;
    for (int type = 1; type <= 6; ++type) {
        DecayGenerator generator(350 + type);
        for (int i = 0; i < 300; ++i) {
            const auto event = generator.GenerateDecay(type, strong);
            const PointList& points = event->Points();
            ASSERT_LE(points.Count(), 350);
            fullEvents += points.Count() == 350;
        }
    }
    EXPECT_GT(fullEvents, 300);

    // A muon that fills the list ends the chain: one draw per dot and no decay drawn after.
    int filledByMuon = 0;
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        DecayGenerator generator(seed);
        const auto event = generator.GenerateDecay45(-1.0, strong);
        const uint32_t endState = generator.Random().State();
        if (CountColour(event->Points(), kRed) != 350)
            continue;
        ++filledByMuon;
        generator.Random().Seed(seed);
        for (int i = 0; i < 350; ++i)
            generator.Random().Draw();
        EXPECT_EQ(generator.Random().State(), endState) << "seed " << seed;
    }
    EXPECT_GT(filledByMuon, 20);
}

TEST(GeneratorStatistics, StartingConditionsKeepEventsWithinTheChamber)
{
    for (int type = 1; type <= 6; ++type) {
        DecayGenerator generator(1000 + type);
        for (int i = 0; i < 500; ++i) {
            const auto event = generator.GenerateDecay(type, ChamberData(500.0, 0.8, 0.6));
            for (const TrackPoint& point : event->Points()) {
                // Helices keep their last inside dot; only a decay vertex can lie a step beyond.
                ASSERT_LE(std::fabs(point.x), 404.0 + 20.0);
                ASSERT_LE(std::fabs(point.y), 404.0 + 20.0);
                ASSERT_LE(std::fabs(point.z), 404.0 + 20.0);
                ASSERT_EQ(point.w, 1.0);
                ASSERT_TRUE(HasPointColour(point.colour));
            }
        }
    }
}
