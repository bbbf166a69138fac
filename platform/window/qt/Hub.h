#pragma once

// The application-wide state of the window system. Included by platform/*.cpp only.

#include "platform/window/qt/ActivationTracker.h"
#include "platform/window/MessageQueue.h"

#include <QEvent>
#include <QWidget>
#include <QObject>
#include <QPointer>

#include <utility>
#include <vector>

class CWnd;

namespace platform::detail {

// The window system's hub: activation, the mouse capture, the running message pumps and what
// they inspect, messages held back while a window is being exposed, and the quit request.
// Created (with the Qt application, if needed) on first use.
class Hub : public QObject {
public:
    static Hub& Instance();

    ActivationTracker& Activation() { return activation_; }
    CWnd* Capture() const { return capture_; }
    void SetCapture(CWnd* window) { capture_ = window; }
    // The window is gone: it is neither active nor holding the capture.
    void Forget(CWnd* window);

    // A pump (PumpWaitingMessages) runs while it is pushed; the innermost one inspects.
    struct Pump {
        const MessageInspector* inspect;
        bool stopped = false;
    };
    void PushPump(Pump* pump) { pumps_.push_back(pump); }
    void PopPump(Pump* pump);

    // While holding, our messages are held back (a window is being exposed); ReleaseHeld stops
    // holding and posts them again.
    bool Holding() const { return holding_; }
    void StartHolding() { holding_ = true; }
    void ReleaseHeld();

    // The quit request that PostQuitMessage posted, once it arrived.
    bool QuitPending() const { return quitPending_; }
    int QuitCode() const { return quitCode_; }
    // A new application: no request, exit code 0.
    void ResetQuit() { quitPending_ = false; quitCode_ = 0; }
    // The message loop ended on the request; its code stays for ExitInstance.
    void AcknowledgeQuit() { quitPending_ = false; }

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    bool event(QEvent* event) override;

private:
    Hub();
    bool Inspect(const Msg& message);
    bool FilterMouse(QObject* watched, QEvent* event);
    bool FilterKey(QObject* watched, QEvent* event);
    bool OfferToFocus(QWidget* receiver, int key);
    bool Holds(QEvent* event) const;

    ActivationTracker activation_;
    CWnd* capture_ = nullptr;
    std::vector<Pump*> pumps_;
    bool holding_ = false;
    std::vector<std::pair<QPointer<QObject>, QEvent*>> held_;
    bool quitPending_ = false;
    int quitCode_ = 0;
};

class QuitEvent : public QEvent {
public:
    explicit QuitEvent(int code);
    QuitEvent* clone() const override { return new QuitEvent(*this); }
    int code;
};

QEvent::Type QuitEventType();
// Qt's key code as our key ('A'..'Z', '0'..'9'), or 0.
char AcceleratorKey(int qtKey);

} // namespace platform::detail
