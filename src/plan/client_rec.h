#pragma once

// TClientRec: one plan as a packed little-endian record of exactly 13044 bytes. The same
// bytes are the in-memory form, a record of the data file and the content of an export
// file, so the structure is packed and its layout is checked field by field below.
//
// Members of a packed structure may sit at odd addresses: copy values out and in
// (`double b = debt.Balance;`), never bind references or pointers to them.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace plan {

#pragma pack(push, 1)

// A length-prefixed single-byte text of at most N characters (Windows-1252).
template <std::size_t N>
struct ShortText {
    std::uint8_t length;
    char chars[N];

    // The stored bytes; a length byte above N reads as N.
    std::string bytes() const {
        return std::string(chars, length <= N ? length : N);
    }
    // Stores raw Windows-1252 bytes, cut to N. Bytes past the new length are kept.
    void setBytes(std::string_view raw) {
        const std::size_t n = raw.size() < N ? raw.size() : N;
        std::memcpy(chars, raw.data(), n);
        length = static_cast<std::uint8_t>(n);
    }
    // UTF-8 conversions for the windows and reports.
    std::string text() const;
    void setText(std::string_view utf8);

    // Compares the length byte and the significant characters.
    bool sameAs(const ShortText& other) const {
        return length == other.length &&
               std::memcmp(chars, other.chars, length <= N ? length : N) == 0;
    }
};

struct TDebtRec {
    ShortText<20> Name;                 //   0
    std::uint8_t MinPayIsPercent;       //  21
    double MinPayment;                  //  22
    std::uint8_t SpareByte;             //  30
    double CurrentPayment;              //  31
    double Balance;                     //  39
    double Rate;                        //  47
    double LegacyValues[5];             //  55
    std::uint16_t Priority;             //  95
    std::uint16_t RateKind;             //  97  1 APR, 2 Effective, 3 Monthly, 4 Daily
    std::uint16_t PayDay;               //  99
    std::uint8_t Reserved[50];          // 101
};

struct TClientRec {
    ShortText<5> Version;               //     0
    ShortText<40> ProvidedFor;          //     6
    ShortText<40> ProvidedBy;           //    47
    std::uint16_t ConDayDue;            //    88
    std::uint16_t StartMonth;           //    90
    std::uint16_t StartYear;            //    92
    std::uint16_t ReductionPlan;        //    94  1 schedule, 2 consolidation, 3 timed
    std::uint8_t UseMinimumPayment;     //    96
    double ExtraPayment;                //    97
    std::uint16_t ConMethod;            //   105  1 Automatic, 2 Payment, 3 Term
    std::uint16_t ConMonthsInLoan;      //   107
    double ConMonthlyPayment;           //   109
    double ConNewRate;                  //   117
    std::uint16_t ConRateKind;          //   125  1 APR, 2 Eff
    ShortText<60> ReportTitle;          //   127
    ShortText<60> PlanName;             //   188
    std::uint16_t PriorityMethod;       //   249  1..11
    std::uint16_t DebtCount;            //   251
    TDebtRec Debts[50];                 //   253
    double TimedMonths;                 //  7803
    double VariableExtra[360];          //  7811
    ShortText<17> ObligationName[40];   // 10691
    double ObligationAmount[40];        // 11411
    ShortText<17> BudgetName[40];       // 11731
    double BudgetAmount[40];            // 12451
    std::uint8_t BudgetAutoCalc;        // 12771
    double MonthlyIncome;               // 12772
    double LegacyMargins[4];            // 12780
    std::uint16_t YearEnd;              // 12812  1 Calendar, 2 Fiscal
    std::uint16_t DailyDateFormat;      // 12814  1..22
    std::uint16_t DaysBefore;           // 12816  0..14
    std::uint8_t DisplayCents;          // 12818
    std::uint8_t BoxedGrid;             // 12819
    std::uint8_t CumulativeValues;      // 12820
    std::uint16_t MonthlyDateFormat;    // 12821  1..20
    std::uint8_t RptOverview;           // 12823
    std::uint8_t RptSummary;            // 12824
    std::uint8_t RptMonthPayOnly;       // 12825
    std::uint8_t RptMonthPayBal;        // 12826
    std::uint8_t RptDailyPayOnly;       // 12827
    std::uint8_t RptDailyPayBal;        // 12828
    std::uint8_t RptCalendar;           // 12829
    std::uint8_t RptMoneySave;          // 12830
    std::uint8_t RptTimeSave;           // 12831
    std::uint8_t RptPrincInt;           // 12832
    std::uint8_t ConRptSchedule;        // 12833
    std::uint8_t ConRptSummary;         // 12834
    std::uint8_t ConRptGraph;           // 12835
    double ConFee;                      // 12836
    std::int32_t DebtSortOrder;         // 12844
    ShortText<15> Password;             // 12848
    double SaveOrInvest;                // 12864
    std::int32_t ExtraPaymentSource;    // 12872  0 Enter, 1 Budget, 2 Variable
    std::uint8_t Reserved[168];         // 12876
};

