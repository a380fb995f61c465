#pragma once

// A message-box layer without windows: it keeps the text of every box it is asked to show
// and answers OK (or the box's escape answer for questions). Used where a calculation runs
// without a screen and its messages are reported another way.

#include <string>
#include <vector>

#include "platform/message_boxes.h"

namespace calc {

class MessageCollector final : public platform::MessageBoxes {
  public:
    platform::MsgAnswer show(const platform::MessageBoxRequest& request) override {
        requests_.push_back(request);
        return request.buttons == platform::MsgButtons::Ok
                   ? platform::MsgAnswer::Ok
                   : platform::escapeAnswer(request.buttons);
    }

    const std::vector<platform::MessageBoxRequest>& requests() const { return requests_; }

    // The texts of all boxes shown, one per line.
    std::string texts() const {
        std::string all;
        for (const auto& r : requests_) {
            if (!all.empty()) {
                all += '\n';
            }
            all += r.text;
        }
        return all;
    }

  private:
    std::vector<platform::MessageBoxRequest> requests_;
};

}  // namespace calc
