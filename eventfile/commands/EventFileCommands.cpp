#include "eventfile/commands/EventFileCommands.h"

#include "platform/seams/FileDialog.h"
#include "platform/seams/MessageBox.h"
#include "platform/window/Wnd.h"

namespace {

constexpr const char* kSaveFilter = "Tracelume Event Files (*.cwd)|*.cwd| All files (*.*)|*.*||";
constexpr const char* kOpenFilter = "Tracelume Files (*.cwd)|*.cwd| All files (*.*)|*.*||";
constexpr const char* kExtension = "cwd";

std::optional<ChosenFile> Run(CFileDialog& dialog)
{
    if (dialog.DoModal() != kFileDialogOk)
        return std::nullopt;
    return ChosenFile{dialog.GetPathName(), dialog.GetFileTitle()};
}

} // namespace

std::optional<ChosenFile> ChooseFileToSave(CWnd* owner)
{
    CFileDialog dialog(false, kExtension, "Untitled", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kSaveFilter, owner);
    return Run(dialog);
}

std::optional<ChosenFile> ChooseFileToRead(CWnd* owner, ReadCommand command)
{
    const unsigned flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
    if (command == ReadCommand::Import) {
        CFileDialog dialog(true, "", "", flags, "", owner);
        return Run(dialog);
    }
    CFileDialog dialog(true, "", "*.cwd", flags, kOpenFilter, owner);
    return Run(dialog);
}

void ShowFileMessage(CWnd* frame, const FileMessage& message)
{
    const CWnd* owner = message.owner == MessageOwner::Desktop ? CWnd::GetDesktopWindow() : frame;
    platform::ShowMessageBox(owner, message.text, message.caption, MB_OK);
}
