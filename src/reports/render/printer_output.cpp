#include "reports/render/printer_output.h"

#include "reports/render/page_layout.h"
#include "reports/render/page_painter.h"

namespace reports {

PrinterPageOutput::PrinterPageOutput(QPrinter& printer) : printer_(printer) {
    printer_.setFullPage(true);
}

PrinterPageOutput::~PrinterPageOutput() {
    finish();
}

bool PrinterPageOutput::printPage(const Page& page) {
    if (failed_)
        return false;
    printer_.setPageLayout(pageLayoutFor(page));
    if (!started_) {
        started_ = true;
        if (!painter_.begin(&printer_)) {
            failed_ = true;
            return false;
        }
    } else if (!printer_.newPage()) {
        failed_ = true;
        return false;
    }
    paintPage(painter_, page,
              PagePlacement{QPointF(0, 0), static_cast<double>(printer_.resolution())}, false);
    ++pagesPrinted_;
    return true;
}

bool PrinterPageOutput::finish() {
    if (painter_.isActive())
        painter_.end();
    return !failed_;
}

void PrinterSink::endReport(bool aborted) {
    (void)aborted;
    ok_ = output_.finish();
}

}  // namespace reports
