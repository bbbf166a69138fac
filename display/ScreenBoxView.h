#pragma once

#include "display/ChamberPicture.h"
#include "display/DoubleBufferView.h"
#include "display/ScreenBox.h"
#include "display/ScrollWindow.h"

#include <memory>

// A view of the wire-frame box on black.
class ScreenBoxView : public DoubleBufferView {
public:
    // size: edge of the cube in display units; the camera is shared, not owned.
    ScreenBoxView(double size, ScreenCamera& camera);
    ~ScreenBoxView() override;

    // Black over the whole picture, then the box.
    void DrawBackBuffer() override;
    void CreateBackBuffer(CDC* target) override;

    ScreenBox& Box() { return *box; }

protected:
    // For views that draw a richer box (the chamber).
    explicit ScreenBoxView(std::unique_ptr<ScreenBox> ownBox);

    std::unique_ptr<ScreenBox> box;

private:
    BoxPictureInk ink_; // only DrawBackBuffer draws on the back buffer
};

// A tool window showing a ScreenBoxView.
class CScreenBoxWindow : public CScrollWindow {
public:
    CScreenBoxWindow();
    ~CScreenBoxWindow() override;

    using CScrollWindow::CreateView;
    // Creates a ScreenBoxView of the cube of edge size, seen through camera, with a 500 x 500
    // picture, as the visible pane.
    virtual void CreateView(double size, ScreenCamera& camera);
};
