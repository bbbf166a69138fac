#include "platform/seams/FileDialog.h"
#include "platform/seams/FileDialogPrivate.h"

#include "platform/seams/MessageBox.h"
#include "platform/window/Wnd.h"
#include "platform/window/qt/Hub.h"
#include "platform/window/qt/WndPrivate.h"
#include "platform/window/qt/QtModalDialog.h"

#include <QFileIconProvider>
#include <QGuiApplication>
#include <QMimeDatabase>

#include <algorithm>
#include <filesystem>
#include <cstdio>

namespace {

FileDialogHandler& Handler()
{
    static FileDialogHandler handler;
    return handler;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

// Qt reads a filter's patterns from the parentheses that end its name. Names that show their
// patterns already ("Event Files (*.cwd)") are passed as they are, so that the list does not
// show them twice.
QString QtFilter(const FileFilter& filter)
{
    QString patterns;
    for (const std::string& pattern : filter.patterns)
        patterns += (patterns.isEmpty() ? "" : " ") + QString::fromStdString(pattern);
    const QString name = QString::fromStdString(filter.name).trimmed();
    const QString shown = "(" + patterns + ")";
    return name.endsWith(shown) ? name : name + " " + shown;
}

// The extension of a filter's first pattern when it is "*.ext".
std::string PatternExtension(const FileFilter& filter)
{
    if (filter.patterns.empty())
        return {};
    const std::string& pattern = filter.patterns.front();
    const bool plain = pattern.size() > 2 && pattern.compare(0, 2, "*.") == 0 &&
                       pattern.find_first_of("*?[;", 2) == std::string::npos;
    return plain ? pattern.substr(2) : std::string();
}

// Qt's own providers sniff a file's contents for its type and icon (QMimeDatabase reads the
// file when its name says nothing), on the dialog's thread: a file whose read blocks hangs the
// dialog. This one goes by the kind of entry and the file name alone.
class IconsByNameAndKind final : public QFileIconProvider {
public:
    QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
    QIcon icon(const QFileInfo& info) const override
    {
        if (info.isRoot())
            return icon(Drive);
        return icon(info.isDir() ? Folder : File);
    }
    QString type(const QFileInfo& info) const override
    {
        if (!info.isFile() || info.isRoot())
            return QFileIconProvider::type(info);
        const QMimeType mime = names_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
        return mime.comment().isEmpty() ? mime.name() : mime.comment();
    }

private:
    QMimeDatabase names_;
};

std::optional<std::string> ShowRealDialog(FileDialogRequest& request)
{
    platform::detail::Hub::Instance();
    if (QGuiApplication::platformName() == "offscreen") {
        std::fprintf(stderr, "File dialog cancelled: nobody can answer it on the offscreen platform\n");
        return std::nullopt;
    }
    QWidget* parent = nullptr;
    if (request.owner != nullptr && request.owner->IsWindow())
        parent = request.owner->GetTopLevelParent()->Private()->Outer();
    const std::unique_ptr<QFileDialog> dialog = platform::detail::MakeFileDialog(request, parent);
    if (platform::detail::RunQtModalDialog(*dialog) != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    request.filterIndex = std::max(0, int(dialog->nameFilters().indexOf(dialog->selectedNameFilter())));
    return dialog->selectedFiles().first().toStdString();
}

std::string FileNameOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::vector<FileFilter> ParseFileFilter(const std::string& filter)
{
    std::vector<FileFilter> filters;
    const std::vector<std::string> parts = Split(filter, '|');
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty())
            break; // "||" ends the list
        filters.push_back({parts[i], Split(parts[i + 1], ';')});
    }
    return filters;
}

namespace platform {
void SetFileDialogHandler(FileDialogHandler handler) { Handler() = std::move(handler); }
}

std::unique_ptr<QFileDialog> platform::detail::MakeFileDialog(const FileDialogRequest& request, QWidget* parent)
{
    // Made once and never deleted: dialogs may come and go, and their models may still ask it.
    static auto* const icons = new IconsByNameAndKind;
    const std::string title = !request.title.empty() ? request.title : request.open ? "Open" : "Save As";
    auto dialog = std::make_unique<QFileDialog>(parent, QString::fromStdString(title));
    dialog->setIconProvider(icons);
    dialog->setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog->setFileMode(request.open && (request.flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile
                                                                             : QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, request.open || (request.flags & OFN_OVERWRITEPROMPT) == 0);
    QStringList filters;
    for (const FileFilter& filter : request.filters)
        filters << QtFilter(filter);
    if (!filters.isEmpty()) {
        dialog->setNameFilters(filters);
        if (request.filterIndex > 0 && request.filterIndex < filters.size())
            dialog->selectNameFilter(filters[request.filterIndex]);
    }
    if (!request.initialName.empty())
        dialog->selectFile(QString::fromStdString(request.initialName));
    return dialog;
}

CFileDialog::CFileDialog(bool openFileDialog, const std::string& defaultExtension, const std::string& fileName,
                         unsigned flags, const std::string& filter, CWnd* parent)
{
    request.open = openFileDialog;
    request.defaultExtension = defaultExtension;
    request.initialName = fileName;
    request.flags = flags;
    request.filters = ParseFileFilter(filter);
    request.owner = parent;
}

// The extension is added here rather than by the dialog, which would take the first kind's for a
// name typed before another kind was chosen; so the question about replacing a file of the
// completed name is asked here too, and "No" goes back to the dialog.
int CFileDialog::DoModal()
{
    const std::string initialName = request.initialName;
    for (;;) {
        const std::optional<std::string> chosen = Handler() ? Handler()(request) : ShowRealDialog(request);
        request.initialName = initialName;
        if (!chosen || chosen->empty())
            return kFileDialogCancel;
        path_ = *chosen;
        const std::string extension = request.ChosenExtension();
        if (request.open || extension.empty() || FileNameOf(path_).find('.') != std::string::npos)
            return kFileDialogOk;
        path_ += "." + extension;
        std::error_code error;
        if ((request.flags & OFN_OVERWRITEPROMPT) == 0 || !std::filesystem::exists(path_, error))
            return kFileDialogOk;
        const std::string question = FileNameOf(path_) + " already exists.\nDo you want to replace it?";
        const std::string caption = !request.title.empty() ? request.title : "Save As";
        if (platform::ShowMessageBox(request.owner, question, caption, MB_YESNO | MB_ICONEXCLAMATION) != IDNO)
            return kFileDialogOk;
        request.initialName = path_;
    }
}

std::string FileDialogRequest::ChosenExtension() const
{
    if (defaultExtension.empty())
        return {};
    const bool chosen = filterIndex >= 0 && size_t(filterIndex) < filters.size();
    const std::string fromFilter = chosen ? PatternExtension(filters[size_t(filterIndex)]) : std::string();
    return fromFilter.empty() ? defaultExtension : fromFilter;
}

std::string CFileDialog::GetFileName() const { return FileNameOf(path_); }

std::string CFileDialog::GetFileTitle() const
{
    const std::string name = GetFileName();
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string CFileDialog::GetFileExt() const
{
    const std::string name = GetFileName();
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}
