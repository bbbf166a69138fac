#include "eventfile/FileTitle.h"

namespace {

// Characters counted back from the end of a title to find the '.' of a three-letter extension.
constexpr std::size_t kExtensionWithDot = 4;

} // namespace

std::string FileNameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ReaderEventTitle(const std::string& fileName)
{
    std::string title = FileNameOf(fileName);
    if (title.size() >= kExtensionWithDot && title[title.size() - kExtensionWithDot] == '.')
        title.resize(title.size() - kExtensionWithDot);
    return title;
}

std::string DialogFileTitle(const std::string& fileName)
{
    std::string title = FileNameOf(fileName);
    const std::size_t dot = title.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        title.resize(dot);
    return title;
}
