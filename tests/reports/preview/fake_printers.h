#pragma once

// A printer catalog for tests: a fixed list of printers, a scripted set-up dialog and jobs
// that record the pages they were given.

#include <functional>
#include <optional>

#include "reports/preview/printer_catalog.h"

namespace reports::testing_printers {

struct RecordedJob {
    int printerIndex = -1;
    Orientation orientation = Orientation::Portrait;
    QString documentName;
    std::vector<const Page*> pages;
    bool finished = false;
};

class FakePrinterCatalog final : public PrinterCatalog {
  public:
    std::vector<std::string> names = {"Office", "Laser"};
    int defaultIndex = 0;
    std::optional<PrinterSetupResult> setupAnswer;
    int setupCalls = 0;
    std::vector<RecordedJob> jobs;
    // Runs for every page printed, after it was recorded.
    std::function<void(const Page&)> onPage;

    std::vector<std::string> printerNames() const override { return names; }
    int defaultPrinterIndex() const override { return names.empty() ? -1 : defaultIndex; }
    std::optional<PrinterSetupResult> showSetupDialog(int, Orientation, QWidget*) override {
        ++setupCalls;
        return setupAnswer;
    }
    std::unique_ptr<PrintJob> startJob(int printerIndex, Orientation orientation,
                                       const QString& documentName) override;
};

}  // namespace reports::testing_printers
