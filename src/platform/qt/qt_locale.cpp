#include "platform/qt/qt_locale.h"

#include <QString>
#include <array>

namespace platform {
namespace {

// Writes a currency amount of 1 with "$" as the symbol, so the layout can be matched
// against the Windows numbering.
QString layoutOf(const QLocale& locale, double value) {
    QString s = locale.toCurrencyString(value, QStringLiteral("$"), 0);
    s.replace(QChar(0x00A0), QLatin1Char(' '));
    s.replace(QChar(0x202F), QLatin1Char(' '));
    s.replace(locale.toString(1), QStringLiteral("1"));
    s.replace(locale.negativeSign(), QStringLiteral("-"));
    return s;
}

int indexIn(const QString& layout, const char* const* table, int count, int fallback) {
    for (int i = 0; i < count; ++i) {
        if (layout == QLatin1String(table[i]))
            return i;
    }
    return fallback;
}

// Qt writes "AP" or "ap" for the day half; the core's pictures write "AMPM".
std::string timePicture(QString format) {
    format.replace(QStringLiteral("AP"), QStringLiteral("AMPM"));
    format.replace(QStringLiteral("ap"), QStringLiteral("AMPM"));
    return format.toStdString();
}

}  // namespace

LocaleInfo localeInfoFrom(const QLocale& locale) {
    static const char* const positive[] = {"$1", "1$", "$ 1", "1 $"};
    static const char* const negative[] = {"($1)", "-$1",  "$-1",   "$1-",  "(1$)", "-1$",
                                           "1-$",  "1$-",  "-1 $",  "-$ 1", "1 $-", "$ 1-",
                                           "$ -1", "1- $", "($ 1)", "(1 $)"};
    LocaleInfo info;
    info.decimalSeparator = locale.decimalPoint().toStdString();
    info.thousandsSeparator = locale.groupSeparator().toStdString();
    info.currencySymbol = locale.currencySymbol(QLocale::CurrencySymbol).toStdString();
    info.currencyFormat = indexIn(layoutOf(locale, 1), positive, 4, 0);
    info.negativeCurrencyFormat = indexIn(layoutOf(locale, -1), negative, 16, 1);
    for (int m = 1; m <= 12; ++m) {
        const auto i = static_cast<std::size_t>(m - 1);
        info.shortMonthNames[i] = locale.monthName(m, QLocale::ShortFormat).toStdString();
        info.longMonthNames[i] = locale.monthName(m, QLocale::LongFormat).toStdString();
    }
    info.shortDateFormat = locale.dateFormat(QLocale::ShortFormat).toStdString();
    info.longTimeFormat = timePicture(locale.timeFormat(QLocale::LongFormat));
    return info;
}

}  // namespace platform
