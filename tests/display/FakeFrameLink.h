#pragma once

#include "display/FrameLink.h"
#include "physics/ChamberData.h"

#include <map>
#include <string>
#include <vector>

// A main frame for window tests: it records what the windows ask of it, in order, naming the
// windows it was told about.
class FakeFrameLink : public FrameLink {
public:
    FakeFrameLink() { frameLink = this; }
    ~FakeFrameLink() override { frameLink = nullptr; }

    void ActivateToolWindow(CWnd* window) override { log.push_back("activate " + Name(window)); }
    void SetTrackmakerMode(int on) override { log.push_back("trackmaker " + std::to_string(on)); }
    void BringFrameToTop() override { log.push_back("frame to top"); }
    bool Rotating() const override { return rotating; }
    bool ShowValues() const override { return showValues; }
    bool TrackmakerActive() const override { return false; }
    const ChamberData& Conditions() const override { return conditions; }

    std::string Name(const CWnd* window) const
    {
        const auto it = names.find(window);
        return it == names.end() ? "?" : it->second;
    }

    std::vector<std::string> log;
    std::map<const CWnd*, std::string> names;
    bool rotating = false;
    bool showValues = false;
    ChamberData conditions{500.0, 0.8, 0.6};
};
