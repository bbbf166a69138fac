#include "platform/gfx/GuiApplication.h"

#include <gtest/gtest.h>

namespace {

// One Qt application object (widgets, offscreen platform) for the whole test program, made
// before the first test: fonts, text and windows need it.
class QtTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(platform::EnsureGuiApplication(platform::ApplicationKind::Widgets)); }
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtTestEnvironment);

}
