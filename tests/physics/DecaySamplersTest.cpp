#include "physics/DecaySamplers.h"
#include "physics/Random.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

Particle Moving(ParticleSpecies species, Vec3 momentum)
{
    Particle particle = MakeParticle(species, 0.0);
    particle.p = momentum;
    const double p = Magnitude(momentum);
    particle.E = std::sqrt(p * p + species.mass * species.mass);
    particle.position = {1.0, -2.0, 3.0};
    return particle;
}

// Energy of the child in the parent's rest frame: (E_P E_C - P.C) / M.
double RestFrameEnergy(const Particle& parent, const Particle& child)
{
    return (parent.E * child.E - Dot(parent.p, child.p)) / parent.mass;
}

// Squared mass of what the parent gave besides the child (MeV^2).
double MissingMassSquared(const Particle& parent, const Particle& child)
{
    const double e = parent.E - child.E;
    const Vec3 p = parent.p - child.p;
    return e * e - Dot(p, p);
}

// The sampler's azimuth for a parent along +y: b lands on x and c on z.
double AzimuthAboutPlusY(Vec3 child) { return std::atan2(child.x, child.z); }

} // namespace

TEST(DecayToMassless, PionToMuonUsesRestFrameMomentum2978AndEnergy10982)
{
    const Particle pion = Moving(kChargedPion, {0.0, 1e-7, 0.0});
    RandomSource random(3);
    for (int i = 0; i < 1000; ++i) {
        Particle muon = MakeParticle(kMuon, 1.0);
        DecayToMassless(random, pion, muon);
        ASSERT_NEAR(Magnitude(muon.p), 29.78, 0.005);
        ASSERT_NEAR(muon.E, 109.82, 0.005);
    }
}

TEST(DecayToMassless, ConservesEnergyAndMomentumWithAMasslessPartner)
{
    const Particle pion = Moving(kChargedPion, {3.0, 40.0, -5.0});
    const double pAbs = Magnitude(pion.p);
    const double pStar = 29.7839;
    const double eStar = 109.8161;
    RandomSource random(4);
    for (int i = 0; i < 2000; ++i) {
        Particle muon = MakeParticle(kMuon, 1.0);
        DecayToMassless(random, pion, muon);
        ASSERT_NEAR(MissingMassSquared(pion, muon), 0.0, 1e-8 * pion.E * pion.E);
        ASSERT_NEAR(muon.E, std::sqrt(Dot(muon.p, muon.p) + 105.7 * 105.7), 1e-9);
        const double along = Dot(muon.p, pion.p) / pAbs;
        ASSERT_GE(along, (pAbs * eStar - pion.E * pStar) / 139.6 - 1e-3);
        ASSERT_LE(along, (pAbs * eStar + pion.E * pStar) / 139.6 + 1e-3);
    }
}

TEST(DecayMichel, ElectronStaysInsideTheMuonDecayKinematics)
{
    const Particle muon = Moving(kMuon, {0.0, 11.28, 2.0});
    const double eMax = std::sqrt(52.85 * 52.85 + 0.51 * 0.51);
    double smallest = 1e9;
    double largest = 0.0;
    RandomSource random(5);
    for (int i = 0; i < 5000; ++i) {
        Particle electron = MakeParticle(kElectron, 1.0);
        DecayMichel(random, muon, electron);
        const double restEnergy = RestFrameEnergy(muon, electron);
        ASSERT_GE(restEnergy, 0.51 - 1e-9);
        ASSERT_LE(restEnergy, eMax + 1e-9);
        ASSERT_GE(MissingMassSquared(muon, electron), -1e-6);
        smallest = std::fmin(smallest, restEnergy);
        largest = std::fmax(largest, restEnergy);
    }
    // The spectrum is weighted towards the end point.
    EXPECT_GT(largest, 52.0);
    EXPECT_LT(smallest, 20.0);
}

