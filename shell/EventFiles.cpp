// The File menu's event-file commands, Save As, Open and Import, and the reader that Open, Import
// and the start-up open share.
#include "shell/MainFrame.h"

#include "controls/ChamberControlWindow.h"
#include "eventfile/EventFileReader.h"
#include "eventfile/EventFileWriter.h"
#include "eventfile/FileTitle.h"
#include "eventfile/commands/EventFileCommands.h"
#include "physics/ChamberEvent.h"

#include <new>

namespace {

// The stage at which a file of this kind reads its points, for a failure that comes after the
// points were read: the event cannot be made in memory.
ReadStage PointsStage(FileKind kind) { return kind == FileKind::W ? ReadStage::WPoints : ReadStage::PPoints; }

} // namespace

void CMainFrame::SaveAs()
{
    if (!session_.event)
        return;
    const std::optional<ChosenFile> chosen = ChooseFileToSave(this);
    if (!chosen)
        return;
    if (const std::optional<WriteFailure> failure = session_.Save(chosen->path))
        ShowFileMessage(this, SaveFailureMessage(*failure));
    else
        SetEventTitle(chosen->title);
}

// The events are retitled with the dialog's title of the chosen file whatever the reading gave.
void CMainFrame::OpenEventFile(bool anyFile)
{
    const std::optional<ChosenFile> chosen = ChooseFileToRead(this, anyFile ? ReadCommand::Import : ReadCommand::Open);
    if (!chosen)
        return;
    ReadEventFile(chosen->path);
    SetEventTitle(chosen->title);
}

// The whole file is read and checked before anything changes: a file that fails at any stage
// leaves the conditions, the sliders, the event and the titles as they were, and shows the
// message of that stage. Only a failed close of a file read completely lets the event stand.
void CMainFrame::ReadEventFile(const std::string& path)
{
    // The flag speaks for this one read: a later Open from the menu that fails must not show the
    // start-up open's message.
    const OpenOrigin origin = session_.fromCommandLine ? OpenOrigin::CommandLine : OpenOrigin::Menu;
    session_.fromCommandLine = false;
    const ReadOutcome outcome = LoadEventFile(path);
    if (!outcome.Ok()) {
        ShowFileMessage(this, ReadFailureMessage(outcome.failure, origin));
        return;
    }
    const StoredEvent& stored = *outcome.event;
    std::shared_ptr<ChamberEvent> read;
    try {
        read = MakeChamberEvent(stored, &session_.pendingConditions);
    } catch (const std::bad_alloc&) {
        ShowFileMessage(this, ReadFailureMessage({PointsStage(stored.kind), FileCause::Generic, {}}, origin));
        return;
    }

    session_.InstallReadEvent(stored, std::move(read));
    if (controlsWindow)
        controlsWindow->UpdateFromChamber(session_.pendingConditions);
    SetEventTitle(ReaderEventTitle(FileNameOf(path)));
    if (outcome.closeCause != FileCause::None)
        ShowFileMessage(this, ReadCloseFailureMessage(outcome.closeCause));
    if (session_.ShowFieldPositive())
        ShowFileMessage(this, NegativeFieldMessage());
    ShowEvent(EventSource::Installed);
}
