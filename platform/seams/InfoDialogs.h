#pragma once

#include "platform/window/Wnd.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Two small modal dialogs of the program's own: a page of text (help) and a form of whole
// numbers. Like message boxes they go through a seam: a handler that tests replace; the real
// ones are Qt dialogs. On the offscreen platform, where nobody could answer them, the real ones
// write their title to standard error and close at once (the form as if cancelled).

// A page of simple HTML with a title and an OK button.
struct TextPageRequest {
    const CWnd* owner = nullptr;
    std::string title;
    std::string html;
};

// One whole number of a form: its label, its value and the range it may take.
struct NumberField {
    std::string label;
    int64_t value = 0;
    int64_t minimum = 0;
    int64_t maximum = 0;
};

struct NumberFormRequest {
    const CWnd* owner = nullptr;
    std::string title;
    std::vector<NumberField> fields;
};

using TextPageHandler = std::function<void(const TextPageRequest&)>;
// Answers a form with its values (each in its range), or nothing when it was cancelled.
using NumberFormHandler = std::function<std::optional<std::vector<int64_t>>(const NumberFormRequest&)>;

namespace platform {
void ShowTextPage(const CWnd* owner, const std::string& title, const std::string& html);
std::optional<std::vector<int64_t>> AskNumbers(const CWnd* owner, const std::string& title,
                                                std::vector<NumberField> fields);
// Install handlers; an empty one puts the real dialog back.
void SetTextPageHandler(TextPageHandler handler);
void SetNumberFormHandler(NumberFormHandler handler);
}
