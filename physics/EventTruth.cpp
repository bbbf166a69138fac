#include "physics/EventTruth.h"

#include "physics/PhysicsConstants.h"

#include <cmath>
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

constexpr double kMetresPerCentimetre = 0.01;

const char* OutcomeWord(FlightOutcome outcome)
{
    switch (outcome) {
    case FlightOutcome::Decayed: return "decayed";
    case FlightOutcome::Converted: return "converted";
    case FlightOutcome::Left: break;
    }
    return "left";
}

// Coordinates that print as zero at four decimals are printed without a minus sign.
Vec3 Tidy(Vec3 cm)
{
    const auto tidy = [](double v) { return std::fabs(v) < 5e-5 ? 0.0 : v; };
    return {tidy(cm.x), tidy(cm.y), tidy(cm.z)};
}

} // namespace

std::string ParticleKind(double mass, double charge)
{
    for (const KindName& name : kKindNames) {
        if (name.mass == mass)
            return charge < 0.0 ? name.negative : charge > 0.0 ? name.positive : name.neutral;
    }
    return "unknown";
}

std::string TruthCsv(const EventTruth& truth, const AnswerKeyHeading& heading)
{
    char line[512];
    std::snprintf(line, sizeof line,
                  "# Tracelume answer key: decay type %d, seed %u, event %d; B = %g kG, T = %g MeV, L = %g m\n",
                  heading.decayType, heading.seed, heading.eventNumber, heading.fieldKG, heading.energyMeV,
                  heading.lengthCm * kMetresPerCentimetre);
    std::string csv = line;
    csv += "particle,kind,charge,made_x_cm,made_y_cm,made_z_cm,end_x_cm,end_y_cm,end_z_cm,end,"
           "momentum_MeV_c,transverse_momentum_MeV_c,kinetic_energy_MeV,radius_cm\n";
    int number = 0;
    for (const ParticleTruth& particle : truth) {
        const Vec3 made = Tidy(particle.madeCm);
        const Vec3 end = Tidy(particle.endCm);
        std::snprintf(line, sizeof line, "%d,%s,%d,%.4f,%.4f,%.4f,%.4f,%.4f,%.4f,%s,%.6g,%.6g,%.6g,", ++number,
                      particle.kind.c_str(), int(particle.charge), made.x, made.y, made.z, end.x, end.y, end.z,
                      OutcomeWord(particle.outcome), particle.momentum, particle.transverseMomentum,
                      particle.kineticEnergy);
        csv += line;
        if (particle.radiusCm) {
            std::snprintf(line, sizeof line, "%.6g", *particle.radiusCm);
            csv += line;
        }
        csv += "\n";
    }
    return csv;
}
