#pragma once

// A message-box layer for tests: it records every box shown and answers from a queue
// of expectations. A box that no expectation waits for fails the test, and so does an
// expectation still waiting when the fake is destroyed.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/message_boxes.h"

namespace testing_support {

struct ExpectedBox {
    std::optional<std::string> caption;
    std::optional<std::string> text;          // whole text, compared exactly
    std::optional<std::string> textContains;  // or a part of it
    std::optional<platform::MsgIcon> icon;
    std::optional<platform::MsgButtons> buttons;
    platform::MsgAnswer answer = platform::MsgAnswer::Ok;
};

class ScriptedMessageBoxes final : public platform::MessageBoxes {
public:
    ScriptedMessageBoxes() = default;
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;
    ~ScriptedMessageBoxes() override;

    // Queues one expected box.
    ScriptedMessageBoxes& expect(ExpectedBox box);
    // Shorthand for the common case: exact caption, text and icon.
    ScriptedMessageBoxes& expect(std::string caption, std::string text, platform::MsgIcon icon,
                                 platform::MsgAnswer answer = platform::MsgAnswer::Ok);
    // Answers the next box whatever it says.
    ScriptedMessageBoxes& answerNext(platform::MsgAnswer answer);

    platform::MsgAnswer show(const platform::MessageBoxRequest& request) override;

    const std::vector<platform::MessageBoxRequest>& shown() const { return shown_; }
    bool allAnswered() const { return queue_.empty(); }
    // Forgets the queue without failing (for tests that stop early on purpose).
    void clearExpectations() { queue_.clear(); }

private:
    std::deque<ExpectedBox> queue_;
    std::vector<platform::MessageBoxRequest> shown_;
};

// Describes a box for failure messages.
std::string describe(const platform::MessageBoxRequest& request);

}  // namespace testing_support
