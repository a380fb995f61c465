// The temporary footer dialog.

#include "reports/preview/frm_temp_footer.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "reports/preview/memory_report_window_services.h"

namespace reports {
namespace {

class TempFooterDialog : public ::testing::Test {
  protected:
    TempFooter footer;
    MemoryReportWindowServices services;
    std::unique_ptr<TfrmTempFooter> dialog;

    void open() {
        dialog = std::make_unique<TfrmTempFooter>(footer, services);
        dialog->show();
    }
    QLineEdit* line(int n) {
        return dialog->findChild<QLineEdit*>(QStringLiteral("edtTempFooterLine%1").arg(n));
    }
    QCheckBox* box() { return dialog->findChild<QCheckBox*>(QStringLiteral("ckbxUseTempFooter")); }
    void click(const char* button) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromUtf8(button)),
                          Qt::LeftButton);
    }
};

TEST_F(TempFooterDialog, ShowsTheLinesInTheFooterFontAndTheSetting) {
    footer.lines = {"Draft", "", "For discussion only"};
    services.tempFooterOn = true;
    services.tempFont = FontSpec::fromStyleFlags("Tahoma", 14, Color{200, 0, 0}, 2);
    open();
    EXPECT_EQ(QStringLiteral("Temporary Footer"), dialog->windowTitle());
    EXPECT_TRUE(box()->isChecked());
    EXPECT_EQ(QStringLiteral("Draft"), line(1)->text());
    EXPECT_EQ(QString(), line(2)->text());
    EXPECT_EQ(QStringLiteral("For discussion only"), line(3)->text());
    for (int n = 1; n <= 3; ++n) {
        EXPECT_TRUE(line(n)->isEnabled());
        EXPECT_DOUBLE_EQ(14, line(n)->font().pointSizeF());
        EXPECT_TRUE(line(n)->font().italic());
        EXPECT_EQ(QColor(200, 0, 0), line(n)->palette().color(QPalette::Text));
    }
    // Larger footer fonts make the fields taller.
    EXPECT_GT(line(1)->sizeHint().height(), QLineEdit().sizeHint().height());
}

TEST_F(TempFooterDialog, UncheckingGreysTheFieldsAndOkStoresTheStateButKeepsTheTexts) {
    footer.lines = {"Draft", "b", "c"};
    services.tempFooterOn = true;
    open();
    box()->click();
    EXPECT_FALSE(box()->isChecked());
    for (int n = 1; n <= 3; ++n) {
        EXPECT_FALSE(line(n)->isEnabled());
        EXPECT_EQ(QPalette().color(QPalette::Button),
                  line(n)->palette().color(QPalette::Disabled, QPalette::Base));
    }
    click("btnOK");
    EXPECT_FALSE(services.tempFooterOn);
    EXPECT_EQ(1, services.tempFooterSaves);
    EXPECT_EQ("Draft", footer.lines[0]);
}

TEST_F(TempFooterDialog, OkCopiesTheFieldsAndCancelChangesNothing) {
    open();
    EXPECT_FALSE(line(1)->isEnabled());
    box()->click();
    EXPECT_TRUE(line(1)->isEnabled());
    line(1)->setText(QStringLiteral("Prepared for the meeting"));
    line(3)->setText(QStringLiteral("Caf\u00e9"));
    click("btnCancel");
    EXPECT_EQ("", footer.lines[0]);
    EXPECT_FALSE(services.tempFooterOn);
    EXPECT_EQ(0, services.tempFooterSaves);

    open();
    box()->click();
    line(1)->setText(QStringLiteral("Prepared for the meeting"));
    line(3)->setText(QStringLiteral("Caf\u00e9"));
    click("btnOK");
    EXPECT_EQ("Prepared for the meeting", footer.lines[0]);
    EXPECT_EQ("", footer.lines[1]);
    EXPECT_EQ("Caf\xC3\xA9", footer.lines[2]);
    EXPECT_TRUE(services.tempFooterOn);
}

TEST_F(TempFooterDialog, HelpHasItsTopic) {
    open();
    QTest::keyClick(dialog.get(), Qt::Key_F1);
    EXPECT_EQ(QStringList{QStringLiteral("Temporary_Footer.htm")}, services.helpTopics);
}

}  // namespace
}  // namespace reports
