#include "reports/generate/frm_report2.h"

#include <algorithm>

#include "reports/generate/section_table.h"

namespace reports {
namespace {

const SectionTable<TfrmReport2::kSections>& sectionTable() {
    static const SectionTable<TfrmReport2::kSections> table({{
        {"Schedule", "FontConSchedule", &plan::TClientRec::ConRptSchedule},
        {"Summary ", "FontConSummary", &plan::TClientRec::ConRptSummary},
        {"Graph", "FontConGraphic", &plan::TClientRec::ConRptGraph},
    }});
    return table;
}

}  // namespace

std::string consolidationSectionCaption(int section) {
    return sectionTable().caption(section);
}

TfrmReport2::TfrmReport2(ReportInputs inputs) : ReportFrame(std::move(inputs)) {}

TfrmReport2::~TfrmReport2() = default;

bool TfrmReport2::sectionChosen(int section) const {
    return sectionTable().chosen(plan(), section);
}

std::string TfrmReport2::sectionCaption(int section) const {
    return consolidationSectionCaption(section);
}

std::string TfrmReport2::fontGroup(int section) const {
    return sectionTable().fontGroup(section);
}

void TfrmReport2::CalcHeader() {
    const ReportSettings& s = settings();
    HeaderLines = 0;
    if (s.usePermanentHeader) {
        HeaderLines = static_cast<int>(
            std::count_if(s.permanentHeaderLine.begin(), s.permanentHeaderLine.end(),
                          [](const std::string& l) { return !l.empty(); }));
    }
}

calc::CalcResult TfrmReport2::calculate() {
    loan_ = std::make_unique<calc::ConsolidationResult>();
    calc::CalcResult result = calc::CalcValues(plan(), numDebts(), *loan_);
    if (result.ok())
        result = calc::CalcLoanValues(plan(), *loan_);
    return result;
}

}  // namespace reports
