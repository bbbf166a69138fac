#pragma once

#include "eventfile/EventFileReader.h"
#include "eventfile/FileMessages.h"
#include "physics/ChamberData.h"
#include "physics/ChamberEvent.h"

#include <optional>
#include <span>
#include <string>

class CWnd;

// The dialogs and messages of the File menu's event-file commands: Save As, Open and Import.
// The main frame runs the commands; what to do with an event read is its business.

// A file chosen in a file dialog: its full path, and its title as the dialog gives it (the
// name without its last extension).
struct ChosenFile {
    std::string path;
    std::string title;
};

// The two commands that read a file differ only in their dialog: Open lists event files,
// Import every file, for files whose names do not end in .cwd.
enum class ReadCommand { Open, Import };

// The Save As dialog: extension "cwd" added to a bare name, "Untitled" offered, a prompt before
// an existing file is replaced. Nothing when the user cancels.
std::optional<ChosenFile> ChooseFileToSave(CWnd* owner);

// The dialog of Open or Import, which accepts only existing files. Nothing when cancelled.
std::optional<ChosenFile> ChooseFileToRead(CWnd* owner, ReadCommand command);

// One message of the event-file paths, with a single OK button, owned by frame or, when the
// message says so, by the desktop.
void ShowFileMessage(CWnd* frame, const FileMessage& message);
