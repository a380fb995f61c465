#pragma once

// "Report Preview": shows the pages of a preview run, pages and zooms through them, prints
// them (all or a range, in copies) and exports them as PDF. Shown modally with exec().

#include <QMainWindow>
#include <QPointer>

#include "platform/message_boxes.h"
#include "reports/engine/page_stream.h"
#include "reports/preview/print_settings.h"
#include "reports/preview/printer_catalog.h"
#include "reports/preview/report_window_services.h"

class QAction;
class QLabel;
class QLineEdit;
class QScrollArea;
class QToolBar;

namespace reports {

class ReportPageView;

class TfrmPreview : public QMainWindow {
    Q_OBJECT

  public:
    // Everything passed in must outlive the window.
    TfrmPreview(const PageStream& pages, ReportWindowServices& services, PrinterCatalog& printers,
                PrintSettings& printSettings, platform::MessageBoxes& boxes,
                QWidget* parent = nullptr);
    ~TfrmPreview() override;

    // Shows the window modally and returns when it closes.
    void exec();

    // The suggested name of an exported PDF file.
    void setPdfFileSuggestion(const QString& path) { pdfSuggestion_ = path; }
    // The document name of print jobs.
    void setDocumentName(const QString& name) { documentName_ = name; }

    int currentPage() const;
    int pageCount() const;
    double zoom() const;
    void showPage(int page);
    void setZoom(double percent);
    bool printing() const { return printing_; }

    // Commands (menu items, toolbar buttons).
    void PrintReport();
    void ExportPdf();
    void ZoomPageWidth();
    void ZoomWholePage();
    void RestoreToolbars();

  Q_SIGNALS:
    void closed();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    void buildToolbar();
    void FormShow();
    void FormActivate();
    void FormClose();
    void MyFilePreviewPageChange();
    void MyFilePreviewZoomChange();
    void applyZoomText();
    void applyPageText();
    bool handleWheel(QEvent* event);
    bool filterZoomKey(QEvent* event);
    bool filterPageKey(QEvent* event);
    void printPages(int printerIndex);
    QString errorCaption() const;

    const PageStream& pages_;
    ReportWindowServices& services_;
    PrinterCatalog& printers_;
    PrintSettings& printSettings_;
    platform::MessageBoxes& boxes_;

    QScrollArea* scrollBox_ = nullptr;
    ReportPageView* preview_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QAction* actPrint_ = nullptr;
    QAction* actFirst_ = nullptr;
    QAction* actPrev_ = nullptr;
    QAction* actNext_ = nullptr;
    QAction* actLast_ = nullptr;
    QLineEdit* edtZoom_ = nullptr;
    QLineEdit* edtPage_ = nullptr;
    QLabel* lblPageXofX_ = nullptr;

    QString pdfSuggestion_ = QStringLiteral("Report.pdf");
    QString documentName_ = QStringLiteral("Report");
    bool shown_ = false;
    bool printing_ = false;
    bool closing_ = false;
};

}  // namespace reports
