#pragma once

#include "platform/window/Controls.h"

#include <memory>

class ProjectorView;

// The Projector's strip of controls: three plane buttons, the zoom list and the tools list. It
// paints nothing of its own: it shows its part of the view's back buffer, so the view's readout
// appears between the controls. It deletes itself when its window is destroyed.
class ProjectorControlCanvas : public CWnd {
public:
    static constexpr int kXYButtonId = 155;
    static constexpr int kYZButtonId = 156;
    static constexpr int kXZButtonId = 157;
    static constexpr int kZoomListId = 158;
    static constexpr int kToolsListId = 159;

    ProjectorControlCanvas();
    ~ProjectorControlCanvas() override;

    // Makes the controls with "X-Y Plane" on, "1" zoom and the "Tape" tool.
    void CreateControls();
    void SetView(ProjectorView* owner) { view = owner; }

    bool OnCommand(int id, int code, CWnd* control) override;
    void OnPaint() override;
    void PostNcDestroy() override;

    ProjectorView* view = nullptr;
    CButton xyButton;
    CButton yzButton;
    CButton xzButton;
    CComboBox zoomList;
    CStatic zoomLabel;
    CStatic toolsLabel;
    CComboBox toolsList;
};
