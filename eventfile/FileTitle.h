#pragma once

#include <string>

// The last component of a path: "dir/track.cwd" gives "track.cwd".
std::string FileNameOf(const std::string& path);

// The event title the reader gives an event read from a file: the file name, less its last
// four characters when the fourth from the end is '.' ("track.cwd" gives "track"; "track.data"
// stays "track.data"). Takes a file name or a path.
std::string ReaderEventTitle(const std::string& fileName);

// The title the file dialogs report for a chosen file: the name without its last extension
// ("track.data" gives "track", "a.b.cwd" gives "a.b"). A name whose only '.' is its first
// character (a hidden file such as ".cwd") is kept whole. Takes a file name or a path.
std::string DialogFileTitle(const std::string& fileName);
