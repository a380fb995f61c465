#include "calc/repayment_watch.h"

namespace calc {

std::string NeverRepaysMessage(int debt, const std::string& name, Repayment how) {
    std::string text =
        "The current payment of debt " + std::to_string(debt) + " (\"" + name + "\")";
    if (how == Repayment::TooLong) {
        text += " would need more than " + std::to_string(RepaymentWatch::kMonthCap / 12) +
                " years to repay it.";
    } else {
        text += " can never repay it: its balance does not go down from one year to the next.";
    }
    text += " Please correct the current payment.";
    return text;
}

}  // namespace calc
