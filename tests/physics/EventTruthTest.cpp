#include "physics/EventTruth.h"
#include "physics/Generators.h"
#include "physics/Random.h"
#include "tests/support/TextLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

namespace {

struct Circle {
    double cx = 0.0;
    double cy = 0.0;
    double r = 0.0;
};

// Least-squares circle through points (x, y): solves x^2 + y^2 + D x + E y + F = 0.
Circle FitCircle(const std::vector<std::pair<double, double>>& points)
{
    double sxx = 0, sxy = 0, syy = 0, sx = 0, sy = 0, sz = 0, sxz = 0, syz = 0;
    const double n = double(points.size());
    for (const auto& [x, y] : points) {
        const double z = x * x + y * y;
        sxx += x * x, sxy += x * y, syy += y * y, sx += x, sy += y, sz += z, sxz += x * z, syz += y * z;
    }
    // Normal equations of [x y 1] [D E F]^T = -z, solved by Cramer's rule.
    const double a[3][3] = {{sxx, sxy, sx}, {sxy, syy, sy}, {sx, sy, n}};
    const double b[3] = {-sxz, -syz, -sz};
    auto det = [](const double m[3][3]) {
        return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
               m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    };
    const double d = det(a);
    double solution[3];
    for (int column = 0; column < 3; ++column) {
        double m[3][3];
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                m[i][j] = j == column ? b[i] : a[i][j];
        solution[column] = det(m) / d;
    }
    Circle circle{-solution[0] / 2, -solution[1] / 2, 0.0};
    circle.r = std::sqrt(circle.cx * circle.cx + circle.cy * circle.cy - solution[2]);
    return circle;
}

// The colours of the tracks of the chains that append to one list, in the order made.
struct Chain {
    int type;
    std::vector<int32_t> colours;
};

void PrintTo(const Chain& chain, std::ostream* out) { *out << "type " << chain.type; }

class TruthOfChains : public ::testing::TestWithParam<Chain> {};

// Every dot of a track's colour lies on its helix (a track starts at the vertex its parent
// ends on, in the child's colour), so the circle through them has the radius of the key.
TEST_P(TruthOfChains, RadiusIsTransverseMomentumOverPointThreeBAndFitsTheDots)
{
    const Chain& chain = GetParam();
    const ChamberData conditions(500.0, 0.8, 0.6);
    int fitted = 0;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        DecayGenerator generator(seed, AnswerKey::Recorded);
        const auto event = generator.GenerateDecay(chain.type, conditions);
        const EventTruth& truth = generator.Truth();
        ASSERT_NE(event, nullptr);
        ASSERT_LE(truth.size(), chain.colours.size());
        for (std::size_t t = 0; t < truth.size(); ++t) {
            ASSERT_TRUE(truth[t].radiusCm.has_value());
            EXPECT_NEAR(*truth[t].radiusCm, truth[t].transverseMomentum / (0.3 * 0.8), 1e-9);
            std::vector<std::pair<double, double>> dots;
            for (const TrackPoint& p : event->Points())
                if (p.colour == chain.colours[t])
                    dots.emplace_back(p.x / conditions.Scale(), p.y / conditions.Scale());
            if (dots.size() < 5)
                continue;
            EXPECT_NEAR(FitCircle(dots).r, *truth[t].radiusCm, 0.005 * *truth[t].radiusCm)
                << truth[t].kind << " of seed " << seed;
            ++fitted;
        }
    }
    EXPECT_GT(fitted, 5);
}

INSTANTIATE_TEST_SUITE_P(Types, TruthOfChains,
                         ::testing::Values(Chain{1, {kRed, kYellow, kGreen}}, Chain{2, {kRed, kYellow, kGreen}},
                                           Chain{4, {kRed, kYellow}}, Chain{5, {kRed, kYellow}}));

