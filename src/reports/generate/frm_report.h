#pragma once

// The report generator of debt reduction and timed plans: ten sections in a fixed order,
// the schedule of the run, and the assumptions lines of its page header. The bodies of
// the payment schedules and the calendar are built in; the others plug in with setBody().

#include <memory>

#include "calc/payoff_schedule.h"
#include "reports/generate/report_frame.h"

namespace reports {

// Section numbers of TfrmReport.
namespace section {
inline constexpr int kOverview = 1;
inline constexpr int kMonthPayOnly = 2;
inline constexpr int kMonthPayBal = 3;
inline constexpr int kDailyPayOnly = 4;
inline constexpr int kDailyPayBal = 5;
inline constexpr int kCalendar = 6;
inline constexpr int kSummary = 7;
inline constexpr int kMoneySave = 8;
inline constexpr int kTimeSave = 9;
inline constexpr int kPrincInt = 10;
}  // namespace section

class TfrmReport : public ReportFrame {
  public:
    static constexpr int kSections = 10;

    explicit TfrmReport(ReportInputs inputs);
    ~TfrmReport() override;

    int sectionCount() const override { return kSections; }
    bool sectionChosen(int section) const override;
    std::string sectionCaption(int section) const override;
    std::string fontGroup(int section) const override;
    void CalcHeader() override;

    // True for "Timed Debt Elimination" (plan code 3).
    bool TimedReport = false;
    // The timed plan's extra payment needed (header assumptions).
    double TimedExtra = 0;

    // The schedule of the run; null before the calculation and after the last page.
    const calc::PayoffSchedule* schedule() const { return schedule_.get(); }

  protected:
    calc::CalcResult calculate() override;
    void releaseStorage() override { schedule_.reset(); }
    void printHeaderTail(ReportEngine& engine) override;
    std::string reportNamePrefix() const override;
    int extraPageAllowance() const override;
    bool usesBoldBodySlot(int section) const override { return section == section::kOverview; }

  private:
    std::unique_ptr<calc::PayoffSchedule> schedule_;
};

// The caption of a TfrmReport section (1..10); empty for another number.
std::string debtReportSectionCaption(int section);

}  // namespace reports
