#pragma once

#include "platform/seams/MessageBox.h"

#include <vector>

// For tests: while it lives, every message box is recorded and answered with OK (Yes when it
// asks a question).
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    const std::vector<MessageBoxRequest>& Shown() const { return shown_; }

private:
    std::vector<MessageBoxRequest> shown_;
};
