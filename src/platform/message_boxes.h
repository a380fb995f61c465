#pragma once

// The one interface through which every part of the program shows a message box.
// It uses the standard library only, so the plan, calculation and settings code can
// report problems without knowing about windows. Texts are UTF-8; "\r\n" inside a
// text is shown as a line break.

#include <optional>
#include <string>

namespace platform {

enum class MsgIcon { None, Information, Warning, Error, Question };

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };

enum class MsgAnswer { Ok, Cancel, Yes, No };

// An opaque window handle. The Qt backend takes it as the QWidget* that owns the box;
// nullptr means the box has no owner window.
using WindowHandle = void*;

struct MessageBoxRequest {
    std::string caption;
    std::string text;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    // The button that Enter presses; when empty, the first button of the set.
    std::optional<MsgAnswer> defaultButton;
    WindowHandle owner = nullptr;
    // Raise the box above other programs' windows (used where the design asks for it).
    bool bringToForeground = false;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box modally and returns the button the user chose. Closing the box
    // without a button counts as Cancel where the set has one, else as No or Ok.
    virtual MsgAnswer show(const MessageBoxRequest& request) = 0;
};

// Convenience: a box with only an OK button.
inline void showOk(MessageBoxes& boxes, std::string caption, std::string text,
                   MsgIcon icon = MsgIcon::None, WindowHandle owner = nullptr) {
    MessageBoxRequest r;
    r.caption = std::move(caption);
    r.text = std::move(text);
    r.icon = icon;
    r.owner = owner;
    boxes.show(r);
}

// Convenience: a question with the given buttons.
inline MsgAnswer ask(MessageBoxes& boxes, std::string caption, std::string text,
                     MsgButtons buttons, MsgIcon icon = MsgIcon::Question,
                     WindowHandle owner = nullptr,
                     std::optional<MsgAnswer> defaultButton = std::nullopt) {
    MessageBoxRequest r;
    r.caption = std::move(caption);
    r.text = std::move(text);
    r.icon = icon;
    r.buttons = buttons;
    r.owner = owner;
    r.defaultButton = defaultButton;
    return boxes.show(r);
}

// The answer a box gives when it is closed without pressing a button.
MsgAnswer escapeAnswer(MsgButtons buttons);

// Names for test output and logs.
const char* toString(MsgIcon icon);
const char* toString(MsgButtons buttons);
const char* toString(MsgAnswer answer);

}  // namespace platform
