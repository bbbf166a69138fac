#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CWnd;

// Open and save file dialogs, through a seam that tests replace; the real ones are QFileDialogs.
// On the offscreen platform, where nobody could answer them, the real ones cancel at once.

constexpr unsigned OFN_OVERWRITEPROMPT = 0x00000002; // save: ask before replacing a file
constexpr unsigned OFN_HIDEREADONLY = 0x00000004;
constexpr unsigned OFN_PATHMUSTEXIST = 0x00000800;
constexpr unsigned OFN_FILEMUSTEXIST = 0x00001000;    // open: only existing files

// One entry of a filter: its name and its patterns ("*.cwd"; several separated by ';').
struct FileFilter {
    std::string name;
    std::vector<std::string> patterns;
    friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

// Parses a filter string of the classic form "Name|*.ext|Name|*.*||": pairs of a name and a
// pattern list, separated by '|', ended by "||" (or the end of the text). A trailing name without
// patterns is dropped.
std::vector<FileFilter> ParseFileFilter(const std::string& filter);

struct FileDialogRequest {
    bool open = true;                // false: save
    std::string title;               // empty: "Open" / "Save As"
    std::string defaultExtension;    // without the dot; empty: none
    std::string initialName;
    std::vector<FileFilter> filters;
    unsigned flags = 0;              // OFN_ constants
    const CWnd* owner = nullptr;
    // The filter shown first (0 = the first of filters); the dialog leaves the one the user
    // chose here.
    int filterIndex = 0;

    // The extension a save dialog gives a name typed without one: that of the chosen filter's
    // first pattern when it is "*.ext", else defaultExtension. None without a defaultExtension.
    std::string ChosenExtension() const;
};

// The chosen path, or nothing when the dialog was cancelled. A handler may set the request's
// filterIndex to the filter the user chose.
using FileDialogHandler = std::function<std::optional<std::string>(FileDialogRequest&)>;

namespace platform {
// Installs a handler; an empty one puts the real dialogs back.
void SetFileDialogHandler(FileDialogHandler handler);
}

constexpr int kFileDialogOk = 1;     // IDOK
constexpr int kFileDialogCancel = 2; // IDCANCEL

class CFileDialog {
public:
    CFileDialog(bool openFileDialog, const std::string& defaultExtension = "", const std::string& fileName = "",
                unsigned flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const std::string& filter = "",
                CWnd* parent = nullptr);

    // Shows the dialog; returns IDOK (1) with a chosen path, IDCANCEL (2) otherwise. For a save
    // dialog with a default extension, a chosen name without an extension gets the chosen
    // filter's (request.ChosenExtension()); with OFN_OVERWRITEPROMPT, when a file of the
    // completed name exists, a message box asks whether to replace it, and "No" shows the
    // dialog again.
    int DoModal();

    // The chosen path, its file name, the name without extension, the extension (no dot).
    std::string GetPathName() const { return path_; }
    std::string GetFileName() const;
    std::string GetFileTitle() const;
    std::string GetFileExt() const;

    // The request DoModal will make (tests and callers may adjust the title).
    FileDialogRequest request;

private:
    std::string path_;
};