TEST(EventTruth, AskingForTheTruthChangesNeitherTheEventNorTheRandomStream)
{
    const ChamberData conditions(300.0, 1.2, 2.0);
    for (int type = 1; type <= 6; ++type) {
        DecayGenerator plainGenerator(77);
        const auto plain = plainGenerator.GenerateDecay(type, conditions);
        const uint32_t after = plainGenerator.Random().State();
        DecayGenerator keyedGenerator(77, AnswerKey::Recorded);
        const auto keyed = keyedGenerator.GenerateDecay(type, conditions);
        const EventTruth& truth = keyedGenerator.Truth();
        EXPECT_EQ(keyedGenerator.Random().State(), after) << "type " << type;
        ASSERT_EQ(plain->Points().Count(), keyed->Points().Count());
        for (int i = 0; i < plain->Points().Count(); ++i)
            ASSERT_EQ(std::bit_cast<uint64_t>(plain->Points()[i].x), std::bit_cast<uint64_t>(keyed->Points()[i].x));
        ASSERT_FALSE(truth.empty());
        // Every event starts with its primary on the entry face, moving along +y with the momentum of T.
        EXPECT_NEAR(truth[0].madeCm.y, -400.0 / conditions.Scale(), 1e-9);
        EXPECT_NEAR(truth[0].kineticEnergy, 2.0, 1e-9) << truth[0].kind;
        EXPECT_NEAR(truth[0].transverseMomentum, truth[0].momentum, 1e-9);
    }
}

TEST(EventTruth, KeyNamesItsEventAndEachParticleOnItsOwnLine)
{
    DecayGenerator generator(3, AnswerKey::Recorded);
    generator.GenerateDecay(1, ChamberData(500.0, 0.8, 0.6));
    const EventTruth& truth = generator.Truth();
    ASSERT_FALSE(truth.empty());
    EXPECT_EQ(truth[0].kind, "pi-");
    const std::string csv = TruthCsv(truth, AnswerKeyHeading{1, 3, 1, 500.0, 0.8, 0.6});
    const std::vector<std::string> lines = Lines(csv);
    ASSERT_EQ(lines.size(), truth.size() + 2);
    EXPECT_EQ(lines[0], "# Tracelume answer key: decay type 1, seed 3, event 1; B = 0.8 kG, T = 0.6 MeV, L = 5 m");
    EXPECT_EQ(lines[1], "particle,kind,charge,made_x_cm,made_y_cm,made_z_cm,end_x_cm,end_y_cm,end_z_cm,end,"
                        "momentum_MeV_c,transverse_momentum_MeV_c,kinetic_energy_MeV,radius_cm");
    EXPECT_EQ(lines[2].substr(0, 17), "1,pi-,-1,0.0000,-");
}

// Photons end where they convert or where their straight line leaves the cube (half-width
// 250 cm), never "decayed"; straight flights (neutral, or any without a field) have no radius.
TEST(EventTruth, KeyOfStraightFlights)
{
    int left = 0;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        const double field = seed % 2 ? 0.8 : 0.0;
        DecayGenerator generator(seed, AnswerKey::Recorded);
        generator.GenerateDecay(3, ChamberData(500.0, field, 0.6));
        const EventTruth& truth = generator.Truth();
        for (const ParticleTruth& particle : truth) {
            EXPECT_EQ(particle.radiusCm.has_value(), particle.charge != 0.0 && field != 0.0);
            if (particle.kind != "gamma" || particle.outcome != FlightOutcome::Left)
                continue;
            const Vec3 end = particle.endCm;
            EXPECT_NEAR(std::max({std::fabs(end.x), std::fabs(end.y), std::fabs(end.z)}), 250.0, 1e-9);
            ++left;
        }
        for (const std::string& line : Lines(TruthCsv(truth, AnswerKeyHeading{}))) {
            const bool photon = line.find(",gamma,") != std::string::npos;
            EXPECT_FALSE(photon && (line.find(",decayed,") != std::string::npos || !line.ends_with(","))) << line;
            EXPECT_EQ(line.find("-0.0000,"), std::string::npos) << line;
        }
    }
    EXPECT_GT(left, 5);
}

} // namespace