// The Michel density x^2 ((3 - 2x) + k (1 - 2x)) has the moments <x> = (3/4 - 2/5) / (1 - 1/2)
// = 0.7 and <k> = (2/3) (1/3 - 1/2) / 1 = -1/9; accepting every weight of 1 or more would give
// 0.686 and -0.072. A muon almost at rest shows them undistorted.
TEST(DecayMichel, MomentsOfTheSpectrum)
{
    const Particle muon = Moving(kMuon, {0.0, 1e-7, 0.0});
    double sumX = 0.0;
    double sumK = 0.0;
    const int decays = 10000;
    RandomSource random(6);
    for (int i = 0; i < decays; ++i) {
        Particle electron = MakeParticle(kElectron, 1.0);
        DecayMichel(random, muon, electron);
        sumX += Magnitude(electron.p) / (0.5 * 105.7);
        sumK += electron.p.y / Magnitude(electron.p);
    }
    EXPECT_NEAR(sumX / decays, 0.700, 0.005);
    EXPECT_NEAR(sumK / decays, -1.0 / 9.0, 0.015);
}

TEST(DecayTwoMassless, PhotonsCarryTheWholeEnergyAndMomentum)
{
    const Particle neutralPion = Moving(kNeutralPion, {-4.0, 12.0, 7.5});
    RandomSource random(7);
    for (int i = 0; i < 2000; ++i) {
        Particle photon1 = MakeParticle(kPhoton, 0.0);
        Particle photon2 = MakeParticle(kPhoton, 0.0);
        DecayTwoMassless(random, neutralPion, photon1, photon2);
        ASSERT_NEAR(photon1.E + photon2.E, neutralPion.E, 1e-9);
        ASSERT_NEAR(photon1.p.x + photon2.p.x, neutralPion.p.x, 1e-9);
        ASSERT_NEAR(photon1.p.y + photon2.p.y, neutralPion.p.y, 1e-9);
        ASSERT_NEAR(photon1.p.z + photon2.p.z, neutralPion.p.z, 1e-9);
        ASSERT_DOUBLE_EQ(photon1.E, Magnitude(photon1.p));
    }
}

TEST(ConvertPhoton, AlongSumIsThePhotonEnergyAndTransverseCancels)
{
    Particle photon = Moving(kPhoton, {20.0, -30.0, 45.0});
    const double eGamma = photon.E;
    const double pAbs = Magnitude(photon.p);
    RandomSource random(8);
    for (int i = 0; i < 2000; ++i) {
        Particle electron = MakeParticle(kElectron, -1.0);
        Particle positron = MakeParticle(kElectron, 1.0);
        ConvertPhoton(random, photon, electron, positron);
        const double along1 = Dot(electron.p, photon.p) / pAbs;
        const double along2 = Dot(positron.p, photon.p) / pAbs;
        ASSERT_NEAR(along1 + along2, eGamma, 1e-9);
        ASSERT_NEAR(electron.p.x + positron.p.x, photon.p.x, 1e-9);
        ASSERT_NEAR(electron.p.y + positron.p.y, photon.p.y, 1e-9);
        ASSERT_NEAR(electron.p.z + positron.p.z, photon.p.z, 1e-9);
        // The electron takes 0.2 to 0.8 of the energy.
        ASSERT_GE(Magnitude(electron.p), 0.2 * eGamma - 1e-9);
        ASSERT_LE(Magnitude(electron.p), 0.8 * eGamma + 1e-9);
        ASSERT_EQ(electron.position.y, photon.position.y);
        ASSERT_EQ(positron.position.z, photon.position.z);
        ASSERT_EQ(electron.E, 0.0); // left to the track operations
    }
}

