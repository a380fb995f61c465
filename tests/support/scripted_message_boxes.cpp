#include "scripted_message_boxes.h"

#include <gtest/gtest.h>

namespace testing_support {

using platform::MsgAnswer;

std::string describe(const platform::MessageBoxRequest& r) {
    return std::string("[caption \"") + r.caption + "\", text \"" + r.text + "\", icon " +
           platform::toString(r.icon) + ", buttons " + platform::toString(r.buttons) +
           (r.owner ? ", owned" : ", no owner") + "]";
}

ScriptedMessageBoxes::~ScriptedMessageBoxes() {
    for (const ExpectedBox& box : queue_) {
        ADD_FAILURE() << "expected message box was never shown: caption \""
                      << box.caption.value_or("*") << "\", text \""
                      << box.text.value_or(box.textContains.value_or("*")) << "\"";
    }
}

ScriptedMessageBoxes& ScriptedMessageBoxes::expect(ExpectedBox box) {
    queue_.push_back(std::move(box));
    return *this;
}

ScriptedMessageBoxes& ScriptedMessageBoxes::expect(std::string caption, std::string text,
                                                   platform::MsgIcon icon, MsgAnswer answer) {
    ExpectedBox box;
    box.caption = std::move(caption);
    box.text = std::move(text);
    box.icon = icon;
    box.answer = answer;
    return expect(std::move(box));
}

ScriptedMessageBoxes& ScriptedMessageBoxes::answerNext(MsgAnswer answer) {
    ExpectedBox box;
    box.answer = answer;
    return expect(std::move(box));
}

MsgAnswer ScriptedMessageBoxes::show(const platform::MessageBoxRequest& request) {
    shown_.push_back(request);
    if (queue_.empty()) {
        ADD_FAILURE() << "unexpected message box " << describe(request);
        return platform::escapeAnswer(request.buttons);
    }
    const ExpectedBox box = queue_.front();
    queue_.pop_front();
    if (box.caption) {
        EXPECT_EQ(*box.caption, request.caption) << describe(request);
    }
    if (box.text) {
        EXPECT_EQ(*box.text, request.text) << describe(request);
    }
    if (box.textContains) {
        EXPECT_NE(request.text.find(*box.textContains), std::string::npos)
            << "wanted \"" << *box.textContains << "\" in " << describe(request);
    }
    if (box.icon) {
        EXPECT_EQ(platform::toString(*box.icon), std::string(platform::toString(request.icon)))
            << describe(request);
    }
    if (box.buttons) {
        EXPECT_EQ(platform::toString(*box.buttons),
                  std::string(platform::toString(request.buttons)))
            << describe(request);
    }
    return box.answer;
}

}  // namespace testing_support