#pragma pack(pop)

constexpr std::size_t kClientRecSize = 13044;
constexpr std::size_t kDebtRecSize = 151;
constexpr int kMaxDebts = 50;
constexpr int kScheduleMonths = 360;
constexpr int kBudgetLines = 40;

static_assert(sizeof(TDebtRec) == kDebtRecSize);
static_assert(sizeof(TClientRec) == kClientRecSize);
static_assert(offsetof(TDebtRec, MinPayIsPercent) == 21);
static_assert(offsetof(TDebtRec, MinPayment) == 22);
static_assert(offsetof(TDebtRec, SpareByte) == 30);
static_assert(offsetof(TDebtRec, CurrentPayment) == 31);
static_assert(offsetof(TDebtRec, Balance) == 39);
static_assert(offsetof(TDebtRec, Rate) == 47);
static_assert(offsetof(TDebtRec, LegacyValues) == 55);
static_assert(offsetof(TDebtRec, Priority) == 95);
static_assert(offsetof(TDebtRec, RateKind) == 97);
static_assert(offsetof(TDebtRec, PayDay) == 99);
static_assert(offsetof(TDebtRec, Reserved) == 101);
static_assert(offsetof(TClientRec, ProvidedFor) == 6);
static_assert(offsetof(TClientRec, ProvidedBy) == 47);
static_assert(offsetof(TClientRec, ConDayDue) == 88);
static_assert(offsetof(TClientRec, ReductionPlan) == 94);
static_assert(offsetof(TClientRec, UseMinimumPayment) == 96);
static_assert(offsetof(TClientRec, ExtraPayment) == 97);
static_assert(offsetof(TClientRec, ConMethod) == 105);
static_assert(offsetof(TClientRec, ConMonthsInLoan) == 107);
static_assert(offsetof(TClientRec, ConMonthlyPayment) == 109);
static_assert(offsetof(TClientRec, ConNewRate) == 117);
static_assert(offsetof(TClientRec, ConRateKind) == 125);
static_assert(offsetof(TClientRec, ReportTitle) == 127);
static_assert(offsetof(TClientRec, PlanName) == 188);
static_assert(offsetof(TClientRec, PriorityMethod) == 249);
static_assert(offsetof(TClientRec, DebtCount) == 251);
static_assert(offsetof(TClientRec, Debts) == 253);
static_assert(offsetof(TClientRec, TimedMonths) == 7803);
static_assert(offsetof(TClientRec, VariableExtra) == 7811);
static_assert(offsetof(TClientRec, ObligationName) == 10691);
static_assert(offsetof(TClientRec, ObligationAmount) == 11411);
static_assert(offsetof(TClientRec, BudgetName) == 11731);
static_assert(offsetof(TClientRec, BudgetAmount) == 12451);
static_assert(offsetof(TClientRec, BudgetAutoCalc) == 12771);
static_assert(offsetof(TClientRec, MonthlyIncome) == 12772);
static_assert(offsetof(TClientRec, LegacyMargins) == 12780);
static_assert(offsetof(TClientRec, YearEnd) == 12812);
static_assert(offsetof(TClientRec, DailyDateFormat) == 12814);
static_assert(offsetof(TClientRec, DaysBefore) == 12816);
static_assert(offsetof(TClientRec, DisplayCents) == 12818);
static_assert(offsetof(TClientRec, MonthlyDateFormat) == 12821);
static_assert(offsetof(TClientRec, RptOverview) == 12823);
static_assert(offsetof(TClientRec, RptPrincInt) == 12832);
static_assert(offsetof(TClientRec, ConRptSchedule) == 12833);
static_assert(offsetof(TClientRec, ConRptGraph) == 12835);
static_assert(offsetof(TClientRec, ConFee) == 12836);
static_assert(offsetof(TClientRec, DebtSortOrder) == 12844);
static_assert(offsetof(TClientRec, Password) == 12848);
static_assert(offsetof(TClientRec, SaveOrInvest) == 12864);
static_assert(offsetof(TClientRec, ExtraPaymentSource) == 12872);
static_assert(offsetof(TClientRec, Reserved) == 12876);

// The bytes of a record are its little-endian layout only on a little-endian machine.
static_assert(std::endian::native == std::endian::little,
              "TClientRec is stored by copying its bytes; port the record I/O first");

// A record of 13044 zero bytes.
TClientRec zeroClientRec();

// Resets one debt slot to its empty values: name empty, flags and amounts zero,
// Priority 1, RateKind 1, PayDay 1. The reserved bytes are left as they are.
void resetDebtSlot(TDebtRec& debt);

// Deletes debt `debt` (1-based, 1..numDebts) of a plan with `numDebts` debts: the debts
// after it move down one slot, the freed last slot gets the empty values (its reserved
// bytes stay), and numDebts shrinks by one. A number outside 1..numDebts changes nothing.
void removeDebt(TClientRec& plan, int& numDebts, int debt);

}  // namespace plan
