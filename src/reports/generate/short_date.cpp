#include <cstddef>

#include "calc/calendar.h"
#include "reports/generate/report_inputs.h"

namespace reports {

std::string formatShortDate(const std::string& picture, const ReportDate& date,
                            const platform::LocaleInfo& locale) {
    std::string out;
    std::size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        std::size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c)
            ++run;
        const auto month =
            static_cast<std::size_t>(date.month >= 1 && date.month <= 12 ? date.month - 1 : 0);
        if (c == '\'') {
            const std::size_t end = picture.find('\'', i + 1);
            out +=
                picture.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
            i = end == std::string::npos ? picture.size() : end + 1;
            continue;
        }
        if (c == 'd') {
            out += run >= 2 ? calc::TwoDigits(date.day) : std::to_string(date.day);
        } else if (c == 'M') {
            if (run >= 4)
                out += locale.longMonthNames[month];
            else if (run == 3)
                out += locale.shortMonthNames[month];
            else
                out += run == 2 ? calc::TwoDigits(date.month) : std::to_string(date.month);
        } else if (c == 'y') {
            out += run >= 3 ? std::to_string(date.year) : calc::TwoDigits(date.year % 100);
        } else {
            out.append(run, c);
        }
        i += run;
    }
    return out;
}

}  // namespace reports
