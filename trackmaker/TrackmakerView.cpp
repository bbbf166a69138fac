#include "trackmaker/TrackmakerView.h"

#include "platform/seams/Clock.h"
#include "platform/window/ClientDC.h"
#include "platform/window/Controls.h"
#include "platform/window/MessageQueue.h"
#include "trackmaker/LorentzSlideCanvas.h"
#include "trackmaker/TrackmakerShowCanvas.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace {
constexpr Colour kTapeColour = Rgb(255, 0, 0);
}

TrackmakerView::TrackmakerView(LorentzSlideCanvas* fieldSlider, const Rect& area, double initialField,
                               double perfFrequency)
    : area(area),
      field(initialField),
      perfFrequency(perfFrequency),
      fieldSlider(fieldSlider),
      showCanvas(std::make_unique<TrackmakerShowCanvas>())
{
    showCanvas->SetView(this);
}

// The show canvas's window, a child of this one, is gone by now; the object goes with the view.
TrackmakerView::~TrackmakerView() = default;

bool TrackmakerView::InArea(int px, int py) const
{
    return px >= 0 && px <= area.Width() && py >= 0 && py <= area.Height();
}

int TrackmakerView::Step()
{
    flight.Step(field, charge);
    const int px = static_cast<int>(flight.x);
    const int py = static_cast<int>(flight.y);
    // Most steps end on the pixel where the previous one ended: their line would draw nothing.
    if (flightContext && Point{px, py} != flightPoint) {
        // The view may have scrolled since the last step: the track keeps its place.
        const Point scroll = GetDeviceScrollPosition();
        if (scroll != flightScroll) {
            flightContext->SetViewportOrg(-scroll.x, -scroll.y);
            flightScroll = scroll;
        }
        flightContext->LineTo(px, py);
        flightContext->Flush();
        flightPoint = {px, py};
    }
    return InArea(px, py) ? 1 : 0;
}

void TrackmakerView::ResetClock()
{
    flight.t = 0.0;
    timeLimit = field != 0.0 ? std::fabs(kRevolution / field) : std::numeric_limits<double>::infinity();
}

void TrackmakerView::Inject(int leftToRight)
{
    ClearArea();
    showCanvas->tapeShown = 0;
    const int y0 = area.Height() / 2;
    const int x0 = leftToRight ? 0 : area.Width();
    flight.Launch(x0, y0, leftToRight ? speed : -speed);
    revolutionCheckOff = 1;
    running = 1;
    flightContext = ScrolledContext();
    flightScroll = GetDeviceScrollPosition();
    flightContext->MoveTo(x0, y0);
    flightPoint = {x0, y0};
    flightContext->SelectStockObject(StockObject::WhitePen);
    inArea = 1;
    FlightPump pump(alive_);
    lastCounter = platform::QueryPerformanceCounter();
    while (inArea && running) {
        const int64_t start = lastCounter;
        inArea = Step();
        lastCounter = platform::QueryPerformanceCounter();
        // The next step lasts as long in simulation time as this one took in real time, the
        // handling of the messages that waited after the previous step included: that handling
        // costs far more than a step's drawing, and left out it would slow the particle down to
        // a crawl. So the particle covers 12.5 x speed pixels per second at the menu's factors.
        if (perfFrequency > 0.0)
            SetTimeStep(Flight::TimeStepFor(lastCounter - start, screenFactor, speed, perfFrequency));
        const FlightPump::Outcome outcome = pump.Run();
        if (outcome == FlightPump::Outcome::ViewDestroyed)
            return;
        if (outcome == FlightPump::Outcome::Dispatched)
            SetTimeStep(flight.dt * 0.5);
        CheckRevolution();
    }
    if (!inArea && !showCanvas->tapeShown)
        CaptureTrack();
    flightContext.reset();
    running = 0;
}

// A quit request is posted again for the program's own loop, and the flight goes on; every
// other message is handled as usual. A handler may destroy the view (its window closed with the
// program): then the flight must not touch it any more.
TrackmakerView::FlightPump::FlightPump(const std::shared_ptr<int>& viewAlive)
    : alive_(viewAlive),
      inspect_([this](const Msg& message) {
          if (message.kind == MessageKind::Quit) {
              PostQuitMessage(message.exitCode);
              return PumpAction::StopPumping;
          }
          dispatched_ = true;
          return PumpAction::Dispatch;
      })
{
}

TrackmakerView::FlightPump::Outcome TrackmakerView::FlightPump::Run()
{
    dispatched_ = false;
    platform::PumpWaitingMessages(inspect_);
    if (alive_.expired())
        return Outcome::ViewDestroyed;
    return dispatched_ ? Outcome::Dispatched : Outcome::Quiet;
}

