#pragma once

// The report generator of loan consolidation plans: three sections, the consolidated
// loan's month tables, and the shorter page header (no assumptions lines). Its section
// bodies plug in with setBody().

#include <memory>

#include "calc/consolidation.h"
#include "reports/generate/report_frame.h"

namespace reports {

namespace consolidation_section {
inline constexpr int kSchedule = 1;
inline constexpr int kSummary = 2;
inline constexpr int kGraph = 3;
}  // namespace consolidation_section

class TfrmReport2 : public ReportFrame {
  public:
    static constexpr int kSections = 3;

    explicit TfrmReport2(ReportInputs inputs);
    ~TfrmReport2() override;

    int sectionCount() const override { return kSections; }
    bool sectionChosen(int section) const override;
    std::string sectionCaption(int section) const override;
    std::string fontGroup(int section) const override;
    // Every non-empty permanent header line counts, line 1 or not.
    void CalcHeader() override;

    // The consolidated loan of the run; null before the calculation and after the last page.
    const calc::ConsolidationResult* loan() const { return loan_.get(); }

  protected:
    calc::CalcResult calculate() override;
    void releaseStorage() override { loan_.reset(); }
    std::string reportNamePrefix() const override { return "Loan Consolidation Report: "; }

  private:
    std::unique_ptr<calc::ConsolidationResult> loan_;
};

std::string consolidationSectionCaption(int section);

}  // namespace reports
