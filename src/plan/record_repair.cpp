#include "plan/record_repair.h"

#include <cctype>
#include <charconv>
#include <string>

namespace plan {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A decimal number as the design's number conversion accepts it: optional blanks around
// it, an optional sign, digits with at most one ".", an optional exponent.
bool isDecimalNumber(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++expDigits;
        if (expDigits == 0)
            return false;
    }
    return i == s.size();
}

}  // namespace

double DataFileVersion(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!isDecimalNumber(text))
        return 0;
    // from_chars ignores the C locale (a German locale must still read "3.2") but takes
    // no leading "+".
    if (text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return 0;
    return value;
}

bool needsOldRecordRepair(const TClientRec& rec) {
    return DataFileVersion(rec.Version.bytes()) < 3.2;
}

void repairOldRecord(TClientRec& rec) {
    rec.DebtSortOrder = 0;
    rec.Password.setBytes("");
}

int loadedDebtCount(const TClientRec& rec) {
    const int count = rec.DebtCount;
    return count <= kMaxDebts ? count : kMaxDebts;
}

}  // namespace plan
