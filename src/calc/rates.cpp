#include "calc/rates.h"

#include <cmath>

#include "calc/rounding.h"

namespace calc {

double MonthlyRate(double rate, int rateKind) {
    if (rate == 0) {
        return 0.0;
    }
    switch (rateKind) {
        case kRateAPR:
            return rate / 1200;
        case kRateMonthly:
        case kRateDaily:
            return rate / 100;
        default:
            return Power(1 + rate / 100, kOneTwelfth) - 1;
    }
}

double MonthlyRate(const plan::TDebtRec& debt) {
    return MonthlyRate(debt.Rate, debt.RateKind);
}

double MonthlyEquivalentRate(double rate, int rateKind) {
    if (rate == 0) {
        return 0.0;
    }
    if (rateKind == kRateDaily) {
        return Power(Power(1 + rate / 100, 365), kOneTwelfth) - 1;
    }
    return MonthlyRate(rate, rateKind);
}

double ConsolidationMonthlyRate(double conNewRate, int conRateKind) {
    if (conRateKind == 1) {
        return conNewRate / 1200;
    }
    return Power(1 + conNewRate / 100, kOneTwelfth) - 1;
}

double MonthInterest(double balance, double periodicRate, bool daily, int daysInMonth) {
    if (daily) {
        return RoundToCents(balance * periodicRate * daysInMonth);
    }
    return RoundToCents(balance * periodicRate);
}

double LevelPayment(double balance, double monthlyRate, double months) {
    if (monthlyRate == 0) {
        return balance / months;
    }
    return balance * monthlyRate / (1 - 1 / Power(1 + monthlyRate, months));
}

double TermInMonths(double balance, double monthlyRate, double payment) {
    if (monthlyRate == 0) {
        return balance / payment;
    }
    return -std::log(1 - balance * monthlyRate / payment) / std::log(1 + monthlyRate);
}

}  // namespace calc
