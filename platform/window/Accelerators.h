#pragma once

#include <optional>
#include <vector>

// Keyboard accelerators: Ctrl plus a letter or digit gives a command id. The main frame offers
// every key press to its table before the focused window sees it (platform/window/MessageQueue.h);
// a match whose menu item is greyed or disabled is swallowed without a command.

struct AccelEntry {
    char key = 0;      // 'A'..'Z' or '0'..'9' (lower-case letters are taken as upper case)
    int command = 0;   // command id sent to the frame
};

class AcceleratorTable {
public:
    AcceleratorTable() = default;
    explicit AcceleratorTable(std::vector<AccelEntry> entries);
    // The command for Ctrl + key, if any.
    std::optional<int> Lookup(char key) const;
    const std::vector<AccelEntry>& Entries() const { return entries_; }
    bool Empty() const { return entries_.empty(); }

private:
    std::vector<AccelEntry> entries_;
};

namespace platform {
// The accelerator resource with that id (LoadFrame loads it). Registering again replaces it.
void RegisterAcceleratorResource(int resourceId, std::vector<AccelEntry> entries);
std::optional<AcceleratorTable> FindAcceleratorResource(int resourceId);
}
