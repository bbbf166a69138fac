#include "physics/DecaySamplers.h"

#include "physics/Kinematics.h"

#include <cmath>

namespace {

// Boosted component along the parent's flight: (|P| E* + E q) / M, with the rest-frame energy
// E* and rest-frame component q along the flight direction.
double BoostAlong(const Particle& parent, double restEnergy, double restAlong)
{
    return (Magnitude(parent.p) * restEnergy + parent.E * restAlong) / parent.mass;
}

double EnergyFromMomentum(const Particle& particle)
{
    const double p = Magnitude(particle.p);
    return std::sqrt(p * p + particle.mass * particle.mass);
}

double DrawAzimuth(RandomSource& random) { return random.Between(0.0, kAzimuthRange); }

} // namespace

void DecayToMassless(RandomSource& random, const Particle& parent, Particle& child)
{
    const double M = parent.mass;
    const double m = child.mass;
    // Two-body decay with a massless partner: p* = (M^2 - m^2) / 2M, E* = (M^2 + m^2) / 2M.
    const double pStar = (M * M - m * m) * 0.5 / M;
    const double eStar = (M * M + m * m) * 0.5 / M;
    const double q = random.Between(-pStar, pStar);
    const double qT = std::sqrt(pStar * pStar - q * q);
    const double phi = DrawAzimuth(random);
    const double b = qT * std::sin(phi);
    const double c = qT * std::cos(phi);
    RotateToLab(parent.p, child.p, BoostAlong(parent, eStar, q), b, c);
    child.E = EnergyFromMomentum(child);
}

void DecayMichel(RandomSource& random, const Particle& parent, Particle& child)
{
    // Michel spectrum in x = 2q / M and k = cos(theta): weight x^2 ((3 - 2x) + k (1 - 2x)),
    // sampled by rejection under its maximum, so that no part of the spectrum is clipped; the
    // three draws come in this order on every try.
    double x = 0.0;
    double k = 0.0;
    for (;;) {
        x = random.Unit();
        k = random.Between(-1.0, 1.0);
        const double weight = x * x * ((3.0 - 2.0 * x) + k * (1.0 - 2.0 * x));
        if (kMichelWeightMaximum * random.Unit() <= weight)
            break;
    }
    const double phi = DrawAzimuth(random);
    const double q = 0.5 * x * parent.mass;
    const double eq = std::sqrt(q * q + child.mass * child.mass);
    const double theta = std::acos(k);
    const double along = q * k;
    const double b = q * std::sin(theta) * std::sin(phi);
    const double c = q * std::sin(theta) * std::cos(phi);
    RotateToLab(parent.p, child.p, BoostAlong(parent, eq, along), b, c);
    child.E = EnergyFromMomentum(child);
}

void DecayTwoMassless(RandomSource& random, const Particle& parent, Particle& child1, Particle& child2)
{
    const double k = 0.5 * parent.mass;
    const double kz = random.Between(-k, k);
    const double kT = std::sqrt(k * k - kz * kz);
    const double phi = DrawAzimuth(random);
    const double b = kT * std::sin(phi);
    const double c = kT * std::cos(phi);
    const double pAbs = Magnitude(parent.p);
    RotateToLab(parent.p, child1.p, (pAbs * k + parent.E * kz) / parent.mass, b, c);
    child1.E = Magnitude(child1.p);
    RotateToLab(parent.p, child2.p, (pAbs * k - parent.E * kz) / parent.mass, -b, -c);
    child2.E = Magnitude(child2.p);
}

void ConvertPhoton(RandomSource& random, const Particle& photon, Particle& child1, Particle& child2)
{
    const double eGamma = photon.E;
    child1.position = photon.position;
    child2.position = photon.position;
    const double e1 = random.Between(kConversionShareLow * eGamma, kConversionShareHigh * eGamma);
    // Opening angle of order m / E, the typical angle of a pair.
    const double t = child1.mass / e1;
    const double theta = random.Between(kOpeningBandLow * t, kOpeningBandHigh * t);
    const double phi = DrawAzimuth(random);
    const double a = e1 * std::cos(theta);
    const double b = e1 * std::sin(theta) * std::sin(phi);
    const double c = e1 * std::sin(theta) * std::cos(phi);
    RotateToLab(photon.p, child1.p, a, b, c);
    RotateToLab(photon.p, child2.p, eGamma - a, -b, -c);
}

double DrawLambdaAngle(RandomSource& random)
{
    for (;;) {
        const double theta = random.Between(0.0, kLambdaAngleBound);
        const double y = random.Between(0.0, kLambdaEnvelope);
        if (1.0 + kLambdaAsymmetry * std::cos(theta) > y)
            return theta;
    }
}

void DecayLambda(RandomSource& random, const Particle& parent, Particle& child1, Particle& child2,
                 const LambdaDecaySet& set)
{
    // The weighted angle is measured from the second transverse axis (c), so the component
    // along the flight direction is qT cos(phi).
    const double theta = DrawLambdaAngle(random);
    const double q = set.pStar * std::cos(theta);
    const double qT = std::sqrt(set.pStarSquared - q * q);
    const double phi = DrawAzimuth(random);
    const double b = qT * std::sin(phi);
    const double along = qT * std::cos(phi);
    const double pAbs = Magnitude(parent.p);
    RotateToLab(parent.p, child1.p, (pAbs * set.e1Star + parent.E * along) / parent.mass, b, q);
    child1.E = EnergyFromMomentum(child1);
    RotateToLab(parent.p, child2.p, (pAbs * set.e2Star - parent.E * along) / parent.mass, -b, -q);
    child2.E = EnergyFromMomentum(child2);
}
