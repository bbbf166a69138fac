#pragma once

#include "eventfile/FileCause.h"

#include <string>

// The stages of reading an event file, each with its own message. Kind 'W' and kind 'P'
// share some texts ("bombed 3: %d", "bombed 4: %d") but not the stage.
enum class ReadStage {
    Open,        // the file cannot be opened
    KindByte,    // reading the kind byte
    WrongKind,   // the kind byte is neither 'W' nor 'P'
    WConditions, // kind 'W': the 48-byte conditions image
    WCount,      // kind 'W': the point count
    WPoints,     // kind 'W': the points
    PCount,      // kind 'P': the point count
    PPoints,     // kind 'P': a point
    PLength,     // kind 'P': L
    PTail,       // kind 'P': any value after L (B, T and the ignored ones)
    Conditions,  // L, B or T lies beyond what the program can make and show events for
};

enum class WriteStage {
    Open,  // the file cannot be created or opened
    Write, // writing the conditions, the count or the points
    Close, // closing the file and putting it in place
};

struct ReadFailure {
    ReadStage stage = ReadStage::Open;
    FileCause cause = FileCause::Generic;
    std::string detail; // Conditions: which value is out of bounds, and the bounds
};

struct WriteFailure {
    WriteStage stage = WriteStage::Open;
    FileCause cause = FileCause::Generic;
};

// Who reads the file: a file command of the menu, or the start-up open of a file named on
// the command line. Only the open failure has a different message for the start-up open.
enum class OpenOrigin { Menu, CommandLine };

// The window a message box belongs to. The start-up open failure is owned by the desktop
// because the main frame is not shown yet.
enum class MessageOwner { Frame, Desktop };

// One message box: text, caption, a single OK button.
struct FileMessage {
    std::string text;
    std::string caption;
    MessageOwner owner = MessageOwner::Frame;
};

FileMessage ReadFailureMessage(const ReadFailure& failure, OpenOrigin origin);
// "close bomb: %d": closing a file that was read completely failed; the event still stands.
FileMessage ReadCloseFailureMessage(FileCause cause);
FileMessage SaveFailureMessage(const WriteFailure& failure);
// Shown after an event whose field B was negative was read; the caller flips B to -B.
FileMessage NegativeFieldMessage();
