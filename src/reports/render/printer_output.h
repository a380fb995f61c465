#pragma once

// Printing report pages on a QPrinter (CUPS or a PDF printer). Each page sets the
// printer's paper and orientation from its own size and is drawn edge to edge; the
// report's margins are part of the page.

#include <QPainter>
#include <QPrinter>

#include "reports/engine/page_stream.h"

namespace reports {

class PrinterPageOutput {
  public:
    // The printer must outlive the output; it is switched to full-page mode.
    explicit PrinterPageOutput(QPrinter& printer);
    ~PrinterPageOutput();
    PrinterPageOutput(const PrinterPageOutput&) = delete;
    PrinterPageOutput& operator=(const PrinterPageOutput&) = delete;

    // Prints one page; false when the printer could not be started or a page failed.
    bool printPage(const Page& page);
    // Ends the job; false when any page failed.
    bool finish();
    int pagesPrinted() const { return pagesPrinted_; }

  private:
    QPrinter& printer_;
    QPainter painter_;
    bool started_ = false;
    bool failed_ = false;
    int pagesPrinted_ = 0;
};

// Print mode of a report run: pages go to the printer as the engine finishes them.
class PrinterSink final : public PageSink {
  public:
    explicit PrinterSink(QPrinter& printer) : output_(printer) {}
    void addPage(Page page) override { output_.printPage(page); }
    void endReport(bool aborted) override;
    bool ok() const { return ok_; }

  private:
    PrinterPageOutput output_;
    bool ok_ = true;
};

}  // namespace reports
