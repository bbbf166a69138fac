#include "controls/ChamberControlWindow.h"

#include "display/FrameLink.h"
#include "physics/ChamberData.h"
#include "platform/gfx/Screen.h"
#include "platform/window/ClientDC.h"
#include "platform/window/Controls.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <utility>

namespace {

constexpr int kOpaqueWidth = 18;
constexpr int kXOffset = 20;
constexpr int kLabelTop = 224;
constexpr int kFontPoints = 8;

// One slider of the window: where it stands and what it reads of the track picture.
struct SliderLayout {
    Size canvas;
    int trackWidth;
    int trackHeight;
    Point position;
    int id;
    Point backgroundOffset;
};
constexpr SliderLayout kBLayout{{87, 217}, 47, 177, {26, 24}, 102, {0, 0}};
constexpr SliderLayout kLLayout{{84, 201}, 44, 161, {262, 40}, 100, {50, 16}};
constexpr SliderLayout kTLayout{{84, 201}, 44, 161, {147, 40}, 101, {50, 16}};

// The labels under the sliders, black lettering on white.
struct LabelPicture {
    int bitmap;
    int x;
};
constexpr LabelPicture kLabels[] = {{162, 32}, {161, 158}, {160, 274}};

constexpr Rect kRangeListRect{140, 10, 240, 200};

template <typename Slider>
Slider* MakeSlider(const SliderLayout& layout, CDC* background, const KnobDescription& knob, double initial,
                   double minimum, double range, const char* prefix, const char* suffix, ChamberDataHolder& holder)
{
    auto* slider = new Slider(background, knob, layout.canvas, layout.trackWidth, layout.trackHeight - knob.height,
                              kOpaqueWidth, layout.trackHeight, initial, minimum, range, prefix, suffix, kXOffset,
                              holder);
    slider->SetPosition(layout.position.x, layout.position.y);
    slider->SetBackgroundOffset(layout.backgroundOffset.x, layout.backgroundOffset.y);
    return slider;
}

} // namespace

ChamberControlsView::ChamberControlsView(ChamberLSlideCanvas* lSlider, ChamberESlideCanvas* tSlider,
                                         ChamberBSlideCanvas* bSlider, CComboBox* rangeList, CPalette* palette)
    : lSlider_(lSlider), tSlider_(tSlider), bSlider_(bSlider), rangeList_(rangeList), palette_(palette)
{
}

void ChamberControlsView::OnDraw(CDC* target)
{
    if (palette_) {
        target->SelectPalette(palette_, false);
        target->RealizePalette();
    }
    DoubleBufferView::OnDraw(target);
}

void ChamberControlsView::DrawBackBuffer()
{
    backBuffer->FillSolidRect({0, 0, bufferWidth, clearHeight}, colours::kWhite);
    for (SlideCanvas* slider : std::array<SlideCanvas*, 3>{lSlider_, tSlider_, bSlider_})
        slider->Draw(backBuffer.get());
}

void ChamberControlsView::DrawDirect(CDC*) {}

bool ChamberControlsView::OnCommand(int id, int code, CWnd* control)
{
    if (id != kRangeListId || code != CBN_SELCHANGE)
        return DoubleBufferView::OnCommand(id, code, control);
    tSlider_->SelectRange(rangeList_->GetCurSel());
    return true;
}

CChamberControlWindow::CChamberControlWindow() = default;
CChamberControlWindow::~CChamberControlWindow() = default;

void CChamberControlWindow::CreateView()
{
    assert(holder && "give the window the pending conditions (SetHolder) before CreateView");
    if (!holder)
        return;
    const std::string childClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, CursorShape::Arrow);
    LoadPictures();
    CreateSliders();
    ownedRangeList_ = std::make_unique<CComboBox>();
    rangeList = ownedRangeList_.get();
    controlsView = new ChamberControlsView(lSlider, tSlider, bSlider, rangeList, hasPalette ? &palette : nullptr);
    if (!AttachView(controlsView, kPictureWidth, kPictureHeight)) {
        controlsView = nullptr;
        return;
    }
    const std::array<std::pair<SlideCanvas*, int>, 3> windows{
        {{lSlider, kLLayout.id}, {tSlider, kTLayout.id}, {bSlider, kBLayout.id}}};
    for (const auto& [slider, id] : windows)
        slider->Create(childClass, "", WS_CHILD | WS_VISIBLE, slider->frame, controlsView, id);
    clickThrough = 1;
    for (SlideCanvas* slider : Sliders())
        if (!slider->windowContext)
            slider->CreateDrawingContext();
    controlsView->clearHeight = controlsView->bufferHeight;
    CreateRangeList();
    {
        CClientDC reference(this);
        controlsView->CreateBackBuffer(&reference);
    }
    for (SlideCanvas* slider : Sliders()) {
        slider->SetBackBuffer(controlsView->backBuffer.get());
        slider->PrepareKnob();
    }
    controlsView->clearHeight = ChamberControlsView::kSliderRows;
    DrawLabels();
    CreateValueFont();
    // The B slider's text takes the same font, so the three values read alike.
    for (DisplayValSlideCanvas* slider : std::array<DisplayValSlideCanvas*, 3>{lSlider, tSlider, bSlider})
        slider->SetFont(&font);
    tSlider->SetRangeList(rangeList);
    tSlider->SetValue(holder->T());
}

std::array<SlideCanvas*, 3> CChamberControlWindow::Sliders() const { return {lSlider, tSlider, bSlider}; }