TEST(Samplers, NoAzimuthAboveSix)
{
    // Azimuths of (6, 2 pi) would show up as atan2 angles in (6 - 2 pi, 0) = (-0.283, 0).
    Particle photon = Moving(kPhoton, {0.0, 50.0, 0.0});
    const Particle pion = Moving(kChargedPion, {0.0, 12.96, 0.0});
    int inGap = 0;
    int justBelowGap = 0;
    RandomSource random(9);
    for (int i = 0; i < 20000; ++i) {
        Particle electron = MakeParticle(kElectron, -1.0);
        Particle positron = MakeParticle(kElectron, 1.0);
        ConvertPhoton(random, photon, electron, positron);
        Particle muon = MakeParticle(kMuon, 1.0);
        DecayToMassless(random, pion, muon);
        for (double azimuth : {AzimuthAboutPlusY(electron.p), AzimuthAboutPlusY(muon.p)}) {
            inGap += azimuth > -0.27 && azimuth < -0.01;
            justBelowGap += azimuth > -0.6 && azimuth < -0.3;
        }
    }
    EXPECT_EQ(inGap, 0);
    EXPECT_GT(justBelowGap, 500);
}

TEST(DrawLambdaAngle, StaysInRangeWithMeanCosineOfTheWeight)
{
    // Density 1 + 0.7 cos(theta) on [0, pi]: mean cos(theta) = 0.35.
    RandomSource random(10);
    double sumCos = 0.0;
    const int draws = 60000;
    for (int i = 0; i < draws; ++i) {
        const double theta = DrawLambdaAngle(random);
        ASSERT_GE(theta, 0.0);
        ASSERT_LE(theta, 3.14159265);
        sumCos += std::cos(theta);
    }
    EXPECT_NEAR(sumCos / draws, 0.35, 0.01);
}

TEST(DecayLambda, ProductsHaveTheSetMomentumAndEnergiesFromTheirMasses)
{
    const Particle lambda = Moving(kLambda, {0.0, 1e-7, 0.0});
    RandomSource random(11);
    for (int i = 0; i < 500; ++i) {
        Particle proton = MakeParticle(kProton, 1.0);
        Particle pion = MakeParticle(kChargedPion, -1.0);
        DecayLambda(random, lambda, proton, pion, kLambdaChargedSet);
        ASSERT_NEAR(Magnitude(proton.p), 100.5, 1e-4);
        ASSERT_NEAR(Magnitude(pion.p), 100.5, 1e-4);
        ASSERT_NEAR(proton.E, std::sqrt(10100.25 + 938.28 * 938.28), 1e-4);
        ASSERT_NEAR(pion.E, std::sqrt(10100.25 + 139.6 * 139.6), 1e-4);
        ASSERT_GT(std::fabs(proton.E - 943.6), 0.04);

        Particle neutron = MakeParticle(kNeutron, 0.0);
        Particle neutralPion = MakeParticle(kNeutralPion, 0.0);
        DecayLambda(random, lambda, neutron, neutralPion, kLambdaNeutralSet);
        ASSERT_NEAR(Magnitude(neutron.p), 104.0, 1e-4);
        ASSERT_NEAR(Magnitude(neutralPion.p), 104.0, 1e-4);
    }
}

TEST(DecayLambda, ConservesMomentumAndWeightsTheSecondTransverseAxis)
{
    // The sets' rest energies add up to the Lambda mass, so momentum is conserved. For a Lambda
    // along +y the weighted axis (c) is z: the mean of z / p* is the mean cos(theta), 0.35.
    const Particle lambda = Moving(kLambda, {0.0, 36.6, 0.0});
    double sumCos = 0.0;
    const int decays = 60000;
    RandomSource random(12);
    for (int i = 0; i < decays; ++i) {
        Particle proton = MakeParticle(kProton, 1.0);
        Particle pion = MakeParticle(kChargedPion, -1.0);
        DecayLambda(random, lambda, proton, pion, kLambdaChargedSet);
        ASSERT_NEAR(proton.p.x + pion.p.x, 0.0, 1e-9);
        ASSERT_NEAR(proton.p.y + pion.p.y, 36.6, 1e-9);
        ASSERT_NEAR(proton.p.z + pion.p.z, 0.0, 1e-9);
        sumCos += proton.p.z / 100.5;
    }
    EXPECT_NEAR(sumCos / decays, 0.35, 0.01);
}
