#pragma once

#include "platform/seams/FileDialog.h"

#include <string>
#include <vector>

namespace platform::simulate {

// Shows the real file dialog of request, the one the program shows where someone can answer it,
// on folder until it has listed the folder, then closes it. Returns the names it lists there
// (sorted). Returns only once the dialog has looked at every entry.
std::vector<std::string> ListInRealFileDialog(const FileDialogRequest& request, const std::string& folder);

} // namespace platform::simulate
