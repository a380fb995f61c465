#include "fake_printers.h"

namespace reports::testing_printers {
namespace {

class FakeJob final : public PrintJob {
  public:
    FakeJob(FakePrinterCatalog& catalog, std::size_t index) : catalog_(catalog), index_(index) {}
    bool printPage(const Page& page) override {
        catalog_.jobs[index_].pages.push_back(&page);
        if (catalog_.onPage)
            catalog_.onPage(page);
        return true;
    }
    bool finish() override {
        catalog_.jobs[index_].finished = true;
        return true;
    }

  private:
    FakePrinterCatalog& catalog_;
    std::size_t index_;
};

}  // namespace

std::unique_ptr<PrintJob> FakePrinterCatalog::startJob(int printerIndex, Orientation orientation,
                                                       const QString& documentName) {
    jobs.push_back(RecordedJob{printerIndex, orientation, documentName, {}, false});
    return std::make_unique<FakeJob>(*this, jobs.size() - 1);
}

}  // namespace reports::testing_printers
