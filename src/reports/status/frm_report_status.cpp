#include "reports/status/frm_report_status.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/qt_button_row.h"
#include "reports/render/page_layout.h"
#include "reports/render/printer_output.h"
#include "reports/render/report_fonts.h"

namespace reports {
namespace {

constexpr int kDesignedWidth = 360;
constexpr int kCloseDelayMs = 500;

QString cancelCaption() {
    return QStringLiteral("Cancel");
}

}  // namespace

TfrmReportStatus::TfrmReportStatus(ReportFrame& generator, PageSink& output,
                                   const TextMeasurer& measurer, ReportWindowServices& services,
                                   platform::MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent),
      generator_(generator),
      output_(output),
      measurer_(measurer),
      services_(services),
      boxes_(boxes) {
    setWindowTitle(QStringLiteral("Report Status Screen"));
    setModal(true);
    Label1 = new QLabel(this);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setMinimumHeight(60);
    btnCancel = new QPushButton(cancelCaption(), this);
    tmrClose = new QTimer(this);
    tmrClose->setSingleShot(true);
    tmrClose->setInterval(kCloseDelayMs);
    connect(tmrClose, &QTimer::timeout, this, &TfrmReportStatus::tmrCloseTimer);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmReportStatus::btnCancelClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(app::makeButtonRow({btnCancel}, services_.buttonAlignment()));
    resize(kDesignedWidth, 130);
}

TfrmReportStatus::~TfrmReportStatus() = default;

QString TfrmReportStatus::statusText() const {
    return Label1->text();
}

void TfrmReportStatus::showStatus(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Label1->setText(shown);
}

void TfrmReportStatus::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (started_)
        return;
    started_ = true;
    FormShow();
    // The run starts once the dialog is up, from the event loop of its modal run.
    QTimer::singleShot(0, this, &TfrmReportStatus::FormActivate);
}

void TfrmReportStatus::FormShow() {
    services_.applyScreenFonts(*this);
    generator_.PageCount = 0;
    generator_.SetMaxPages();
}

void TfrmReportStatus::FormActivate() {
    // The report fonts are registered by the first report of the program run.
    registerReportFonts();
    engine_ = std::make_unique<ReportEngine>(measurer_);
    if (configureEngine)
        configureEngine(*engine_);
    engine_->setStatusListener([this](const std::string& text) { showStatus(text); });
    engine_->onIdle = [] { QCoreApplication::processEvents(QEventLoop::AllEvents); };
    running_ = true;
    result_ = generator_.run(*engine_, output_);
    running_ = false;
    btnCancel->setText(QStringLiteral("OK"));

    if (result_.outcome == ReportOutcome::CalcFailed ||
        result_.outcome == ReportOutcome::NoSections) {
        platform::MessageBoxRequest r;
        r.caption = services_.displayName() + ": Report Error";
        r.text = result_.message;
        r.icon = platform::MsgIcon::Warning;
        r.owner = this;
        boxes_.show(r);
        showStatus("\rReport Canceled!");
        accept();
        return;
    }
    if (result_.outcome == ReportOutcome::Canceled) {
        engine_->setStatusFormat("\rReport Canceled!");
        engine_->updateStatus();
        return;
    }
    engine_->setStatusFormat("\rReport Completed!");
    engine_->updateStatus();
    btnCancel->hide();
    tmrClose->start();
}

void TfrmReportStatus::btnCancelClick() {
    if (btnCancel->text() == cancelCaption()) {
        if (engine_)
            engine_->abort();
        return;
    }
    accept();
}

void TfrmReportStatus::tmrCloseTimer() {
    tmrClose->stop();
    accept();
}

void TfrmReportStatus::closeEvent(QCloseEvent* event) {
    // Closing while the report runs cancels it; the dialog stays until the run has ended.
    if (running_) {
        if (engine_)
            engine_->abort();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TfrmReportStatus::reject() {
    if (running_) {
        if (engine_)
            engine_->abort();
        return;
    }
    QDialog::reject();
}

bool runPreviewReport(ReportFrame& generator, PageStream& pages, const TextMeasurer& measurer,
                      ReportWindowServices& services, platform::MessageBoxes& boxes,
                      QWidget* parent) {
    TfrmReportStatus status(generator, pages, measurer, services, boxes, parent);
    status.PrintMode = TfrmReportStatus::kPreview;
    status.exec();
    return status.result().outcome == ReportOutcome::Completed && !pages.empty();
}

bool runPrintReport(ReportFrame& generator, QPrinter& printer, Orientation orientation,
                    const TextMeasurer& measurer, ReportWindowServices& services,
                    platform::MessageBoxes& boxes, QWidget* parent) {
    const QSizeF paper = portraitPaperInches(printer.pageLayout());
    PrinterSink sink(printer);
    TfrmReportStatus status(generator, sink, measurer, services, boxes, parent);
    status.PrintMode = TfrmReportStatus::kPrint;
    status.configureEngine = [paper, orientation](ReportEngine& engine) {
        engine.setPaperSize(paper.width(), paper.height());
        engine.setOrientation(orientation);
    };
    status.exec();
    return status.result().outcome == ReportOutcome::Completed && status.result().pages > 0 &&
           sink.ok();
}

}  // namespace reports
