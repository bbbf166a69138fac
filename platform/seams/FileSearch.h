#pragma once

#include <optional>
#include <string>

namespace platform {

// Searches for a file by name, the way the program looks for the file named on its command line:
// name is used whole and unaltered (quotes are not removed) as a path, relative to the current
// directory or absolute. Its last component may hold the wildcards '*' and '?'. Only regular
// files match. Returns the absolute path of the first match (in name order), or nothing.
std::optional<std::string> FindFirstFile(const std::string& name);

}
