#pragma once

// Small builders for plan tests: plans with a name and a few debts, and data files made
// of such records.

#include <cstring>
#include <string>
#include <vector>

#include "plan/client_rec.h"
#include "plan/new_plan.h"

namespace plan_testing {

// A new plan of 2 March 2027 with the given name and `debts` debts "Debt 1", "Debt 2"...
inline plan::TClientRec namedPlan(const std::string& name, int debts = 0) {
    plan::TClientRec rec = plan::newPlan({}, {2027, 3, 2}, "");
    rec.PlanName.setText(name);
    for (int k = 0; k < debts; ++k) {
        plan::TDebtRec& d = rec.Debts[k];
        d.Name.setText("Debt " + std::to_string(k + 1));
        d.Balance = 1000.0 * (k + 1);
        d.MinPayment = 50;
        d.CurrentPayment = 60;
        d.Rate = 12;
        d.Priority = static_cast<std::uint16_t>(k + 1);
    }
    rec.DebtCount = static_cast<std::uint16_t>(debts);
    return rec;
}

inline std::string bytesOf(const plan::TClientRec& rec) {
    return std::string(reinterpret_cast<const char*>(&rec), plan::kClientRecSize);
}

// The bytes of a data file holding the plans "<prefix>0", "<prefix>1", ...
inline std::string dataFileOf(int count, const std::string& prefix = "Plan ") {
    std::string bytes;
    for (int k = 0; k < count; ++k)
        bytes += bytesOf(namedPlan(prefix + std::to_string(k)));
    return bytes;
}

inline std::string recordAt(const std::string& file, int k) {
    return file.substr(static_cast<std::size_t>(k) * plan::kClientRecSize, plan::kClientRecSize);
}

inline std::string nameAt(const std::string& file, int k) {
    plan::TClientRec rec;
    std::memcpy(&rec, file.data() + static_cast<std::size_t>(k) * plan::kClientRecSize,
                plan::kClientRecSize);
    return rec.PlanName.text();
}

}  // namespace plan_testing
