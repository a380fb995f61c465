#include "plan/sample_data/sample_plan_text.h"

#include <array>
#include <charconv>
#include <functional>
#include <map>
#include <optional>

#include "plan/new_plan.h"

namespace plan::samples {
namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

std::optional<double> number(std::string_view s) {
    s = trim(s);
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

std::optional<int> wholeNumber(std::string_view s) {
    s = trim(s);
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

// The 1-based position of `s` in `names`.
template <std::size_t N>
std::optional<int> position(std::string_view s, const std::array<const char*, N>& names) {
    for (std::size_t i = 0; i < N; ++i) {
        if (s == names[i])
            return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

constexpr std::array<const char*, 3> kReductionPlans = {
    "Debt Reduction Schedule", "Loan Consolidation", "Timed Debt Elimination"};
constexpr std::array<const char*, 11> kPriorityMethods = {"Highest Rate First",
                                                          "Smallest Debt First",
                                                          "Largest Debt First",
                                                          "Smallest Minimum Payment First",
                                                          "Largest Minimum Payment First",
                                                          "Smallest Current Payment First",
                                                          "Largest Current Payment First",
                                                          "Shortest Term Debt First",
                                                          "Largest Term Debt First",
                                                          "User Specified",
                                                          "Disperse Extra Funds Equally"};
constexpr std::array<const char*, 3> kConMethods = {"Automatic", "Specify Payment", "Specify Term"};
constexpr std::array<const char*, 3> kExtraSources = {"Enter", "Budget", "Variable"};
constexpr std::array<const char*, 4> kRateKinds = {"APR", "Effective", "Monthly", "Daily"};
constexpr std::array<const char*, 2> kConRateKinds = {"APR", "Eff"};
constexpr std::array<const char*, 2> kYesNo = {"no", "yes"};

// Reads one "Key = value" line into the record; the error text, or empty.
using Setter = std::function<std::string(TClientRec&, std::string_view)>;
using DebtSetter = std::function<std::string(TDebtRec&, std::string_view)>;

// The record's numbers are packed members, which must not be bound to references: each
// reader below parses into a local value and hands it to `store`, which assigns it.

template <std::size_t N>
std::string setText(ShortText<N>& field, std::string_view value) {
    ShortText<N> probe{};
    probe.setText(value);
    if (probe.text() != value)
        return "text longer than " + std::to_string(N) + " characters";
    field.setText(value);
    return {};
}

template <class Store>
std::string withAmount(std::string_view value, Store store) {
    const auto v = number(value);
    if (!v)
        return "not a number";
    store(*v);
    return {};
}

template <class Store>
std::string withWhole(std::string_view value, Store store) {
    const auto v = wholeNumber(value);
    if (!v || *v < 0 || *v > 0xffff)
        return "not a whole number";
    store(static_cast<std::uint16_t>(*v));
    return {};
}

// The choice's 1-based position in `names`, minus 1 when `base` is 0.
template <std::size_t N, class Store>
std::string withChoice(std::string_view value, const std::array<const char*, N>& names, int base,
                       Store store) {
    const auto p = position(value, names);
    if (!p)
        return "unknown choice '" + std::string(value) + "'";
    store(static_cast<std::uint16_t>(*p - 1 + base));
    return {};
}

// "18.99 APR": a rate and the 1-based position of its kind.
template <std::size_t N, class Store>
std::string withRate(std::string_view value, const std::array<const char*, N>& kinds, Store store) {
    const auto blank = value.find(' ');
    if (blank == std::string_view::npos)
        return "expected 'rate kind', for example '18.99 APR'";
    const auto r = number(value.substr(0, blank));
    if (!r)
        return "not a number";
    const auto kind = position(trim(value.substr(blank + 1)), kinds);
    if (!kind)
        return "unknown rate kind '" + std::string(trim(value.substr(blank + 1))) + "'";
    store(*r, static_cast<std::uint16_t>(*kind));
    return {};
}

// "Name | 12.50" into the next free line of the obligations or the budget items.
std::string addBudgetLine(TClientRec& r, bool obligation, std::string_view value) {
    const auto bar = value.find('|');
    if (bar == std::string_view::npos)
        return "expected 'name | amount'";
    const auto amount = number(value.substr(bar + 1));
    if (!amount)
        return "not a number";
    for (int i = 0; i < kBudgetLines; ++i) {
        ShortText<17>& name = obligation ? r.ObligationName[i] : r.BudgetName[i];
        const double old = obligation ? r.ObligationAmount[i] : r.BudgetAmount[i];
        if (name.length != 0 || old != 0)
            continue;
        if (obligation) {
            r.ObligationAmount[i] = *amount;
        } else {
            r.BudgetAmount[i] = *amount;
        }
        return setText(name, trim(value.substr(0, bar)));
    }
    return "more than 40 lines";
}

// "4: 1500.00" or "1-24: 100.00": variable extra payments of schedule months.
std::string setVariableExtra(TClientRec& r, std::string_view value) {
    const auto colon = value.find(':');
    if (colon == std::string_view::npos)
        return "expected 'month: amount' or 'from-to: amount'";
    const std::string_view months = trim(value.substr(0, colon));
    const auto dash = months.find('-');
    const auto first = wholeNumber(months.substr(0, dash));
    const auto last = dash == std::string_view::npos ? first : wholeNumber(months.substr(dash + 1));
    const auto amount = number(value.substr(colon + 1));
    if (!first || !last || *first < 1 || *last > kScheduleMonths || *first > *last) {
        return "months must lie from 1 to 360";
    }
    if (!amount)
        return "not a number";
    for (int m = *first; m <= *last; ++m)
        r.VariableExtra[m - 1] = *amount;
    return {};
}

using V = std::string_view;

const std::map<std::string, Setter, std::less<>>& planKeys() {
    static const std::map<std::string, Setter, std::less<>> keys = {
        {"PlanName", [](TClientRec& r, V v) { return setText(r.PlanName, v); }},
        {"ReportTitle", [](TClientRec& r, V v) { return setText(r.ReportTitle, v); }},
        {"ProvidedFor", [](TClientRec& r, V v) { return setText(r.ProvidedFor, v); }},
        {"ProvidedBy", [](TClientRec& r, V v) { return setText(r.ProvidedBy, v); }},
        {"ReductionPlan",
         [](TClientRec& r, V v) {
             return withChoice(v, kReductionPlans, 1, [&](auto x) { r.ReductionPlan = x; });
         }},
        {"PriorityMethod",
         [](TClientRec& r, V v) {
             return withChoice(v, kPriorityMethods, 1, [&](auto x) { r.PriorityMethod = x; });
         }},
        {"UseMinimumPayment",
         [](TClientRec& r, V v) {
             return withChoice(v, kYesNo, 0,
                               [&](auto x) { r.UseMinimumPayment = static_cast<std::uint8_t>(x); });
         }},
        {"ExtraPaymentSource",
         [](TClientRec& r, V v) {
             return withChoice(v, kExtraSources, 0, [&](auto x) { r.ExtraPaymentSource = x; });
         }},
        {"ExtraPayment",
         [](TClientRec& r, V v) { return withAmount(v, [&](double x) { r.ExtraPayment = x; }); }},
        {"VariableExtra", setVariableExtra},
        {"StartMonth",
         [](TClientRec& r, V v) { return withWhole(v, [&](auto x) { r.StartMonth = x; }); }},
        {"StartYear",
         [](TClientRec& r, V v) { return withWhole(v, [&](auto x) { r.StartYear = x; }); }},
        {"ConDayDue",
         [](TClientRec& r, V v) { return withWhole(v, [&](auto x) { r.ConDayDue = x; }); }},
        {"ConMethod",
         [](TClientRec& r, V v) {
             return withChoice(v, kConMethods, 1, [&](auto x) { r.ConMethod = x; });
         }},
        {"ConMonthsInLoan",
         [](TClientRec& r, V v) { return withWhole(v, [&](auto x) { r.ConMonthsInLoan = x; }); }},
        {"ConMonthlyPayment",
         [](TClientRec& r, V v) {
             return withAmount(v, [&](double x) { r.ConMonthlyPayment = x; });
         }},
        {"ConNewRate",
         [](TClientRec& r, V v) {
             return withRate(v, kConRateKinds, [&](double rate, std::uint16_t kind) {
                 r.ConNewRate = rate;
                 r.ConRateKind = kind;
             });
         }},
        {"ConFee",
         [](TClientRec& r, V v) { return withAmount(v, [&](double x) { r.ConFee = x; }); }},
        {"TimedMonths",
         [](TClientRec& r, V v) { return withWhole(v, [&](auto x) { r.TimedMonths = x; }); }},
        {"MonthlyIncome",
         [](TClientRec& r, V v) { return withAmount(v, [&](double x) { r.MonthlyIncome = x; }); }},
        {"SaveOrInvest",
         [](TClientRec& r, V v) { return withAmount(v, [&](double x) { r.SaveOrInvest = x; }); }},
        {"Obligation", [](TClientRec& r, V v) { return addBudgetLine(r, true, v); }},
        {"Budget", [](TClientRec& r, V v) { return addBudgetLine(r, false, v); }},
    };
    return keys;
}

const std::map<std::string, DebtSetter, std::less<>>& debtKeys() {
    static const std::map<std::string, DebtSetter, std::less<>> keys = {
        {"Name", [](TDebtRec& d, V v) { return setText(d.Name, v); }},
        {"MinimumPayment",
         [](TDebtRec& d, V v) {
             const bool percent = !v.empty() && v.back() == '%';
             return withAmount(percent ? v.substr(0, v.size() - 1) : v, [&](double x) {
                 d.MinPayment = x;
                 d.MinPayIsPercent = percent ? 1 : 0;
             });
         }},
        {"CurrentPayment",
         [](TDebtRec& d, V v) { return withAmount(v, [&](double x) { d.CurrentPayment = x; }); }},
        {"Balance",
         [](TDebtRec& d, V v) { return withAmount(v, [&](double x) { d.Balance = x; }); }},
        {"Rate",
         [](TDebtRec& d, V v) {
             return withRate(v, kRateKinds, [&](double rate, std::uint16_t kind) {
                 d.Rate = rate;
                 d.RateKind = kind;
             });
         }},
        {"PayDay", [](TDebtRec& d, V v) { return withWhole(v, [&](auto x) { d.PayDay = x; }); }},
        {"Priority",
         [](TDebtRec& d, V v) { return withWhole(v, [&](auto x) { d.Priority = x; }); }},
    };
    return keys;
}

}  // namespace

SampleText parseSamplePlans(std::string_view text) {
    SampleText result;
    TClientRec* plan = nullptr;
    TDebtRec* debt = nullptr;
    int lineNumber = 0;
    while (!text.empty()) {
        const auto newline = text.find('\n');
        const std::string_view raw = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        ++lineNumber;
        const std::string_view line = trim(raw);
        if (line.empty() || line.front() == '#')
            continue;
        auto fail = [&](const std::string& why) {
            result.errors.push_back("line " + std::to_string(lineNumber) + ": " + why);
        };

        if (line == "[plan]") {
            // A fixed date keeps the generated file the same from build to build.
            result.plans.push_back(newPlan({}, {2027, 1, 15}, ""));
            plan = &result.plans.back();
            debt = nullptr;
            continue;
        }
        if (line == "[debt]") {
            if (!plan) {
                fail("[debt] before the first [plan]");
            } else if (plan->DebtCount >= kMaxDebts) {
                fail("more than 50 debts");
            } else {
                debt = &plan->Debts[plan->DebtCount];
                debt->Priority = static_cast<std::uint16_t>(plan->DebtCount + 1);
                ++plan->DebtCount;
            }
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string_view::npos) {
            fail("expected 'Key = value' or a section");
            continue;
        }
        const std::string_view key = trim(line.substr(0, eq));
        const std::string_view value = trim(line.substr(eq + 1));
        std::string error;
        if (debt) {
            const auto setter = debtKeys().find(key);
            if (setter == debtKeys().end()) {
                error = "unknown debt key '" + std::string(key) + "'";
            } else {
                error = setter->second(*debt, value);
            }
        } else if (plan) {
            const auto setter = planKeys().find(key);
            if (setter == planKeys().end()) {
                error = "unknown plan key '" + std::string(key) + "'";
            } else {
                error = setter->second(*plan, value);
            }
        } else {
            fail("'" + std::string(key) + "' before the first [plan]");
            continue;
        }
        if (!error.empty())
            fail(std::string(key) + ": " + error);
    }
    return result;
}

}  // namespace plan::samples
