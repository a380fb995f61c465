#include "platform/message_boxes.h"

namespace platform {

MsgAnswer escapeAnswer(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok: return MsgAnswer::Ok;
        case MsgButtons::OkCancel: return MsgAnswer::Cancel;
        case MsgButtons::YesNo: return MsgAnswer::No;
        case MsgButtons::YesNoCancel: return MsgAnswer::Cancel;
    }
    return MsgAnswer::Cancel;
}

const char* toString(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::None: return "none";
        case MsgIcon::Information: return "information";
        case MsgIcon::Warning: return "warning";
        case MsgIcon::Error: return "error";
        case MsgIcon::Question: return "question";
    }
    return "?";
}

const char* toString(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok: return "OK";
        case MsgButtons::OkCancel: return "OK+Cancel";
        case MsgButtons::YesNo: return "Yes+No";
        case MsgButtons::YesNoCancel: return "Yes+No+Cancel";
    }
    return "?";
}

const char* toString(MsgAnswer answer) {
    switch (answer) {
        case MsgAnswer::Ok: return "OK";
        case MsgAnswer::Cancel: return "Cancel";
        case MsgAnswer::Yes: return "Yes";
        case MsgAnswer::No: return "No";
    }
    return "?";
}

}  // namespace platform
