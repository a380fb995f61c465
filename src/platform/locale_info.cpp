#include "platform/locale_info.h"

namespace platform {

LocaleInfo LocaleInfo::englishUS() {
    LocaleInfo l;
    l.decimalSeparator = ".";
    l.thousandsSeparator = ",";
    l.currencySymbol = "$";
    l.currencyFormat = 0;
    l.negativeCurrencyFormat = 0;
    l.shortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    l.longMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                        "July",    "August",   "September", "October", "November", "December"};
    l.shortDateFormat = "M/d/yyyy";
    l.longTimeFormat = "h:mm:ss AMPM";
    return l;
}

LocaleInfo LocaleInfo::germanDE() {
    LocaleInfo l;
    l.decimalSeparator = ",";
    l.thousandsSeparator = ".";
    l.currencySymbol = "\xE2\x82\xAC";  // the euro sign, UTF-8
    l.currencyFormat = 3;
    l.negativeCurrencyFormat = 8;
    l.shortMonthNames = {"Jan", "Feb", "M\xC3\xA4r", "Apr", "Mai", "Jun",
                         "Jul", "Aug", "Sep",        "Okt", "Nov", "Dez"};
    l.longMonthNames = {"Januar", "Februar", "M\xC3\xA4rz", "April",   "Mai",      "Juni",
                        "Juli",   "August",  "September",   "Oktober", "November", "Dezember"};
    l.shortDateFormat = "dd.MM.yyyy";
    l.longTimeFormat = "HH:mm:ss";
    return l;
}

}  // namespace platform
