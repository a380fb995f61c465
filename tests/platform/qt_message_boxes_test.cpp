#include "platform/qt/qt_message_boxes.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <utility>

#include "modal_dialogs.h"

namespace {

using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;

// Runs `inspect` on the message box once it is on screen; `inspect` closes it.
void whenBoxShows(std::function<void(QMessageBox&)> inspect) {
    testing_support::whenModalShows<QMessageBox>(std::move(inspect));
}

TEST(QtMessageBoxes, ShowsCaptionTextIconAndButtonsAndReturnsTheClickedOne) {
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QAbstractButton* defaultButton = nullptr;
    QAbstractButton* yesButton = nullptr;
    whenBoxShows([&](QMessageBox& box) {
        caption = box.windowTitle();
        text = box.text();
        icon = box.icon();
        buttons = box.standardButtons();
        defaultButton = box.defaultButton();
        yesButton = box.button(QMessageBox::Yes);
        box.button(QMessageBox::No)->click();
    });

    platform::QtMessageBoxes boxes;
    platform::MessageBoxRequest r;
    r.caption = "Warning";
    r.text = "Line one\r\nLine two";
    r.icon = MsgIcon::Question;
    r.buttons = MsgButtons::YesNoCancel;
    r.defaultButton = MsgAnswer::Yes;
    EXPECT_EQ(MsgAnswer::No, boxes.show(r));

    EXPECT_EQ(QStringLiteral("Warning"), caption);
    EXPECT_EQ(QStringLiteral("Line one\nLine two"), text);
    EXPECT_EQ(QMessageBox::Question, icon);
    EXPECT_EQ(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, buttons);
    EXPECT_EQ(yesButton, defaultButton);
}

TEST(QtMessageBoxes, EscapeGivesCancelWhereTheBoxHasOne) {
    struct Case {
        MsgButtons buttons;
        MsgAnswer expected;
    };
    for (const Case c : {Case{MsgButtons::Ok, MsgAnswer::Ok},
                         Case{MsgButtons::OkCancel, MsgAnswer::Cancel},
                         Case{MsgButtons::YesNoCancel, MsgAnswer::Cancel}}) {
        whenBoxShows([](QMessageBox& box) { box.reject(); });
        platform::QtMessageBoxes boxes;
        platform::MessageBoxRequest r;
        r.text = "x";
        r.buttons = c.buttons;
        EXPECT_EQ(c.expected, boxes.show(r)) << platform::toString(c.buttons);
    }
}

}  // namespace
