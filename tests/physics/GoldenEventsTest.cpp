#include "GoldenEvents.h"
#include "tests/support/TextLines.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

// Regenerates the events of every golden case and compares them with the stored text, which
// holds every double exactly. With TRACELUME_REGENERATE_GOLDEN=1 in the environment the test
// rewrites the files instead and is reported as skipped.

namespace {

bool Regenerating()
{
    const char* flag = std::getenv("TRACELUME_REGENERATE_GOLDEN");
    return flag && std::string(flag) == "1";
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class GoldenEvents : public ::testing::TestWithParam<int> {};

} // namespace

TEST_P(GoldenEvents, RegeneratedEventsMatchBitForBit)
{
    const int decayType = GetParam();
    const std::string fresh = RenderGoldenEvents(decayType);
    if (Regenerating()) {
        std::ofstream(GoldenPath(decayType), std::ios::binary) << fresh;
        GTEST_SKIP() << "rewrote " << GoldenPath(decayType);
    }
    const std::vector<std::string> expected = Lines(ReadFile(GoldenPath(decayType)));
    const std::vector<std::string> actual = Lines(fresh);
    ASSERT_GT(expected.size(), 10u) << "missing golden file " << GoldenPath(decayType);
    std::string lastCase;
    for (size_t i = 0; i < expected.size() && i < actual.size(); ++i) {
        if (expected[i].rfind("case ", 0) == 0)
            lastCase = expected[i];
        ASSERT_EQ(actual[i], expected[i]) << "first difference at line " << i + 1 << " in " << lastCase;
    }
    EXPECT_EQ(actual.size(), expected.size());
}

INSTANTIATE_TEST_SUITE_P(DecayTypes, GoldenEvents, ::testing::Range(1, 7));
