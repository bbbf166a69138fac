#include "platform/window/Accelerators.h"

#include <cctype>
#include <map>

AcceleratorTable::AcceleratorTable(std::vector<AccelEntry> entries) : entries_(std::move(entries))
{
    for (AccelEntry& entry : entries_)
        entry.key = char(std::toupper(static_cast<unsigned char>(entry.key)));
}

std::optional<int> AcceleratorTable::Lookup(char key) const
{
    const char wanted = char(std::toupper(static_cast<unsigned char>(key)));
    for (const AccelEntry& entry : entries_)
        if (entry.key == wanted)
            return entry.command;
    return std::nullopt;
}

namespace platform {
namespace {
std::map<int, AcceleratorTable>& AcceleratorResources()
{
    static std::map<int, AcceleratorTable> resources;
    return resources;
}
} // namespace

void RegisterAcceleratorResource(int resourceId, std::vector<AccelEntry> entries)
{
    AcceleratorResources()[resourceId] = AcceleratorTable(std::move(entries));
}

std::optional<AcceleratorTable> FindAcceleratorResource(int resourceId)
{
    const auto found = AcceleratorResources().find(resourceId);
    if (found == AcceleratorResources().end())
        return std::nullopt;
    return found->second;
}
} // namespace platform
