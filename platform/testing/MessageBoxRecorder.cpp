#include "platform/testing/MessageBoxRecorder.h"

MessageBoxRecorder::MessageBoxRecorder()
{
    platform::SetMessageBoxHandler([this](const MessageBoxRequest& request) {
        shown_.push_back(request);
        return (request.type & MB_YESNO) == MB_YESNO ? IDYES : IDOK;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() { platform::SetMessageBoxHandler({}); }
