#pragma once

// "Report Status Screen": the small modal dialog that runs a report. When it is first
// shown it runs the generator (schedule, then page after page) while it keeps handling
// input, so Cancel can abort the run. Afterwards the status reads "Report Completed!" and
// the dialog closes itself after 500 ms, or "Report Canceled!" and it waits for OK. A
// calculation that ended without a schedule is shown in a message box; no page is made.

#include <QDialog>
#include <memory>

#include "platform/message_boxes.h"
#include "reports/engine/page_stream.h"
#include "reports/engine/report_engine.h"
#include "reports/engine/text_measurer.h"
#include "reports/generate/report_frame.h"
#include "reports/preview/report_window_services.h"

class QLabel;
class QPrinter;
class QPushButton;
class QTimer;

namespace reports {

class TfrmReportStatus : public QDialog {
    Q_OBJECT

  public:
    // Print modes: pages to the printer, or into the preview's memory stream.
    enum PrintMode { kPrint = 1, kPreview = 2 };

    // Everything passed in must outlive the dialog.
    TfrmReportStatus(ReportFrame& generator, PageSink& output, const TextMeasurer& measurer,
                     ReportWindowServices& services, platform::MessageBoxes& boxes,
                     QWidget* parent = nullptr);
    ~TfrmReportStatus() override;

    int PrintMode = kPreview;
    // Applied to the engine before the run (paper size, orientation, output device).
    std::function<void(ReportEngine&)> configureEngine;

    // How the run ended; Completed until it has run.
    const ReportRunResult& result() const { return result_; }
    bool running() const { return running_; }
    // The status text now shown.
    QString statusText() const;

    void btnCancelClick();
    void tmrCloseTimer();

    QLabel* Label1 = nullptr;
    QPushButton* btnCancel = nullptr;
    QTimer* tmrClose = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void FormShow();
    void FormActivate();
    void showStatus(const std::string& text);

    ReportFrame& generator_;
    PageSink& output_;
    const TextMeasurer& measurer_;
    ReportWindowServices& services_;
    platform::MessageBoxes& boxes_;
    std::unique_ptr<ReportEngine> engine_;
    ReportRunResult result_;
    bool started_ = false;
    bool running_ = false;
};

// Runs a preview report with its status dialog and tells whether the preview is to be
// shown: true when the run completed with pages, false when it was canceled, the
// calculation failed or nothing was printed.
bool runPreviewReport(ReportFrame& generator, PageStream& pages, const TextMeasurer& measurer,
                      ReportWindowServices& services, platform::MessageBoxes& boxes,
                      QWidget* parent = nullptr);

// Runs a print-mode report with its status dialog: pages go to `printer` as they are
// finished, on the printer's paper in the given orientation. True when the run completed
// and every page was printed.
bool runPrintReport(ReportFrame& generator, QPrinter& printer, Orientation orientation,
                    const TextMeasurer& measurer, ReportWindowServices& services,
                    platform::MessageBoxes& boxes, QWidget* parent = nullptr);

}  // namespace reports
