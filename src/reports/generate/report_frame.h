#pragma once

// What every report generator shares: page set-up, the ten font slots, the page header
// and footer, the space reserved for the footer, the order of the chosen sections, the
// page limit with its question, and the table helpers of the section bodies. TfrmReport
// (debt reduction and timed plans) and TfrmReport2 (loan consolidation) derive from it.
//
// Driving a report:
//   ReportEngine engine(measurer);
//   TfrmReport report(inputs);
//   PageStream pages;
//   ReportRunResult r = report.run(engine, pages);
// run() computes the schedule first: a calculation that ends without one gives
// ReportOutcome::CalcFailed with the message to show, and no page at all.

#include <array>
#include <memory>
#include <string>

#include "calc/calc_result.h"
#include "reports/engine/report_engine.h"
#include "reports/generate/report_inputs.h"
#include "reports/generate/section_body.h"

namespace reports {

enum class ReportOutcome {
    Completed,   // the last section was printed, or the page-limit question said No
    Canceled,    // aborted while running
    CalcFailed,  // the calculation ended without a schedule; no pages
    NoSections,  // no chosen section can be printed; no pages
};

struct ReportRunResult {
    ReportOutcome outcome = ReportOutcome::Completed;
    std::string message;  // for CalcFailed and NoSections
    int pages = 0;
};

// Font slots.
namespace slot {
inline constexpr int kPersHeader = 1;
inline constexpr int kCustomHeader = 2;
inline constexpr int kBody = 3;
inline constexpr int kTotals = 4;
inline constexpr int kPermFooter = 5;
inline constexpr int kTempFooter = 6;
inline constexpr int kPageInfo = 7;
inline constexpr int kHeader = 8;
inline constexpr int kSpacer = 9;
inline constexpr int kBodyBold = 10;
}  // namespace slot

class ReportFrame {
  public:
    static constexpr int kMaxSections = 10;
    // Inner margin of every tab cell, inches.
    static constexpr double kCellMargin = 0.02;

    explicit ReportFrame(ReportInputs inputs);
    virtual ~ReportFrame();
    ReportFrame(const ReportFrame&) = delete;
    ReportFrame& operator=(const ReportFrame&) = delete;

    // Computes the schedule, binds the page events and executes the engine into `output`.
    ReportRunResult run(ReportEngine& engine, PageSink& output);
    // Binds the five page events of the engine to this generator.
    void bind(ReportEngine& engine);

    // ---- Sections
    virtual int sectionCount() const = 0;
    // The section's check box on the plan's report options.
    virtual bool sectionChosen(int section) const = 0;
    // Its caption ("Monthly Payment && Balance Schedule"): the report name of its pages.
    virtual std::string sectionCaption(int section) const = 0;
    // The common beginning of its font keys ("FontElimMonthPayBal"); for a number outside
    // the table the generator's first group.
    virtual std::string fontGroup(int section) const = 0;
    void setBody(int section, std::unique_ptr<SectionBody> body);
    bool hasBody(int section) const;

    // ---- Framework operations
    void SetMaxPages();
    void CalcFooter();
    virtual void CalcHeader() = 0;
    void SetFonts(ReportEngine& engine, int section);
    void SetFirst2Fonts(ReportEngine& engine);
    void CalcBottomSpace(ReportEngine& engine);
    // Makes the next chosen section (that has a body) current; false when none is left.
    bool CalcCurrentReport();

    void MyBeforePrintReport(ReportEngine& engine);
    void MyPrintHeaderReport(ReportEngine& engine);
    bool MyPrintPageReport(ReportEngine& engine);
    void MyPrintFooterReport(ReportEngine& engine);
    void MyAfterPrintReport(ReportEngine& engine);

    // ---- Table helpers of the bodies
    std::string FitText(const ReportEngine& engine, const std::string& text, double width) const;
    bool RoomFor(const ReportEngine& engine, int lines) const;
    // Money in schedule grids: "Currency String Grids", 2 decimals with ShowCents, else 0.
    std::string gridMoney(double amount) const;
    // Money in sentences: "Currency String Totals", 2 decimals.
    std::string totalsMoney(double amount) const;
    bool boxed() const { return plan().BoxedGrid != 0; }
    // Border bits of a cell: `whenBoxed` for a boxed grid, `whenPlain` otherwise.
    int lines(int whenBoxed, int whenPlain) const { return boxed() ? whenBoxed : whenPlain; }
    // Prints the texts into the tab cells of one line, each cut to its cell, then a new line.
    void printRow(ReportEngine& engine, const std::vector<std::string>& cells) const;

    const ReportInputs& inputs() const { return inputs_; }
    const plan::TClientRec& plan() const { return inputs_.plan; }
    const ReportSettings& settings() const { return inputs_.settings; }
    const platform::LocaleInfo& locale() const { return inputs_.locale; }
    int numDebts() const { return inputs_.numDebts; }

    // ---- Fields of the run
    int CurrentReport = 0;
    bool StartSection = true;
    std::string ReportName;
    int PageCount = 0;
    int PagesLeft = 0;
    int FooterLines = 0;
    int HeaderLines = 0;
    double BottomSpace = 0;
    double PrintWidth = 0;
    bool CumValues = false;
    bool ShowCents = false;
    int HeaderShade = 0;
    int SubHeaderShade = 0;

  protected:
    // Runs the calculation of the report; the storage lives until releaseStorage.
    virtual calc::CalcResult calculate() = 0;
    virtual void releaseStorage() {}
    // Printed after the Provided For / By line (the assumptions of TfrmReport).
    virtual void printHeaderTail(ReportEngine& engine) { (void)engine; }
    // "Debt Elimination Report: " and its companions.
    virtual std::string reportNamePrefix() const = 0;
    // Pages granted beyond the debts' allowance (the calendar's 360).
    virtual int extraPageAllowance() const { return 0; }
    // Whether the section's pages use slot 10 (bold body font).
    virtual bool usesBoldBodySlot(int section) const {
        (void)section;
        return false;
    }

  private:
    bool askToContinue();
    bool anySectionPrintable() const;

    ReportInputs inputs_;
    std::array<std::unique_ptr<SectionBody>, kMaxSections + 1> bodies_{};
};

}  // namespace reports
