#pragma once

// "Temporary Footer": edits the three temporary footer lines kept in memory and the setting
// "Use Temporary Footer". OK stores both; Cancel changes nothing.

#include <QDialog>

#include "reports/engine/temp_footer.h"
#include "reports/preview/report_window_services.h"

class QCheckBox;
class QFrame;
class QLineEdit;
class QPushButton;

namespace reports {

class TfrmTempFooter : public QDialog {
    Q_OBJECT

  public:
    // The footer lines and the services must outlive the dialog.
    TfrmTempFooter(TempFooter& footer, ReportWindowServices& services, QWidget* parent = nullptr);

    void EnableDisable();
    void btnOKClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FormShow();

    TempFooter& footer_;
    ReportWindowServices& services_;
    QCheckBox* ckbxUseTempFooter_ = nullptr;
    QLineEdit* edtLines_[3] = {nullptr, nullptr, nullptr};
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    bool shown_ = false;
};

}  // namespace reports
