#include "scripted_message_boxes.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;
using testing_support::ScriptedMessageBoxes;

TEST(ScriptedMessageBoxes, AnswersFromTheQueueAndRecordsEveryBox) {
    ScriptedMessageBoxes boxes;
    boxes.expect("Warning", "Save changes?", MsgIcon::Question, MsgAnswer::No);
    boxes.answerNext(MsgAnswer::Yes);

    EXPECT_EQ(MsgAnswer::No, platform::ask(boxes, "Warning", "Save changes?", MsgButtons::YesNo));
    EXPECT_EQ(MsgAnswer::Yes, platform::ask(boxes, "Other", "Anything", MsgButtons::YesNo));
    ASSERT_EQ(2u, boxes.shown().size());
    EXPECT_EQ("Other", boxes.shown()[1].caption);
    EXPECT_TRUE(boxes.allAnswered());
}

TEST(ScriptedMessageBoxes, FailsOnABoxNobodyExpected) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedMessageBoxes boxes;
            platform::showOk(boxes, "Error", "Surprise");
        },
        "unexpected message box");
}

TEST(ScriptedMessageBoxes, FailsOnAMismatchAndOnAnExpectationLeftOver) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedMessageBoxes boxes;
            boxes.expect("Error", "One", MsgIcon::Warning);
            platform::showOk(boxes, "Error", "Two", MsgIcon::Warning);
        },
        "Two");
    EXPECT_NONFATAL_FAILURE({
        ScriptedMessageBoxes boxes;
        boxes.answerNext(MsgAnswer::Ok);
    }, "never shown");
}

}  // namespace
