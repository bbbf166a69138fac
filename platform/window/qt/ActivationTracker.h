#pragma once

// Which top-level window is active. Included by platform/*.cpp only.

#include <QtGlobal>

#include <utility>
#include <vector>

class CWnd;
class QWidget;

namespace platform::detail {

// The active top-level window. The program's changes take effect at once (OnActivate to the
// window losing and the window gaining activation) and are asked of Qt; Qt's reports that follow
// are their echoes and are ignored, while Qt's other reports (the user, the window manager) are
// followed.
class ActivationTracker {
public:
    CWnd* Active() const { return active_; }

    // Makes window the active one (null: none) and asks Qt to activate it.
    void SetActive(CWnd* window, unsigned how);
    // Qt reports that window became active: ours to follow unless it is the echo of a request.
    void QtActivated(CWnd* window);
    // A window that is not the program's (one of Qt's dialogs) had the keyboard and is gone: the
    // active window takes it again.
    void GiveBackKeyboard();
    // Qt is going to report window active, but the program did not ask for it: ignore that once.
    void ExpectQtActivation(CWnd* window);
    // A press into a window that is not active asks it whether to activate and whether to pass
    // the click on. Returns true when the click is to be discarded. A window manager activates a
    // window on the press itself and passes the click on afterwards: a press that comes right
    // after the window manager activated its window is that activating click, asked the same
    // way, and the window is told again that it was activated by a click.
    bool MouseActivate(QWidget* widget, bool leftPress);
    void Forget(CWnd* window);

private:
    // Moves activation to window and notifies both windows; true when window got it.
    bool MoveActivation(CWnd* window, unsigned how);
    void AwaitEcho(CWnd* window);
    // True (and the echo used up) when Qt's report about window answers a request of ours.
    bool TakeEcho(CWnd* window);

    // True (and the record used up) when window was activated from outside just before a press.
    bool TakeOutsideActivation(CWnd* window, CWnd*& previous);

    CWnd* active_ = nullptr;
    // The last activation that came from outside the program (the user, the window manager):
    // the window, the one active before it and the time (ms).
    struct OutsideActivation {
        CWnd* window = nullptr;
        CWnd* previous = nullptr;
        qint64 at = 0;
    } outside_;
    // Windows whose activation Qt is to report, with the time of asking (ms), whose echo is due.
    std::vector<std::pair<CWnd*, qint64>> echoes_;
};

} // namespace platform::detail
