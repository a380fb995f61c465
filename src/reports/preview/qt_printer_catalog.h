#pragma once

// The system's printers through Qt (CUPS): QPrinterInfo for the list, QPrintDialog for the
// set-up, QPrinter for the jobs.

#include "reports/preview/printer_catalog.h"

namespace reports {

class QtPrinterCatalog final : public PrinterCatalog {
  public:
    std::vector<std::string> printerNames() const override;
    int defaultPrinterIndex() const override;
    std::optional<PrinterSetupResult> showSetupDialog(int printerIndex, Orientation orientation,
                                                      QWidget* parent) override;
    std::unique_ptr<PrintJob> startJob(int printerIndex, Orientation orientation,
                                       const QString& documentName) override;
};

}  // namespace reports
