#include "physics/EventTruth.h"

#include "physics/PhysicsConstants.h"

#include <cstdio>

namespace {

struct KindName {
    double mass;
    const char* negative;
    const char* neutral;
    const char* positive;
};

constexpr KindName kKindNames[] = {
    {kChargedPion.mass, "pi-", "pi0", "pi+"}, {kNeutralPion.mass, "pi-", "pi0", "pi+"},
    {kMuon.mass, "mu-", "mu0", "mu+"},        {kElectron.mass, "e-", "e0", "e+"},
    {kPhoton.mass, "gamma", "gamma", "gamma"}, {kLambda.mass, "Lambda", "Lambda", "Lambda"},
    {kProton.mass, "p-", "n", "p"},           {kNeutron.mass, "p-", "n", "p"},
};

} // namespace

std::string ParticleKind(double mass, double charge)
{
    for (const KindName& name : kKindNames) {
        if (name.mass == mass)
            return charge < 0.0 ? name.negative : charge > 0.0 ? name.positive : name.neutral;
    }
    return "unknown";
}

std::string TruthCsv(const EventTruth& truth)
{
    std::string csv = "particle,kind,charge,made_x_cm,made_y_cm,made_z_cm,end_x_cm,end_y_cm,end_z_cm,end,"
                      "momentum_MeV,transverse_momentum_MeV,kinetic_energy_MeV,radius_cm\n";
    int number = 0;
    for (const ParticleTruth& particle : truth) {
        char line[512];
        std::snprintf(line, sizeof line, "%d,%s,%d,%.4f,%.4f,%.4f,%.4f,%.4f,%.4f,%s,%.6g,%.6g,%.6g,%.6g\n",
                      ++number, particle.kind.c_str(), int(particle.charge), particle.madeCm.x, particle.madeCm.y,
                      particle.madeCm.z, particle.endCm.x, particle.endCm.y, particle.endCm.z,
                      particle.decayed ? "decayed" : "left", particle.momentum, particle.transverseMomentum,
                      particle.kineticEnergy, particle.radiusCm);
        csv += line;
    }
    return csv;
}
