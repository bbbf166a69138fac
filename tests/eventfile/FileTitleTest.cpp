#include "eventfile/FileTitle.h"

#include <gtest/gtest.h>

TEST(ReaderEventTitle, DropsAThreeLetterExtensionOnly)
{
    EXPECT_EQ(ReaderEventTitle("track.cwd"), "track");
    EXPECT_EQ(ReaderEventTitle("track.data"), "track.data");
    EXPECT_EQ(ReaderEventTitle("/home/pupil/events/track.cwd"), "track");
    EXPECT_EQ(ReaderEventTitle("a.b.cwd"), "a.b");
    EXPECT_EQ(ReaderEventTitle("README"), "README");
}

TEST(ReaderEventTitle, FourthCharacterFromTheEndIsTheBoundary)
{
    EXPECT_EQ(ReaderEventTitle(".cwd"), "");
    EXPECT_EQ(ReaderEventTitle("x.cw"), "x.cw");
    EXPECT_EQ(ReaderEventTitle("xy.cw"), "xy.cw");
    EXPECT_EQ(ReaderEventTitle("cwd"), "cwd");
    EXPECT_EQ(ReaderEventTitle(""), "");
}

TEST(DialogFileTitle, DropsTheLastExtensionWhateverItsLength)
{
    EXPECT_EQ(DialogFileTitle("track.cwd"), "track");
    EXPECT_EQ(DialogFileTitle("track.data"), "track");
    EXPECT_EQ(DialogFileTitle("dir.v2/track"), "track");
    EXPECT_EQ(DialogFileTitle("a.b.cwd"), "a.b");
    EXPECT_EQ(DialogFileTitle("track."), "track");
    EXPECT_EQ(DialogFileTitle(".cwd"), ".cwd");
}

TEST(FileNameOf, LastComponentOfAPath)
{
    EXPECT_EQ(FileNameOf("a/b/c.cwd"), "c.cwd");
    EXPECT_EQ(FileNameOf("c.cwd"), "c.cwd");
    EXPECT_EQ(FileNameOf("dir/"), "");
}
