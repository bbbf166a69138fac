#include "controls/ChamberControlWindow.h"

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

// The B slider reads its track from the left 47 columns of the track picture, L and T from the
// 44 x 161 rectangle at (50, 16).
constexpr ChamberSliderLayout kBLayout{{{87, 217}, 47, 177, kOpaqueWidth}, kXOffset, {26, 24}, {0, 0}, 102};
constexpr ChamberSliderLayout kLLayout{{{84, 201}, 44, 161, kOpaqueWidth}, kXOffset, {262, 40}, {50, 16}, 100};
constexpr ChamberSliderLayout kTLayout{{{84, 201}, 44, 161, kOpaqueWidth}, kXOffset, {147, 40}, {50, 16}, 101};

// The labels under the sliders, black lettering on white.
struct LabelPicture {
    int bitmap;
    int x;
};
constexpr LabelPicture kLabels[] = {{162, 32}, {161, 158}, {160, 274}};

constexpr Rect kRangeListRect{140, 10, 240, 200};

ChamberSlideCanvas* MakeSlider(const ChamberSliderLayout& layout, const ChamberQuantity& quantity, CDC* background,
                               const KnobDescription& knob, ChamberDataHolder& holder)
{
    auto* slider = new ChamberSlideCanvas(background, knob, layout, quantity, holder);
    slider->SetPosition(layout.position.x, layout.position.y);
    slider->SetBackgroundOffset(layout.backgroundOffset.x, layout.backgroundOffset.y);
    return slider;
}

} // namespace

ChamberControlsView::ChamberControlsView(ChamberSlideCanvas* lSlider, ChamberSlideCanvas* tSlider,
                                         ChamberSlideCanvas* bSlider, CComboBox* rangeList, CPalette* palette)
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
    for (ChamberSlideCanvas* slider : {lSlider_, tSlider_, bSlider_})
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

CChamberControlWindow::CChamberControlWindow(FrameLink& frame) : ToolWindow(frame, {kMinTrackSize, kMaxTrackSize}) {}
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
    const std::array<std::pair<ChamberSlideCanvas*, int>, 3> windows{
        {{lSlider, kLLayout.id}, {tSlider, kTLayout.id}, {bSlider, kBLayout.id}}};
    for (const auto& [slider, id] : windows)
        slider->Create(childClass, "", WS_CHILD | WS_VISIBLE, slider->frame, controlsView, id);
    clickThrough = 1;
    for (ChamberSlideCanvas* slider : Sliders())
        if (!slider->windowContext)
            slider->CreateDrawingContext();
    controlsView->clearHeight = controlsView->bufferHeight;
    CreateRangeList();
    {
        CClientDC reference(this);
        controlsView->CreateBackBuffer(&reference);
    }
    for (ChamberSlideCanvas* slider : Sliders()) {
        slider->SetBackBuffer(controlsView->backBuffer.get());
        slider->PrepareKnob();
    }
    controlsView->clearHeight = ChamberControlsView::kSliderRows;
    DrawLabels();
    CreateValueFont();
    // The B slider's text takes the same font, so the three values read alike.
    for (ChamberSlideCanvas* slider : Sliders())
        slider->SetFont(&font);
    tSlider->SetRangeList(rangeList);
    tSlider->SetValue(holder->T());
}

std::array<ChamberSlideCanvas*, 3> CChamberControlWindow::Sliders() const { return {lSlider, tSlider, bSlider}; }

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
    bSlider = MakeSlider(kBLayout, kFieldQuantity, &backgroundSurface, knob, *holder);
    lSlider = MakeSlider(kLLayout, kLengthQuantity, &backgroundSurface, knob, *holder);
    tSlider = MakeSlider(kTLayout, kEnergyQuantity, &backgroundSurface, knob, *holder);
    if (hasPalette)
        for (ChamberSlideCanvas* slider : Sliders())
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
    for (ChamberSlideCanvas* slider : {tSlider, lSlider, bSlider})
        slider->ShowCondition(data);
    Invalidate(true);
    if (controlsView)
        controlsView->Invalidate(true);
}

bool CChamberControlWindow::OnKeyDown(int key)
{
    if (key != VK_TAB || !bSlider || !tSlider || !lSlider || !rangeList)
        return false;
    const std::array<ChamberSlideCanvas*, 3> sliders{bSlider, tSlider, lSlider};
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

int CChamberControlWindow::OnMouseActivate(CWnd*, unsigned, unsigned)
{
    if (clickThrough)
        return MA_ACTIVATE;
    clickThrough = 1;
    return MA_ACTIVATEANDEAT;
}
