#pragma once

// Windows that record the notices they receive, for the window, pump and menu tests.

#include "platform/window/ClientDC.h"
#include "platform/window/FrameWnd.h"
#include "platform/testing/InputSimulation.h"
#include "platform/window/ScrollView.h"
#include "platform/window/Wnd.h"

#include <string>
#include <vector>

namespace windowtest {

inline Colour ColourAt(const CWnd& window, Point client)
{
    const Rect area = window.ClientAreaInTopLevel();
    return FromPixel(window.TopLevelImage()->At(area.left + client.x, area.top + client.y));
}

struct Activation {
    unsigned state;
    const CWnd* other;
};

struct MouseNotice {
    std::string kind;
    Point point;
};

// A top-level window or child that logs its notices.
class RecordingWnd : public CWnd {
public:
    bool CreateTopLevel(const std::string& title, Rect outer, unsigned style = WS_OVERLAPPEDWINDOW, CWnd* owner = nullptr)
    {
        return CreateEx(0, "", title, style, outer.left, outer.top, outer.Width(), outer.Height(), owner);
    }
    bool CreateChild(CWnd* parent, Rect rect, int id = 1)
    {
        return Create("", "", WS_CHILD | WS_VISIBLE, rect, parent, id);
    }

    int OnCreate(const CreateStruct& create) override
    {
        ++creates;
        return failCreate ? -1 : CWnd::OnCreate(create);
    }
    void OnPaint() override
    {
        ++paints;
        CPaintDC dc(this);
        Rect client;
        GetClientRect(&client);
        dc.FillSolidRect(client, paintColour);
    }
    bool OnEraseBkgnd(CDC* dc) override
    {
        ++erases;
        return CWnd::OnEraseBkgnd(dc);
    }
    void OnSize(unsigned type, int cx, int cy) override
    {
        sizes.push_back({cx, cy});
        CWnd::OnSize(type, cx, cy);
    }
    void OnGetMinMaxInfo(MinMaxInfo* info) override
    {
        ++limitQueries;
        if (limitSizes) {
            info->ptMinTrackSize = {minSize.width, minSize.height};
            info->ptMaxTrackSize = {maxSize.width, maxSize.height};
        }
    }
    void OnActivate(unsigned state, CWnd* other, bool minimized) override
    {
        activations.push_back({state, other});
        CWnd::OnActivate(state, other, minimized);
    }
    int OnMouseActivate(CWnd* desktop, unsigned hitTest, unsigned message) override
    {
        ++mouseActivations;
        return mouseActivateAnswer ? mouseActivateAnswer : CWnd::OnMouseActivate(desktop, hitTest, message);
    }
    void OnWindowPosChanged(const WindowPos* position) override { positions.push_back(*position); }
    void OnClose() override
    {
        ++closes;
        if (hideOnClose)
            ShowWindow(SW_HIDE);
        else
            CWnd::OnClose();
    }
    void OnDestroy() override { ++destroys; }
    void PostNcDestroy() override { ++ncDestroys; }
    void OnLButtonDown(unsigned, Point point) override
    {
        mouse.push_back({"down", point});
        if (captureOnPress)
            SetCapture();
    }
    void OnMouseMove(unsigned, Point point) override { mouse.push_back({"move", point}); }
    void OnLButtonUp(unsigned, Point point) override
    {
        mouse.push_back({"up", point});
        if (GetCapture() == this)
            ReleaseCapture();
    }
    bool OnCommand(int id, int code = 0, CWnd* control = nullptr) override
    {
        commands.push_back(id);
        notices.push_back({id, code, control});
        return true;
    }
    void OnHScroll(unsigned code, unsigned position, CWnd* scrollBar) override
    {
        scrolls.push_back({int(code), int(position), scrollBar});
    }

    Colour paintColour = Rgb(255, 0, 0);
    bool failCreate = false;
    bool limitSizes = false;
    Size minSize;
    Size maxSize;
    bool hideOnClose = false;
    bool captureOnPress = false;
    int mouseActivateAnswer = 0;

    int creates = 0;
    int paints = 0;
    int erases = 0;
    int limitQueries = 0;
    int mouseActivations = 0;
    int closes = 0;
    int destroys = 0;
    int ncDestroys = 0;
    std::vector<Size> sizes;
    std::vector<Activation> activations;
    std::vector<WindowPos> positions;
    std::vector<MouseNotice> mouse;
    std::vector<int> commands;
    // Notices of controls: WM_COMMAND's id, code and control; OnHScroll's code, position and
    // track bar.
    struct ControlNotice {
        int id;
        int code;
        const CWnd* control;
        friend bool operator==(const ControlNotice&, const ControlNotice&) = default;
    };
    std::vector<ControlNotice> notices;
    std::vector<ControlNotice> scrolls;
};

// A frame that records its commands and is not deleted when its window goes.
class RecordingFrame : public CFrameWnd {
public:
    bool OnCommand(int id, int = 0, CWnd* = nullptr) override
    {
        commands.push_back(id);
        if (onCommand)
            onCommand(id);
        return true;
    }
    void PostNcDestroy() override { ++ncDestroys; }

    std::function<void(int)> onCommand;
    std::vector<int> commands;
    int ncDestroys = 0;
};

} // namespace windowtest
