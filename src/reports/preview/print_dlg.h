#pragma once

// "Print": chooses the printer, the number of copies and, when called from the preview, the
// page range. Reads and writes the program's print settings; the caller reads confirmed().

#include <QDialog>

#include "platform/message_boxes.h"
#include "reports/preview/print_settings.h"
#include "reports/preview/printer_catalog.h"
#include "reports/preview/report_window_services.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace reports {

class TPrintDlg : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kCallerDebtElimination = 1;
    static constexpr int kCallerConsolidation = 2;
    static constexpr int kCallerPreview = 3;

    TPrintDlg(PrintSettings& settings, PrinterCatalog& printers, ReportWindowServices& services,
              platform::MessageBoxes& boxes, QWidget* parent = nullptr);

    void setCaller(int caller) { caller_ = caller; }
    int caller() const { return caller_; }
    // Shows or hides the " Print Range " group.
    void setRangeVisible(bool visible);
    bool confirmed() const { return confirmed_; }

    void EnableDisable();
    void btnPropertiesClick();
    void btnOKClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FormShow();

    PrintSettings& settings_;
    PrinterCatalog& printers_;
    ReportWindowServices& services_;
    platform::MessageBoxes& boxes_;

    QComboBox* cbxPrinterList_ = nullptr;
    QPushButton* btnProperties_ = nullptr;
    QSpinBox* spinCopies_ = nullptr;
    QGroupBox* gbxPrtRange_ = nullptr;
    QRadioButton* rbtnAll_ = nullptr;
    QRadioButton* rbtnPages_ = nullptr;
    QLabel* lblFrom_ = nullptr;
    QLabel* lblTo_ = nullptr;
    QLineEdit* edtFrom_ = nullptr;
    QLineEdit* edtTo_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnCancel_ = nullptr;

    int caller_ = kCallerDebtElimination;
    bool confirmed_ = false;
    bool shown_ = false;
};

// A remembered page number as the dialog shows it: padded with leading blanks to three
// characters; a missing last page (-1) shows as an empty field.
QString pageFieldText(int page);

}  // namespace reports
