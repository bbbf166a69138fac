#include "eventfile/FileMessages.h"

#include <cassert>

namespace {

constexpr const char* kOpenerCaption = "opener";

// A text with "%d" replaced by the cause number, as the message boxes show it.
std::string WithCause(const char* prefix, FileCause cause)
{
    return std::string(prefix) + std::to_string(CauseNumber(cause));
}

FileMessage OpenerMessage(const char* prefix, FileCause cause)
{
    return {WithCause(prefix, cause), kOpenerCaption, MessageOwner::Frame};
}

FileMessage OpenFailureMessage(FileCause cause, OpenOrigin origin)
{
    if (origin == OpenOrigin::CommandLine)
        return {"Try opening file with Open under File menu.", "Opening Problem", MessageOwner::Desktop};
    return OpenerMessage("open bomb: ", cause);
}

} // namespace

FileMessage ReadFailureMessage(const ReadFailure& failure, OpenOrigin origin)
{
    switch (failure.stage) {
    case ReadStage::Open: return OpenFailureMessage(failure.cause, origin);
    case ReadStage::KindByte: return OpenerMessage("bombed 1: ", failure.cause);
    case ReadStage::WrongKind: return {"Tracelume cannot read this file.", "Wrong File Type", MessageOwner::Frame};
    case ReadStage::WConditions: return OpenerMessage("bombed 2: ", failure.cause);
    case ReadStage::WCount:
    case ReadStage::PLength: return OpenerMessage("bombed 3: ", failure.cause);
    case ReadStage::WPoints:
    case ReadStage::PTail: return OpenerMessage("bombed 4: ", failure.cause);
    case ReadStage::PCount: return OpenerMessage("bombed on size: ", failure.cause);
    case ReadStage::PPoints: return OpenerMessage("bombed on data: ", failure.cause);
    case ReadStage::Conditions:
        return {"Tracelume cannot show this event: " + failure.detail, "Conditions Out of Range", MessageOwner::Frame};
    }
    assert(false && "ReadFailureMessage: a read stage without a message");
    return OpenerMessage("open bomb: ", failure.cause);
}

FileMessage ReadCloseFailureMessage(FileCause cause)
{
    return OpenerMessage("close bomb: ", cause);
}

FileMessage SaveFailureMessage(const WriteFailure& failure)
{
    switch (failure.stage) {
    case WriteStage::Open: return {WithCause("open error: ", failure.cause), "File Save Error", MessageOwner::Frame};
    case WriteStage::Write: return {WithCause("write error: ", failure.cause), "File Write Error", MessageOwner::Frame};
    case WriteStage::Close: return {WithCause("close error: ", failure.cause), "File Close Error", MessageOwner::Frame};
    }
    assert(false && "SaveFailureMessage: a write stage without a message");
    return {WithCause("write error: ", failure.cause), "File Write Error", MessageOwner::Frame};
}

FileMessage NegativeFieldMessage()
{
    return {"The magnetic field for the event just opened was below zero, but will be shown as positive.",
            "Negative B", MessageOwner::Frame};
}
