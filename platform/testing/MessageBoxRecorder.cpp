#include "platform/testing/MessageBoxRecorder.h"

MessageBoxRecorder::MessageBoxRecorder()
{
    platform::SetMessageBoxHandler([this](const MessageBoxRequest& request) {
        shown_.push_back(request);
        return IDOK;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() { platform::SetMessageBoxHandler({}); }
