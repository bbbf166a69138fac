#pragma once

// Internals of the file dialogs on Qt. Included by platform/*.cpp only.

#include "platform/seams/FileDialog.h"

#include <QFileDialog>

#include <memory>

namespace platform::detail {

// The real dialog of request, set up but not shown. It tells files apart by their names and
// kinds alone: it never opens a file of the folder it lists, where a read can block for ever
// (a file of /proc, a pipe, a file another program holds a lease on).
std::unique_ptr<QFileDialog> MakeFileDialog(const FileDialogRequest& request, QWidget* parent);

} // namespace platform::detail
