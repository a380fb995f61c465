// The Qt helpers: screen fonts on a window's controls and button placement on widgets.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/qt_button_row.h"
#include "app/qt_screen_fonts.h"
#include "scripted_message_boxes.h"
#include "temp_home.h"

namespace {

using settings::TFontRec;

class ScreenFontsTest : public ::testing::Test {
  protected:
    ScreenFontsTest() {
        config.LabelFont = {"Label Face", 0x0000FF, 20, TFontRec::kBold};
        config.EditFont = {"Edit Face", 0x00FF00, 13, TFontRec::kItalic};
        config.ButtonFont = {"Button Face", 0xFF0000, 9, TFontRec::kUnderline};
        config.DebtInfoFont = {"Debt Face", 0x123456, 15, TFontRec::kStrikeOut};
    }
    testing_support::TempHome home;
    platform::Registry registry = platform::Registry::fromEnvironment();
    testing_support::ScriptedMessageBoxes boxes;
    settings::TConfigManager config{
        registry, boxes, {"/opt/z/", "debt", "/"}, platform::LocaleInfo::englishUS()};
};

TEST_F(ScreenFontsTest, ControlsTakeTheFontOfTheirKind) {
    QDialog form;
    auto* label = new QLabel(&form);
    auto* check = new QCheckBox(&form);
    auto* edit = new QLineEdit(&form);
    auto* button = new QPushButton(&form);
    auto* debts = new QListWidget(&form);
    debts->setObjectName(QStringLiteral("lstbxDebt"));
    const int designedLabelSize = label->font().pointSize();

    app::ApplyScreenFonts(&form, config);

    EXPECT_EQ(label->font().family(), QStringLiteral("Label Face"));
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->font().pointSize(), designedLabelSize);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(check->font().family(), QStringLiteral("Label Face"));
    EXPECT_EQ(edit->font().family(), QStringLiteral("Edit Face"));
    EXPECT_EQ(edit->font().pointSize(), 13);
    EXPECT_TRUE(edit->font().italic());
    EXPECT_EQ(button->font().family(), QStringLiteral("Button Face"));
    EXPECT_TRUE(button->font().underline());
    EXPECT_EQ(button->palette().color(QPalette::ButtonText), QColor(0, 0, 255));
    // Not the main window: the debt list keeps the label font's name.
    EXPECT_EQ(debts->font().family(), QStringLiteral("Label Face"));
    EXPECT_EQ(debts->font().pointSize(), 15);
    EXPECT_TRUE(debts->font().strikeOut());

    form.setObjectName(QStringLiteral("MainWin"));
    app::ApplyScreenFonts(&form, config);
    EXPECT_EQ(debts->font().family(), QStringLiteral("Debt Face"));
    EXPECT_EQ(debts->palette().color(QPalette::Text), QColor(0x56, 0x34, 0x12));
}

TEST(QtPlaceButtonTest, MovesTheButtonAlongTheRow) {
    QDialog form;
    form.resize(400, 100);
    QPushButton ok(&form);
    QPushButton cancel(&form);
    ok.setGeometry(0, 60, 75, 25);
    cancel.setGeometry(0, 60, 75, 25);
    app::ButtonRowState row;
    app::PlaceButton(row, &cancel, app::kFirstFromRight, 400, 2, 1.0);
    app::PlaceButton(row, &ok, app::kFollowing, 400, 2, 1.0);
    EXPECT_EQ(cancel.x(), 314);
    EXPECT_EQ(ok.x(), 231);
    EXPECT_EQ(ok.y(), 60);
}

}  // namespace
