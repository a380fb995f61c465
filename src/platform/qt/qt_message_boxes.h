#pragma once

#include "platform/message_boxes.h"

namespace platform {

// Shows message boxes with QMessageBox.
class QtMessageBoxes final : public MessageBoxes {
public:
    MsgAnswer show(const MessageBoxRequest& request) override;
};

}  // namespace platform
