#pragma once

// The results of the debt reduction and timed engines that the report pages read.
// One PayoffSchedule is obtained per report run (it is large: allocate it once, e.g. with
// std::make_unique) and filled by CalcDebtValues; nothing in it allocates while the months
// are computed.

#include <array>
#include <string>

#include "calc/calendar.h"
#include "calc/rounding.h"
#include "plan/client_rec.h"

namespace calc {

inline constexpr int kMaxPositions = plan::kMaxDebts;     // 50
inline constexpr int kMaxMonths = plan::kScheduleMonths;  // 360

struct PayoffSchedule {
    // Positions are 1-based in the accessors below and in PayoffOrder; the arrays are
    // 0-based (position p at index p - 1, month m at index m - 1).
    int numPositions = 0;
    bool timed = false;
    WorkingCalendar calendar;

    // Debt numbers at positions 1..numPositions, in payoff order, and sorted by PayDay.
    std::array<int, kMaxPositions> PayoffOrder{};
    std::array<int, kMaxPositions> PayDayOrder{};
    // The position of debt d (1-based) at index d - 1.
    std::array<int, kMaxPositions> PositionOfDebt{};

    std::array<std::string, kMaxPositions> PositionName;       // Name of the debt
    std::array<double, kMaxPositions> PositionStartBalance{};  // Balance of the debt
    std::array<std::string, kMaxPositions> PositionRateText;   // GetRate, cut to 12 characters

    // The payment scheduled before extra money: as set before month 1 (what the report
    // shows as the scheduled payment) and as it stood at the end (percentage minimums
    // step down with the balance).
    std::array<double, kMaxPositions> StartSchedPay{};
    std::array<double, kMaxPositions> SchedPay{};

    std::array<std::array<double, kMaxMonths>, kMaxPositions> Pay{};
    std::array<std::array<double, kMaxMonths>, kMaxPositions> Bal{};
    std::array<double, kMaxMonths> MonthTotals{};
    int ScheduleMonths = 0;

    // TfrmReport.SetPay / SetBal: position 1..50, month 1..360.
    void SetPay(int position, int month, double amount) {
        Pay[static_cast<std::size_t>(position - 1)][static_cast<std::size_t>(month - 1)] = amount;
    }
    void SetBal(int position, int month, double amount) {
        Bal[static_cast<std::size_t>(position - 1)][static_cast<std::size_t>(month - 1)] = amount;
    }
    // TfrmReport.GetPay: 0 for month 0 or a month above 360.
    double GetPay(int position, int month) const {
        if (month < 1 || month > kMaxMonths) {
            return 0.0;
        }
        return Pay[static_cast<std::size_t>(position - 1)][static_cast<std::size_t>(month - 1)];
    }
    // TfrmReport.GetBal: the stored balance rounded to the cent; 0 for a month above 360.
    // Month 0 (before the schedule starts) gives the position's start balance.
    double GetBal(int position, int month) const {
        if (month > kMaxMonths) {
            return 0.0;
        }
        if (month < 1) {
            return RoundToCents(PositionStartBalance[static_cast<std::size_t>(position - 1)]);
        }
        return RoundToCents(
            Bal[static_cast<std::size_t>(position - 1)][static_cast<std::size_t>(month - 1)]);
    }
    double MonthTotal(int month) const {
        if (month < 1 || month > kMaxMonths) {
            return 0.0;
        }
        return MonthTotals[static_cast<std::size_t>(month - 1)];
    }
};

// The current plan: every debt paid by its own current payment, nothing more; per schedule
// position.
struct CurrentPlan {
    int numPositions = 0;
    std::array<int, kMaxPositions> CurPlanMonths{};
    std::array<double, kMaxPositions> CurPlanInterest{};
    std::array<double, kMaxPositions> CurPlanLastPayment{};
    double CurPlanTotalInterest = 0.0;
};

}  // namespace calc
