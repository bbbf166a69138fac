#include "shell/Session.h"

#include "eventfile/EventFileReader.h"
#include "eventfile/EventFileWriter.h"
#include "physics/ChamberEvent.h"

#include <cassert>
#include <cmath>
#include <utility>

namespace {

constexpr double kStartLengthCm = 500.0;
constexpr double kStartFieldKG = 0.8;
constexpr double kStartEnergyMeV = 0.6;

// The Trackmaker's speeds, pixels per simulation unit, in the order of Speed.
constexpr double kSpeedPixels[] = {20.0, 40.0, 60.0};
// The screen factor of the 2V speed, 40: the particle covers 12.5 x speed pixels per second.
constexpr double kReferenceSpeed = 40.0;

} // namespace

Session::Session() : camera(ScreenCamera::ForChamber()) {}

Session::~Session() = default;

void Session::StartLesson(uint32_t seed, int number) { lesson.Start(seed, number); }

void Session::StartConditions()
{
    conditions = ChamberData(kStartLengthCm, kStartFieldKG, kStartEnergyMeV);
    pendingConditions = ChamberDataHolder(conditions);
}

void Session::StartSelections()
{
    axis = Axis::X;
    monitor = Monitor::Chamber;
    resetEachEvent = false;
    showValues = true;
    showAxes = true;
    rotating = false;
    slowMotion = false;
    direction = Direction::LeftToRight;
    particle = TrackmakerParticle::Electron;
    speed = Speed::TwoV;
    decay = DecayType::Type1;
    hasEvent = false;
}

std::string Session::UntitledName(DecayType type)
{
    return "Untitled Type " + std::to_string(int(type)) + " Decay";
}

std::optional<std::string> Session::PrepareEvent(EventSource source)
{
    rotating = false;
    if (conditions.Changed())
        conditions.CopyConditions(pendingConditions);
    if (resetEachEvent)
        camera.ResetOrientation();
    if (source == EventSource::Installed)
        return std::nullopt;
    event.reset();
    shownNumber.reset();
    const int number = lesson.NextNumber(int(decay));
    event = lesson.Next(int(decay), conditions);
    if (!event)
        return std::nullopt;
    shownNumber = EventNumber{lesson.Seed(), decay, number};
    return UntitledName(decay);
}

void Session::EventShown()
{
    hasEvent = true;
    firstPlay = true;
}

void Session::InstallReadEvent(const StoredEvent& stored, std::shared_ptr<ChamberEvent> read)
{
    if (stored.kind == FileKind::W) {
        pendingConditions.CopyConditions(stored.conditions);
    } else {
        pendingConditions.SetL(stored.conditions.L());
        pendingConditions.SetB(stored.conditions.B());
        pendingConditions.SetT(stored.conditions.T());
    }
    conditions.MarkChanged();
    event.reset();
    event = std::move(read);
    shownNumber.reset();
    // A file's event shows as its handout does: from the chamber's starting orientation.
    camera.ResetOrientation();
}

bool Session::ShowFieldPositive()
{
    if (!(pendingConditions.B() < 0.0))
        return false;
    pendingConditions.SetB(-pendingConditions.B());
    return true;
}

std::optional<WriteFailure> Session::Save(const std::string& path) const
{
    assert(event && "Save needs an event: Save As is greyed until New Event has shown one");
    if (!event)
        return std::nullopt;
    return SaveEventFile(path, conditions, PointsOf(event->Points()));
}

void Session::SetRotationDirection(bool reverse)
{
    rotationStep = reverse ? -std::fabs(rotationStep) : std::fabs(rotationStep);
    reverseRotation = reverse;
}

void Session::TurnCamera() { camera.Rotate(camera.axis, rotationStep); }

void Session::NextRotationStep(int64_t frameStart)
{
    const double ticks = double(lastFrameEnd - frameStart);
    const double step = perfFrequency > 0.0 ? ticks * rotationRate / perfFrequency : 0.0;
    rotationStep = reverseRotation ? -step : step;
}

void Session::SelectAxis(Axis chosen)
{
    axis = chosen;
    camera.axis = ScreenCamera::kAxisX + int(chosen);
}

double Session::SelectSpeed(Speed chosen)
{
    speed = chosen;
    const double pixels = kSpeedPixels[int(chosen)];
    screenFactorBase = kStartScreenFactor * pixels / kReferenceSpeed;
    return pixels;
}

void Session::Activate(CWnd* window)
{
    activeToolWindow = window;
    activationList.Activated(window);
}

CWnd* Session::WindowClosed(CWnd* window, ClosedWindowPlace place) { return activationList.Closed(window, place); }

void Session::Forget(const CWnd* window)
{
    activationList.Remove(window);
    if (activeToolWindow == window)
        activeToolWindow = nullptr;
}

void Session::Exit()
{
    event.reset();
    activationList.Clear();
}
