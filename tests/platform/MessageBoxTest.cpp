#include "WindowTestSupport.h"

#include "platform/seams/MessageBox.h"
#include "platform/testing/MessageBoxRecorder.h"

#include <gtest/gtest.h>

using namespace windowtest;

namespace {

TEST(MessageBoxSeam, ARecorderReadsWhatWasShownAndAnswersOk)
{
    RecordingWnd frame;
    ASSERT_TRUE(frame.CreateTopLevel("Tracelume", Rect::FromSize(0, 0, 300, 48)));
    MessageBoxRecorder recorder;
    EXPECT_EQ(platform::ShowMessageBox(nullptr, "Try opening file with Open under File menu.",
                                       "Problem Opening File from Desktop"),
              IDOK);
    EXPECT_EQ(platform::ShowMessageBox(&frame, "Null event", "alert"), IDOK);
    EXPECT_EQ(platform::ShowMessageBox(CWnd::GetDesktopWindow(), "text", "caption", MB_OK | MB_ICONEXCLAMATION), IDOK);

    const auto& shown = recorder.Shown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].text, "Try opening file with Open under File menu.");
    EXPECT_EQ(shown[0].caption, "Problem Opening File from Desktop");
    EXPECT_TRUE(shown[0].OwnedByDesktop());
    EXPECT_EQ(shown[1].owner, &frame);
    EXPECT_FALSE(shown[1].OwnedByDesktop());
    EXPECT_EQ(shown[1].caption, "alert");
    EXPECT_TRUE(shown[2].OwnedByDesktop());
    EXPECT_EQ(shown[2].type, MB_OK | MB_ICONEXCLAMATION);
}

TEST(MessageBoxSeam, AHandlerCanAnswerOtherwiseAndIsRemovedAgain)
{
    int calls = 0;
    platform::SetMessageBoxHandler([&](const MessageBoxRequest&) {
        ++calls;
        return IDCANCEL;
    });
    EXPECT_EQ(platform::ShowMessageBox(nullptr, "a", "b"), IDCANCEL);
    {
        MessageBoxRecorder recorder; // replaces it while it lives
        platform::ShowMessageBox(nullptr, "c", "d");
        EXPECT_EQ(recorder.Shown().size(), 1u);
    }
    EXPECT_EQ(calls, 1);
}

} // namespace
