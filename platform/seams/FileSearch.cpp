#include "platform/seams/FileSearch.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <vector>

namespace platform {
namespace {

namespace fs = std::filesystem;

// '*' matches any run of characters, '?' any one character.
bool MatchesWildcards(std::string_view pattern, std::string_view name)
{
    size_t p = 0;
    size_t n = 0;
    size_t starAt = std::string_view::npos;
    size_t resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::string FullPath(const fs::path& path) { return fs::absolute(path).lexically_normal().string(); }

std::optional<std::string> FindByPattern(const fs::path& folder, const std::string& pattern)
{
    std::error_code error;
    std::vector<std::string> matches;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (MatchesWildcards(pattern, name) && it->is_regular_file(typeError))
            matches.push_back(name);
    }
    if (matches.empty())
        return std::nullopt;
    return FullPath(folder / *std::min_element(matches.begin(), matches.end()));
}

} // namespace

std::optional<std::string> FindFirstFile(const std::string& name)
{
    if (name.empty())
        return std::nullopt;
    const fs::path path(name);
    const std::string last = path.filename().string();
    if (last.empty())
        return std::nullopt;
    if (last.find_first_of("*?") != std::string::npos)
        return FindByPattern(path.has_parent_path() ? path.parent_path() : fs::path("."), last);
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return std::nullopt;
    return FullPath(path);
}

} // namespace platform
