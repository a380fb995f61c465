#pragma once

// The printers the reports can go to: the list, the system's printer set-up dialog and
// print jobs. The program uses QtPrinterCatalog; tests use a fake that records pages.

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "reports/engine/drawing.h"
#include "reports/engine/page_stream.h"

class QWidget;

namespace reports {

class PrintJob {
  public:
    virtual ~PrintJob() = default;
    // False when the page could not be printed (the job is then of no use).
    virtual bool printPage(const Page& page) = 0;
    virtual bool finish() = 0;
};

struct PrinterSetupResult {
    int printerIndex = -1;
    Orientation orientation = Orientation::Portrait;
};

class PrinterCatalog {
  public:
    virtual ~PrinterCatalog() = default;
    virtual std::vector<std::string> printerNames() const = 0;
    // The system's current printer, -1 when there is no printer.
    virtual int defaultPrinterIndex() const = 0;
    // The system's printer set-up dialog for the printer; nothing when it was cancelled.
    virtual std::optional<PrinterSetupResult> showSetupDialog(int printerIndex,
                                                              Orientation orientation,
                                                              QWidget* parent) = 0;
    // A job on the printer; nullptr when the printer cannot be used.
    virtual std::unique_ptr<PrintJob> startJob(int printerIndex, Orientation orientation,
                                               const QString& documentName) = 0;

    int printerCount() const { return static_cast<int>(printerNames().size()); }
};

}  // namespace reports
