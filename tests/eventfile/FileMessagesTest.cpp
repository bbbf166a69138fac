#include "eventfile/FileMessages.h"

#include <gtest/gtest.h>

#include <cerrno>

TEST(FileMessages, EveryReadStageHasItsTextAndCaption)
{
    struct Case {
        ReadStage stage;
        const char* text;
        const char* caption;
    };
    const Case cases[] = {
        {ReadStage::Open, "open bomb: 11", "opener"},
        {ReadStage::KindByte, "bombed 1: 11", "opener"},
        {ReadStage::WrongKind, "Tracelume cannot read this file.", "Wrong File Type"},
        {ReadStage::WConditions, "bombed 2: 11", "opener"},
        {ReadStage::WCount, "bombed 3: 11", "opener"},
        {ReadStage::WPoints, "bombed 4: 11", "opener"},
        {ReadStage::PCount, "bombed on size: 11", "opener"},
        {ReadStage::PPoints, "bombed on data: 11", "opener"},
        {ReadStage::PLength, "bombed 3: 11", "opener"},
        {ReadStage::PTail, "bombed 4: 11", "opener"},
        {ReadStage::Conditions, "Tracelume cannot show this event: T = 0 MeV is outside 0.0001 to 1E+06 MeV.",
         "Conditions Out of Range"},
    };
    for (const Case& c : cases) {
        const ReadFailure failure{c.stage, FileCause::SharingViolation, "T = 0 MeV is outside 0.0001 to 1E+06 MeV."};
        const FileMessage message = ReadFailureMessage(failure, OpenOrigin::Menu);
        EXPECT_EQ(message.text, c.text);
        EXPECT_EQ(message.caption, c.caption);
        EXPECT_EQ(message.owner, MessageOwner::Frame);
    }
}

TEST(FileMessages, StartUpOpenFailureHasItsOwnMessageOnlyForTheOpenStage)
{
    const FileMessage open = ReadFailureMessage({ReadStage::Open, FileCause::FileNotFound, {}}, OpenOrigin::CommandLine);
    EXPECT_EQ(open.text, "Try opening file with Open under File menu.");
    EXPECT_EQ(open.caption, "Opening Problem");
    EXPECT_EQ(open.owner, MessageOwner::Desktop);

    const FileMessage later = ReadFailureMessage({ReadStage::WPoints, FileCause::EndOfFile, {}}, OpenOrigin::CommandLine);
    EXPECT_EQ(later.text, "bombed 4: 14");
    EXPECT_EQ(later.owner, MessageOwner::Frame);
}

TEST(FileMessages, SaveCloseAndFieldMessages)
{
    EXPECT_EQ(SaveFailureMessage({WriteStage::Open, FileCause::AccessDenied}).text, "open error: 5");
    EXPECT_EQ(SaveFailureMessage({WriteStage::Open, FileCause::AccessDenied}).caption, "File Save Error");
    EXPECT_EQ(SaveFailureMessage({WriteStage::Write, FileCause::DiskFull}).text, "write error: 13");
    EXPECT_EQ(SaveFailureMessage({WriteStage::Write, FileCause::DiskFull}).caption, "File Write Error");
    EXPECT_EQ(SaveFailureMessage({WriteStage::Close, FileCause::HardIO}).text, "close error: 10");
    EXPECT_EQ(SaveFailureMessage({WriteStage::Close, FileCause::HardIO}).caption, "File Close Error");
    EXPECT_EQ(ReadCloseFailureMessage(FileCause::Generic).text, "close bomb: 1");
    EXPECT_EQ(ReadCloseFailureMessage(FileCause::Generic).caption, "opener");
    EXPECT_EQ(NegativeFieldMessage().text,
              "The magnetic field for the event just opened was below zero, but will be shown as positive.");
    EXPECT_EQ(NegativeFieldMessage().caption, "Negative B");
}

TEST(FileCauses, OperatingSystemErrorsMapToTheirCauses)
{
    struct Case {
        int error;
        FileCause cause;
    };
    const Case cases[] = {
        {0, FileCause::None},
        {ENOENT, FileCause::FileNotFound},
        {ENOTDIR, FileCause::BadPath},
        {EISDIR, FileCause::BadPath},
        {ENAMETOOLONG, FileCause::BadPath},
        {EMFILE, FileCause::TooManyOpenFiles},
        {ENFILE, FileCause::TooManyOpenFiles},
        {EACCES, FileCause::AccessDenied},
        {EPERM, FileCause::AccessDenied},
        {EROFS, FileCause::AccessDenied},
        {EBADF, FileCause::InvalidFile},
        {ESPIPE, FileCause::BadSeek},
        {EIO, FileCause::HardIO},
        {EBUSY, FileCause::SharingViolation},
        {ENOLCK, FileCause::LockViolation},
        {ENOSPC, FileCause::DiskFull},
        {EINTR, FileCause::Generic},
        {EEXIST, FileCause::Generic},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CauseFromErrno(c.error), c.cause) << "errno " << c.error;
}
