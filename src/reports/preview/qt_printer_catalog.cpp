#include "reports/preview/qt_printer_catalog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "reports/render/printer_output.h"

namespace reports {
namespace {

QStringList names() {
    return QPrinterInfo::availablePrinterNames();
}

QPageLayout::Orientation toQt(Orientation o) {
    return o == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

class QtPrintJob final : public PrintJob {
  public:
    QtPrintJob(const QPrinterInfo& info, Orientation orientation, const QString& documentName)
        : printer_(info, QPrinter::HighResolution) {
        printer_.setDocName(documentName);
        printer_.setPageOrientation(toQt(orientation));
        output_ = std::make_unique<PrinterPageOutput>(printer_);
    }
    bool printPage(const Page& page) override { return output_->printPage(page); }
    bool finish() override { return output_->finish(); }

  private:
    QPrinter printer_;
    std::unique_ptr<PrinterPageOutput> output_;
};

}  // namespace

std::vector<std::string> QtPrinterCatalog::printerNames() const {
    std::vector<std::string> out;
    for (const QString& name : names())
        out.push_back(name.toStdString());
    return out;
}

int QtPrinterCatalog::defaultPrinterIndex() const {
    const QStringList list = names();
    if (list.isEmpty())
        return -1;
    const int index = static_cast<int>(list.indexOf(QPrinterInfo::defaultPrinterName()));
    return index < 0 ? 0 : index;
}

std::optional<PrinterSetupResult> QtPrinterCatalog::showSetupDialog(int printerIndex,
                                                                    Orientation orientation,
                                                                    QWidget* parent) {
    const QStringList list = names();
    if (printerIndex < 0 || printerIndex >= list.size())
        return std::nullopt;
    QPrinter printer(QPrinterInfo::printerInfo(list[printerIndex]), QPrinter::HighResolution);
    printer.setPageOrientation(toQt(orientation));
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    PrinterSetupResult result;
    result.printerIndex = static_cast<int>(list.indexOf(printer.printerName()));
    if (result.printerIndex < 0)
        result.printerIndex = printerIndex;
    result.orientation = printer.pageLayout().orientation() == QPageLayout::Landscape
                             ? Orientation::Landscape
                             : Orientation::Portrait;
    return result;
}

std::unique_ptr<PrintJob> QtPrinterCatalog::startJob(int printerIndex, Orientation orientation,
                                                     const QString& documentName) {
    const QStringList list = names();
    if (printerIndex < 0 || printerIndex >= list.size())
        return nullptr;
    const QPrinterInfo info = QPrinterInfo::printerInfo(list[printerIndex]);
    if (info.isNull())
        return nullptr;
    return std::make_unique<QtPrintJob>(info, orientation, documentName);
}

}  // namespace reports