// Armed by Clear or by letting go of the field slider: after one revolution the circle is
// captured and the tape may measure it.
void TrackmakerView::CheckRevolution()
{
    if (revolutionCheckOff || !(flight.t > timeLimit) || showCanvas->tapeShown)
        return;
    CaptureTrack();
    showCanvas->AllowMeasuring(1);
    revolutionCheckOff = 1;
}

std::unique_ptr<CDC> TrackmakerView::ScrolledContext()
{
    auto dc = std::make_unique<CClientDC>(this);
    const Point scroll = GetDeviceScrollPosition();
    dc->SetViewportOrg(-scroll.x, -scroll.y);
    return dc;
}

void TrackmakerView::PaintArea()
{
    if (!trackCaptured && backBuffer)
        backBuffer->FillSolidRect(area, colours::kBlack);
}

void TrackmakerView::ClearArea()
{
    trackCaptured = 0;
    PaintArea();
    if (backBuffer && IsWindow()) {
        const std::unique_ptr<CDC> screen = ScrolledContext();
        screen->BitBlt(area.left, area.top, area.Width(), area.Height(), backBuffer.get(), area.left, area.top,
                       RasterOp::SrcCopy);
    }
    showCanvas->tapeShown = 0;
    showCanvas->distance = 0.0;
    ShowDistance(0.0);
}

void TrackmakerView::CaptureTrack()
{
    if (!backBuffer || !IsWindow())
        return;
    std::unique_ptr<CDC> ownContext;
    CDC* screen = flightContext.get();
    if (!running || !screen) {
        ownContext = ScrolledContext();
        screen = ownContext.get();
    }
    const Rect visible = screen->GetClipBox();
    backBuffer->BitBlt(visible.left, visible.top, visible.Width(), visible.Height(), screen, visible.left,
                       visible.top, RasterOp::SrcCopy);
    trackCaptured = 1;
}

std::string TrackmakerView::DistanceText(double d)
{
    char text[64];
    std::snprintf(text, sizeof text, "D = %3.1f", d);
    return text;
}

void TrackmakerView::DrawDistance(double d)
{
    backBuffer->FillSolidRect(distanceRect, colours::kWhite);
    backBuffer->SetTextColor(colours::kBlack);
    backBuffer->SetBkColor(colours::kWhite);
    backBuffer->SetBkMode(BackgroundMode::Opaque);
    backBuffer->DrawText(DistanceText(d), distanceRect, kTextCentre | kTextSingleLine);
}

void TrackmakerView::ShowDistance(double d)
{
    if (!backBuffer)
        return;
    DrawDistance(d);
    if (!IsWindow())
        return;
    const std::unique_ptr<CDC> screen = ScrolledContext();
    screen->BitBlt(distanceRect.left, distanceRect.top, distanceRect.Width(), distanceRect.Height(), backBuffer.get(),
                   distanceRect.left, distanceRect.top, RasterOp::SrcCopy);
}

void TrackmakerView::DrawBackBuffer()
{
    backBuffer->FillSolidRect({area.right, 0, bufferWidth, bufferHeight}, colours::kWhite);
    PaintArea();
    if (fieldSlider)
        fieldSlider->Draw(backBuffer.get());
    DrawDistance(showCanvas->distance);
}

void TrackmakerView::OnDraw(CDC* target)
{
    if (palette) {
        target->SelectPalette(palette, false);
        target->RealizePalette();
    }
    DoubleBufferView::OnDraw(target);
    if (showCanvas->distance == 0.0)
        return;
    CPen pen(PenStyle::Solid, 1, kTapeColour);
    CPen* previous = target->SelectObject(&pen);
    target->MoveTo(showCanvas->tape.start.x, showCanvas->tape.start.y);
    target->LineTo(showCanvas->tape.end.x, showCanvas->tape.end.y);
    target->SelectObject(previous);
}

// Clear during a flight wipes the track so far and arms the one-revolution test: the circle
// that follows is captured once the particle has gone round it.
bool TrackmakerView::OnCommand(int id, int code, CWnd* control)
{
    if (id != kClearCommand || code != BN_CLICKED)
        return DoubleBufferView::OnCommand(id, code, control);
    ClearArea();
    showCanvas->AllowMeasuring(0);
    ResetClock();
    revolutionCheckOff = 0;
    return true;
}

void TrackmakerView::OnLButtonUp(unsigned, Point)
{
    if (fieldSlider)
        fieldSlider->armed = 1;
}
