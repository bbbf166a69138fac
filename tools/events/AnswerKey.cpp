#include "tools/events/AnswerKey.h"

#include <cstdio>
#include <sstream>

namespace {

constexpr double kCentimetresPerMetre = 100.0;

std::vector<std::string> Cells(const std::string& line)
{
    std::vector<std::string> cells;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, ',');)
        cells.push_back(cell);
    if (!line.empty() && line.back() == ',')
        cells.emplace_back(); // an empty last cell: a straight flight has no radius
    return cells;
}

} // namespace

std::optional<AnswerKeyHeading> ParseAnswerKeyHeading(const std::string& line)
{
    AnswerKeyHeading heading;
    double lengthM = 0.0;
    int end = 0;
    const int read = std::sscanf(line.c_str(),
                                 "# Tracelume answer key: decay type %d, seed %u, event %d; B = %lf kG, T = %lf MeV, "
                                 "L = %lf m%n",
                                 &heading.decayType, &heading.seed, &heading.eventNumber, &heading.fieldKG,
                                 &heading.energyMeV, &lengthM, &end);
    if (read != 6 || size_t(end) != line.size())
        return std::nullopt;
    heading.lengthCm = lengthM * kCentimetresPerMetre;
    return heading;
}

std::optional<StoredAnswerKey> ParseAnswerKey(const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);
    std::optional<AnswerKeyHeading> heading = ParseAnswerKeyHeading(line);
    if (!heading)
        return std::nullopt;
    StoredAnswerKey key{*heading, {}, {}};
    if (std::getline(in, line))
        key.columns = Cells(line);
    while (std::getline(in, line)) {
        if (!line.empty())
            key.rows.push_back(Cells(line));
    }
    return key;
}
