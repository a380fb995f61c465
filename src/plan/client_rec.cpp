#include "plan/client_rec.h"

#include "platform/cp1252.h"

namespace plan {

template <std::size_t N>
std::string ShortText<N>::text() const {
    return platform::cp1252ToUtf8(bytes());
}

template <std::size_t N>
void ShortText<N>::setText(std::string_view utf8) {
    setBytes(platform::utf8ToCp1252(utf8));
}

template struct ShortText<5>;
template struct ShortText<15>;
template struct ShortText<17>;
template struct ShortText<20>;
template struct ShortText<40>;
template struct ShortText<60>;

TClientRec zeroClientRec() {
    TClientRec rec;
    std::memset(&rec, 0, sizeof rec);
    return rec;
}

void resetDebtSlot(TDebtRec& debt) {
    debt.Name.length = 0;
    std::memset(debt.Name.chars, 0, sizeof debt.Name.chars);
    debt.MinPayIsPercent = 0;
    debt.MinPayment = 0;
    // The 65 bytes from SpareByte through the last legacy value.
    std::memset(&debt.SpareByte, 0, offsetof(TDebtRec, Priority) - offsetof(TDebtRec, SpareByte));
    debt.Priority = 1;
    debt.RateKind = 1;
    debt.PayDay = 1;
}

void removeDebt(TClientRec& plan, int& numDebts, int debt) {
    if (debt < 1 || debt > numDebts || numDebts > kMaxDebts)
        return;
    for (int k = debt; k < numDebts; ++k)
        plan.Debts[k - 1] = plan.Debts[k];
    resetDebtSlot(plan.Debts[numDebts - 1]);
    --numDebts;
}

}  // namespace plan
