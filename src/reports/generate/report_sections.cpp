#include "reports/generate/report_sections.h"

#include <algorithm>
#include <array>

namespace reports {
namespace {

using Flag = std::uint8_t plan::TClientRec::*;

struct Keyword {
    const char* name;
    Flag flag;
};

constexpr std::array<Keyword, 10> kDebtSections = {{
    {"overview", &plan::TClientRec::RptOverview},
    {"monthpayonly", &plan::TClientRec::RptMonthPayOnly},
    {"monthpaybal", &plan::TClientRec::RptMonthPayBal},
    {"dailypayonly", &plan::TClientRec::RptDailyPayOnly},
    {"dailypaybal", &plan::TClientRec::RptDailyPayBal},
    {"calendar", &plan::TClientRec::RptCalendar},
    {"summary", &plan::TClientRec::RptSummary},
    {"moneysave", &plan::TClientRec::RptMoneySave},
    {"timesave", &plan::TClientRec::RptTimeSave},
    {"princint", &plan::TClientRec::RptPrincInt},
}};

constexpr std::array<Keyword, 3> kConsolidationSections = {{
    {"schedule", &plan::TClientRec::ConRptSchedule},
    {"summary", &plan::TClientRec::ConRptSummary},
    {"graph", &plan::TClientRec::ConRptGraph},
}};

template <typename F>
void forEachSection(bool consolidation, F f) {
    if (consolidation) {
        for (std::size_t i = 0; i < kConsolidationSections.size(); ++i)
            f(static_cast<int>(i + 1), kConsolidationSections[i]);
    } else {
        for (std::size_t i = 0; i < kDebtSections.size(); ++i)
            f(static_cast<int>(i + 1), kDebtSections[i]);
    }
}

std::string trimmed(const std::string& text) {
    const auto begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

}  // namespace

std::string sectionKeyword(bool consolidation, int section) {
    std::string found;
    forEachSection(consolidation, [&](int n, const Keyword& k) {
        if (n == section)
            found = k.name;
    });
    return found;
}

std::optional<std::vector<int>> parseSectionList(const std::string& list, bool consolidation,
                                                 std::string& error) {
    std::vector<int> sections;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string name = trimmed(list.substr(start, comma - start));
        start = comma + 1;
        if (name.empty())
            continue;
        int number = 0;
        forEachSection(consolidation, [&](int n, const Keyword& k) {
            if (name == k.name)
                number = n;
        });
        if (number == 0) {
            std::string known;
            forEachSection(consolidation, [&](int, const Keyword& k) {
                known += (known.empty() ? "" : ", ") + std::string(k.name);
            });
            error = "unknown report section '" + name + "' for a " +
                    (consolidation ? "consolidation" : "debt elimination") + " plan (use " + known +
                    ")";
            return std::nullopt;
        }
        sections.push_back(number);
    }
    if (sections.empty()) {
        error = "no report section given";
        return std::nullopt;
    }
    std::sort(sections.begin(), sections.end());
    sections.erase(std::unique(sections.begin(), sections.end()), sections.end());
    return sections;
}

std::vector<int> chosenSections(const plan::TClientRec& plan, bool consolidation) {
    std::vector<int> sections;
    forEachSection(consolidation, [&](int n, const Keyword& k) {
        if (plan.*(k.flag) != 0)
            sections.push_back(n);
    });
    return sections;
}

void setChosenSections(plan::TClientRec& plan, bool consolidation,
                       const std::vector<int>& sections) {
    forEachSection(consolidation, [&](int n, const Keyword& k) {
        plan.*(k.flag) = std::find(sections.begin(), sections.end(), n) != sections.end() ? 1 : 0;
    });
}

}  // namespace reports
