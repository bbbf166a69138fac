#pragma once

#include "display/ActivationList.h"
#include "display/FrameLink.h"
#include "physics/ChamberData.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A main frame for window tests: it records what the windows ask of it, in order, naming the
// windows it was told about, and keeps an activation list as the frame does.
class FakeFrameLink : public FrameLink {
public:
    void ActivateToolWindow(CWnd* window) override { log.push_back("activate " + Name(window)); }
    void ToolWindowClosed(CWnd* window, ClosedWindowPlace place) override
    {
        if (CWnd* next = activation.Closed(window, place))
            ActivateToolWindow(next);
    }
    void ToolWindowDestroyed(CWnd* window) override { activation.Remove(window); }
    void SetTrackmakerMode(int on) override { log.push_back("trackmaker " + std::to_string(on)); }
    bool TrackmakerActive() const override { return false; }
    void BringFrameToTop() override { log.push_back("frame to top"); }
    bool Rotating() const override { return rotating; }
    bool ShowValues() const override { return showValues; }
    const ChamberData& Conditions() const override { return conditions; }
    void MarkClipDirty() override { clipDirty = true; }
    double PerfFrequency() const override { return perfFrequency; }

    std::string Name(const CWnd* window) const
    {
        const auto it = names.find(window);
        return it == names.end() ? "?" : it->second;
    }

    std::vector<std::string> log;
    std::map<const CWnd*, std::string> names;
    ActivationList activation;
    bool rotating = false;
    bool showValues = false;
    bool clipDirty = false;
    double perfFrequency = 0.0;
    ChamberData conditions{500.0, 0.8, 0.6};
};
