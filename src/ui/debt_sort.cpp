#include "ui/debt_sort.h"

#include <algorithm>
#include <cstring>

namespace ui {
namespace {

// Positive when `a` must come after `b` in ascending order.
int compareBy(DebtSortKey key, const plan::TDebtRec& a, const plan::TDebtRec& b) {
    switch (key) {
        case DebtSortKey::Name:
            return CompareDebtNames(a, b);
        case DebtSortKey::Priority:
            return int{a.Priority} - int{b.Priority};
        case DebtSortKey::PayDay:
            return int{a.PayDay} - int{b.PayDay};
    }
    return 0;
}

}  // namespace

int DebtSortOrderFor(DebtSortKey key, bool descending) {
    const int ascending = key == DebtSortKey::Name ? 2 : key == DebtSortKey::Priority ? 4 : 6;
    return descending ? ascending - 1 : ascending;
}

int CompareDebtNames(const plan::TDebtRec& a, const plan::TDebtRec& b) {
    const std::string x = a.Name.bytes();
    const std::string y = b.Name.bytes();
    const std::size_t common = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto cx = static_cast<unsigned char>(x[i]);
        const auto cy = static_cast<unsigned char>(y[i]);
        if (cx != cy)
            return cx < cy ? -1 : 1;
    }
    if (x.size() == y.size())
        return 0;
    return x.size() < y.size() ? -1 : 1;
}

void SortDebts(plan::TClientRec& plan, int numDebts, DebtSortKey key, bool descending) {
    const int n = std::clamp(numDebts, 0, plan::kMaxDebts);
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int i = 0; i + 1 < n; ++i) {
            const int order = compareBy(key, plan.Debts[i], plan.Debts[i + 1]);
            if (descending ? order < 0 : order > 0) {
                plan::TDebtRec held;
                std::memcpy(&held, &plan.Debts[i], sizeof held);
                std::memcpy(&plan.Debts[i], &plan.Debts[i + 1], sizeof held);
                std::memcpy(&plan.Debts[i + 1], &held, sizeof held);
                swapped = true;
            }
        }
    }
    plan.DebtSortOrder = DebtSortOrderFor(key, descending);
}

}  // namespace ui
