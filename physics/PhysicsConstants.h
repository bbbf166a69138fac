#pragma once

// Named numbers of the decay physics. Masses and energies in MeV, momenta in MeV/c, mean decay
// lengths (c tau) in cm, lengths of tracks in display units (one cm is `scale` display units).

// A particle kind: the two numbers every Particle record starts from.
struct ParticleSpecies {
    double mass; // MeV
    double ctau; // mean decay length in cm; for a photon its mean conversion length
};

// c tau of particles that never decay inside a chamber.
inline constexpr double kStableCtau = 1e10; // cm

inline constexpr ParticleSpecies kChargedPion{139.6, 780.0};
inline constexpr ParticleSpecies kNeutralPion{135.0, 2.5e-6};
inline constexpr ParticleSpecies kMuon{105.7, 65868.0};
inline constexpr ParticleSpecies kElectron{0.51, kStableCtau};
inline constexpr ParticleSpecies kPhoton{0.0, 200.0};
inline constexpr ParticleSpecies kLambda{1115.6, 7.89};
inline constexpr ParticleSpecies kProton{938.28, kStableCtau};
inline constexpr ParticleSpecies kNeutron{939.57, kStableCtau};

// Distance between successive dots of a track, display units.
inline constexpr double kStep = 20.0;
// A charged track ends when a coordinate's magnitude exceeds this fraction of the half-width.
inline constexpr double kTrackLimitFactor = 1.01;

// Invisible flights (neutral particles, photons) advance in steps of this fraction of their mean
// flight length and survive each step with probability exp(-fraction).
inline constexpr double kNeutralStepFraction = 0.2;
inline constexpr double kPhotonStepFraction = 0.2;
inline constexpr double kNeutralSurvivalExponent = 0.2;
inline constexpr double kPhotonSurvivalExponent = 0.15;
// A photon below this energy (MeV) never converts into a pair.
inline constexpr double kConversionThreshold = 2.0;

// Every sampler draws its azimuth from 0 to this angle in radians. It is 6.0 and not 2 pi, so
// rest-frame directions with an azimuth between 6.0 and 2 pi never occur.
inline constexpr double kAzimuthRange = 6.0;

// Muon decay: the Michel weight x^2 ((3 - 2x) + k (1 - 2x)) over x in [0, 1] and k = cos(theta)
// in [-1, 1] is greatest, 2, at x = 1 and k = -1; the sampler accepts against that maximum.
inline constexpr double kMichelWeightMaximum = 2.0;

// Photon conversion: the electron takes this share of the photon energy, and its opening angle
// lies in this band of multiples of m / E.
inline constexpr double kConversionShareLow = 0.2;
inline constexpr double kConversionShareHigh = 0.8;
inline constexpr double kOpeningBandLow = 0.7;
inline constexpr double kOpeningBandHigh = 1.3;

// Lambda decay angle: density 1 + asymmetry * cos(theta) on [0, bound], sampled under the
// envelope 1 + asymmetry.
inline constexpr double kLambdaAngleBound = 3.14159265;  // radians
inline constexpr double kLambdaAsymmetry = 0.7;
inline constexpr double kLambdaEnvelope = 1.7;
// Fraction of Lambda decays into proton and negative pion; the rest go to neutron and neutral pion.
inline constexpr double kLambdaChargedFraction = 0.642;

// Fixed rest-frame momentum (MeV/c), its stored square and the products' rest-frame energies
// (MeV) of one Lambda decay mode.
struct LambdaDecaySet {
    double pStar;
    double pStarSquared;
    double e1Star; // nucleon
    double e2Star; // pion
};
// Lambda -> proton + negative pion.
inline constexpr LambdaDecaySet kLambdaChargedSet{100.5, 10100.25, 943.6, 172.0};
// Lambda -> neutron + neutral pion.
inline constexpr LambdaDecaySet kLambdaNeutralSet{104.0, 10816.0, 945.2, 170.4};
