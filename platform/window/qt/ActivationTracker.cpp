#include "platform/window/qt/ActivationTracker.h"

#include "platform/window/qt/WndPrivate.h"

#include <QDateTime>
#include <QMenuBar>
#include <QScrollBar>

#include <algorithm>
#include <utility>

namespace platform::detail {

namespace {

// How long a request to activate a window waits for Qt's echo before it is forgotten (ms).
constexpr qint64 kActivationEchoWindow = 3000;
// How soon after a window manager activated a window its activating click arrives (ms).
constexpr qint64 kWindowManagerClickWindow = 500;

// Hit-test codes of the parts of a window a press may land on.
constexpr unsigned kHitMenu = 5;
constexpr unsigned kHitHorizontalScroll = 6;
constexpr unsigned kHitVerticalScroll = 7;

unsigned HitTest(const QObject* receiver)
{
    if (dynamic_cast<const ClientWidget*>(receiver))
        return HTCLIENT;
    if (auto* bar = qobject_cast<const QScrollBar*>(receiver))
        return bar->orientation() == Qt::Horizontal ? kHitHorizontalScroll : kHitVerticalScroll;
    if (qobject_cast<const QMenuBar*>(receiver))
        return kHitMenu;
    return 0;
}

} // namespace

bool ActivationTracker::MoveActivation(CWnd* window, unsigned how)
{
    CWnd* previous = active_;
    active_ = window;
    if (WndPrivate* p = WndPrivate::Of(previous); p && p->Exists())
        previous->OnActivate(WA_INACTIVE, window, false);
    if (window == nullptr || active_ != window)
        return false;
    window->OnActivate(how, previous, false);
    return true;
}

void ActivationTracker::AwaitEcho(CWnd* window) { echoes_.emplace_back(window, QDateTime::currentMSecsSinceEpoch()); }

bool ActivationTracker::TakeEcho(CWnd* window)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    std::erase_if(echoes_, [now](const auto& r) { return now - r.second > kActivationEchoWindow; });
    const auto echo = std::find_if(echoes_.begin(), echoes_.end(), [window](const auto& r) { return r.first == window; });
    if (echo == echoes_.end())
        return false;
    echoes_.erase(echoes_.begin(), echo + 1);
    // One report answers every request still waiting for the same window.
    std::erase_if(echoes_, [window](const auto& r) { return r.first == window; });
    return true;
}

void ActivationTracker::SetActive(CWnd* window, unsigned how)
{
    if (window == active_ || !MoveActivation(window, how))
        return;
    WndPrivate* d = WndPrivate::Of(window);
    if (d->Exists() && d->Outer()->isVisible()) {
        AwaitEcho(window);
        d->Outer()->activateWindow();
    }
}

void ActivationTracker::QtActivated(CWnd* window)
{
    if (TakeEcho(window) || window == active_)
        return;
    CWnd* previous = active_;
    if (MoveActivation(window, WA_ACTIVE))
        outside_ = {window, previous, QDateTime::currentMSecsSinceEpoch()};
}

bool ActivationTracker::TakeOutsideActivation(CWnd* window, CWnd*& previous)
{
    const OutsideActivation record = std::exchange(outside_, {});
    previous = record.previous;
    return record.window == window && QDateTime::currentMSecsSinceEpoch() - record.at <= kWindowManagerClickWindow;
}

void ActivationTracker::ExpectQtActivation(CWnd* window) { AwaitEcho(window); }

void ActivationTracker::GiveBackKeyboard()
{
    WndPrivate* d = WndPrivate::Of(active_);
    if (d == nullptr || !d->Exists() || !d->Outer()->isVisible())
        return;
    AwaitEcho(active_);
    d->Outer()->activateWindow();
}

bool ActivationTracker::MouseActivate(QWidget* widget, bool leftPress)
{
    CWnd* window = WndPrivate::FromWidget(widget);
    CWnd* top = window ? window->GetTopLevelParent() : nullptr;
    CWnd* before = nullptr;
    const bool activatedByThisClick = top != nullptr && TakeOutsideActivation(top, before);
    if (top == nullptr || (top == active_ && !activatedByThisClick))
        return false;
    const int answer = top->OnMouseActivate(CWnd::GetDesktopWindow(), HitTest(widget), leftPress ? WM_LBUTTONDOWN : 0);
    if ((answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) && WndPrivate::Of(top)->Exists()) {
        if (top == active_)
            top->OnActivate(WA_CLICKACTIVE, before, false);
        else
            SetActive(top, WA_CLICKACTIVE);
    }
    return answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT;
}

void ActivationTracker::Forget(CWnd* window)
{
    if (active_ == window)
        active_ = nullptr;
    if (outside_.window == window || outside_.previous == window)
        outside_ = {};
    std::erase_if(echoes_, [window](const auto& r) { return r.first == window; });
}

} // namespace platform::detail