void CChamberControlWindow::LoadPictures()
{
    const TrackPicture track = LoadSliderPictures(*this, kKnobBitmap, knobBitmap, knobSurface, kTrackBitmap,
                                                  backgroundBitmap, backgroundSurface, palette);
    hasPalette = track == TrackPicture::SectionWithPalette ? 1 : 0;
}

void CChamberControlWindow::CreateSliders()
{
    const Size knobSize = knobBitmap.GetSize();
    const KnobDescription knob{&knobSurface, knobSize.height, knobSize.width, 0};
    bSlider = MakeSlider<ChamberBSlideCanvas>(kBLayout, &backgroundSurface, knob, holder->B(), 0.0, 2.0, "B =", " kG",
                                              *holder);
    lSlider = MakeSlider<ChamberLSlideCanvas>(kLLayout, &backgroundSurface, knob, holder->L() * 0.01, 1.0, 9.0, "L =",
                                              " m", *holder);
    tSlider = MakeSlider<ChamberESlideCanvas>(kTLayout, &backgroundSurface, knob, 0.1, 0.1, 0.9, "T =", " MeV",
                                              *holder);
    if (hasPalette)
        for (SlideCanvas* slider : Sliders())
            slider->SetPalette(&palette);
}

void CChamberControlWindow::CreateRangeList()
{
    rangeList->Create("", WS_CHILD | WS_VISIBLE | WS_BORDER | CBS_DROPDOWNLIST, kRangeListRect, controlsView,
                      ChamberControlsView::kRangeListId);
    for (const EnergyRange& range : kEnergyRanges)
        rangeList->AddString(range.entry);
}

void CChamberControlWindow::DrawLabels()
{
    CDC* buffer = controlsView->backBuffer.get();
    buffer->FillSolidRect({0, 0, controlsView->bufferWidth, controlsView->bufferHeight}, colours::kWhite);
    for (const LabelPicture& label : kLabels) {
        CBitmap bitmap;
        CDC source;
        if (!bitmap.LoadBitmap(label.bitmap) || !source.CreateCompatibleDC(buffer))
            continue;
        source.SelectObject(&bitmap);
        const Size size = bitmap.GetSize();
        buffer->BitBlt(label.x, kLabelTop, size.width, size.height, &source, 0, 0, RasterOp::SrcCopy);
    }
}

void CChamberControlWindow::CreateValueFont()
{
    const int height = -(platform::CurrentScreen().logPixelsY * kFontPoints / 72);
    font.CreateFont(height, 0, 0, 0, 400, false, false, false, 0, 0, 0, 0, 0, "MS Sans Serif");
}

void CChamberControlWindow::UpdateFromChamber(const ChamberData& data)
{
    if (!tSlider || !lSlider || !bSlider)
        return;
    tSlider->SetValue(data.T());
    lSlider->SetValue(data.L() * 0.01);
    bSlider->SetValue(data.B());
    Invalidate(true);
    if (controlsView)
        controlsView->Invalidate(true);
}

bool CChamberControlWindow::OnKeyDown(int key)
{
    if (key != VK_TAB || !bSlider || !tSlider || !lSlider || !rangeList)
        return false;
    const std::array<DisplayValSlideCanvas*, 3> sliders{bSlider, tSlider, lSlider};
    const CWnd* focus = CWnd::GetFocus();
    const auto at = std::find(sliders.begin(), sliders.end(), focus);
    // After the last slider comes the list; after the list, or from elsewhere, the first slider.
    if (at + 1 == sliders.end())
        rangeList->SetFocus();
    else if (at == sliders.end())
        sliders.front()->FocusFromKeyboard();
    else
        (*(at + 1))->FocusFromKeyboard();
    return true;
}

void CChamberControlWindow::OnGetMinMaxInfo(MinMaxInfo* info)
{
    CScrollWindow::OnGetMinMaxInfo(info);
    info->ptMinTrackSize = kMinTrackSize;
    info->ptMaxTrackSize = kMaxTrackSize;
}

void CChamberControlWindow::OnClose()
{
    ShowWindow(SW_HIDE);
    UpdateActivationAfterClose(this, ClosedWindowPlace::BackOfList);
    if (frameLink)
        frameLink->BringFrameToTop();
}

void CChamberControlWindow::OnWindowPosChanged(const WindowPos* position)
{
    if (frameLink)
        frameLink->SetTrackmakerMode(0);
    CScrollWindow::OnWindowPosChanged(position);
}

void CChamberControlWindow::OnActivate(unsigned state, CWnd* other, bool minimized)
{
    if (state != WA_INACTIVE) {
        if (frameLink)
            frameLink->ActivateToolWindow(this);
    } else {
        clickThrough = 0;
    }
    CScrollWindow::OnActivate(state, other, minimized);
}

int CChamberControlWindow::OnMouseActivate(CWnd*, unsigned, unsigned)
{
    if (clickThrough)
        return MA_ACTIVATE;
    clickThrough = 1;
    return MA_ACTIVATEANDEAT;
}

void CChamberControlWindow::OnPaletteChanged(CWnd* focusWindow)
{
    RealiseOnPaletteChanged(*this, hasPalette ? &palette : nullptr, focusWindow);
}

bool CChamberControlWindow::OnQueryNewPalette() { return RealiseOnQueryNewPalette(*this, hasPalette ? &palette : nullptr); }
