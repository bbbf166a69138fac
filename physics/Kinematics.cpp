#include "physics/Kinematics.h"

#include <cassert>
#include <cmath>

namespace {

// A step of `length` along the momentum: a particle flies straight where its momentum points.
// The momentum must not be zero.
Vec3 AlongMomentum(Vec3 momentum, double length)
{
    return momentum * (length / Magnitude(momentum));
}

bool Outside(Vec3 position, double limit)
{
    return std::fabs(position.x) > limit || std::fabs(position.y) > limit || std::fabs(position.z) > limit;
}

void WritePoint(TrackPoint& point, Vec3 position, int32_t colour)
{
    point.x = position.x;
    point.y = position.y;
    point.z = position.z;
    point.w = 1.0;
    point.colour = colour;
}

// The helix's current point: (cx - R sin phi, cy + R cos phi, z).
Vec3 HelixPoint(const HelixState& helix)
{
    return {helix.cx - helix.R * std::sin(helix.phi), helix.cy + helix.R * std::cos(helix.phi), helix.z};
}

// Mean decay length in display units: (p / m) * ctau * scale.
double MeanDecayLength(const Particle& particle, double momentum, double scale)
{
    return (momentum / particle.mass) * particle.ctau * scale;
}

// Steps along `d` from the particle's position, surviving each step with `survival`; at least
// one step is taken. Moves the particle only when it stays inside.
FlightEnd Fly(RandomSource& random, double limit, Particle& particle, Vec3 d, double survival)
{
    Vec3 position = particle.position;
    double u = 0.0;
    do {
        u = random.Unit();
        position += d;
        if (Outside(position, limit))
            return kEscaped;
    } while (u < survival);
    particle.position = position;
    return kDecayedInside;
}

// Copies `rest` from index `from` on into out at k until either runs out.
int CopyRest(const PointList& rest, int from, PointList& out, int k)
{
    for (int i = from; i < rest.Count() && k < out.Capacity(); ++i)
        out[k++] = rest[i];
    return k;
}

} // namespace

void RotateToLab(Vec3 parent, Vec3& child, double a, double b, double c)
{
    const double thetaP = std::acos(parent.z / Magnitude(parent));
    const double phiP = std::atan2(parent.y, parent.x);
    const double t = a * std::sin(thetaP) - c * std::cos(thetaP);
    child.z = a * std::cos(thetaP) + c * std::sin(thetaP);
    child.x = t * std::cos(phiP) + b * std::sin(phiP);
    child.y = t * std::sin(phiP) - b * std::cos(phiP);
}

void TurnAboutZ(Vec3& momentum, double angle)
{
    const double px = momentum.x * std::cos(angle) + momentum.y * std::sin(angle);
    const double py = momentum.y * std::cos(angle) - momentum.x * std::sin(angle);
    momentum.x = px;
    momentum.y = py;
}

double SetUpHelix(Particle& particle, HelixState& helix, double qB, double scale, double step)
{
    const double p = Magnitude(particle.p);
    particle.E = std::sqrt(particle.mass * particle.mass + p * p);
    const double pT = std::sqrt(p * p - particle.p.z * particle.p.z);
    helix.dz = step * particle.p.z / p;
    const double transverseStep = step * pT / p;
    particle.position.z = particle.position.z + helix.dz;
    helix.z = particle.position.z;
    // Radius in cm is pT / (0.3 qB); the sign of R carries the sense of rotation.
    helix.R = (10.0 * pT) / (3.0 * qB) * scale;
    helix.dphi = -transverseStep / helix.R;
    const double phi0 = std::atan2(particle.p.y, particle.p.x);
    helix.cx = particle.position.x + helix.R * std::sin(phi0);
    helix.cy = particle.position.y - helix.R * std::cos(phi0);
    helix.phi = phi0 + helix.dphi;
    return std::exp(-step / MeanDecayLength(particle, p, scale));
}

StepEnd StepHelix(RandomSource& random, double limit, PointList& list, HelixState& helix, double survival,
                  int32_t endColour)
{
    double u = 0.0;
    int n = list.Count();
    // The track starts one step back along the circle from where SetUpHelix leaves phi, so the
    // angle turned by the vertex counts that first step too.
    const double phiStart = helix.phi - helix.dphi;
    // Strict comparisons: u equal to the survival decays, a coordinate at the limit is inside.
    while (u < survival && n < list.Capacity()) {
        const Vec3 position = HelixPoint(helix);
        if (Outside(position, limit)) {
            list.SetCount(n); // a helix drops its first point outside
            return kLeftOrFull;
        }
        WritePoint(list[n], position, helix.colour);
        ++n;
        helix.phi = helix.phi + helix.dphi;
        u = random.Unit();
        helix.z = helix.z + helix.dz;
    }
    list.SetCount(n);
    if (list.Full())
        return kLeftOrFull;
    // The decay vertex is not range-checked.
    WritePoint(list[n], HelixPoint(helix), endColour);
    list.SetCount(n + 1);
    helix.phi = helix.phi - phiStart;
    return kDecayed;
}

StepEnd StepStraight(RandomSource& random, double limit, Particle& particle, double scale, double step,
                     int32_t colour, int32_t endColour, PointList& list)
{
    if (list.Full())
        return kLeftOrFull;
    const double p = Magnitude(particle.p);
    particle.E = std::sqrt(particle.mass * particle.mass + p * p);
    const Vec3 d = AlongMomentum(particle.p, step);
    const double survival = std::exp(-step / MeanDecayLength(particle, p, scale));
    double u = 0.0;
    Vec3 position = particle.position;
    int n = list.Count();
    while (u < survival && n < list.Capacity()) {
        position += d;
        WritePoint(list[n], position, colour);
        list.SetCount(n + 1);
        if (Outside(position, limit))
            return kLeftOrFull; // a straight track keeps its first point outside
        ++n;
        u = random.Unit();
    }
    if (list.Full())
        return kLeftOrFull;
    WritePoint(list[list.Count()], position + d, endColour);
    list.SetCount(list.Count() + 1);
    return kDecayed;
}

FlightEnd FlyNeutral(RandomSource& random, double limit, Particle& particle, double scale)
{
    const double p = Magnitude(particle.p);
    const double length = kNeutralStepFraction * MeanDecayLength(particle, p, scale);
    return Fly(random, limit, particle, AlongMomentum(particle.p, length), std::exp(-kNeutralSurvivalExponent));
}

FlightEnd FlyPhoton(RandomSource& random, double limit, Particle& particle, double scale)
{
    if (particle.E < kConversionThreshold)
        return kEscaped;
    // ctau of a photon is its mean conversion length; no p / m factor for a massless particle.
    const double length = kPhotonStepFraction * particle.ctau * scale;
    return Fly(random, limit, particle, AlongMomentum(particle.p, length), std::exp(-kPhotonSurvivalExponent));
}

void MergeAlternating(const PointList& a, const PointList& b, PointList& out)
{
    assert(&out != &a && &out != &b && "MergeAlternating: out must be a third list");
    if (&out == &a || &out == &b)
        return;
    const bool aLeads = a.Count() <= b.Count();
    const PointList& leader = aLeads ? a : b;
    const PointList& follower = aLeads ? b : a;
    int k = 0;
    int i = 0;
    for (; i < leader.Count() && k < out.Capacity(); ++i) {
        out[k++] = leader[i];
        if (k < out.Capacity())
            out[k++] = follower[i];
    }
    k = CopyRest(follower, i, out, k);
    out.SetCount(k);
}
