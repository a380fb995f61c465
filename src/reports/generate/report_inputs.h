#pragma once

// Everything one report run is given: the plan in memory, the settings, the temporary
// footer, the user's locale, today's date and the message boxes for the page-limit question.

#include <array>
#include <string>

#include "plan/client_rec.h"
#include "platform/locale_info.h"
#include "platform/message_boxes.h"
#include "reports/engine/temp_footer.h"
#include "reports/generate/report_settings.h"

namespace reports {

struct ReportDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

struct ReportInputs {
    plan::TClientRec plan = plan::zeroClientRec();
    int numDebts = 0;
    ReportSettings settings;
    TempFooter tempFooter;
    platform::LocaleInfo locale = platform::LocaleInfo::englishUS();
    // The system's long day names, Sunday first (the calendar's day heading).
    std::array<std::string, 7> longDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    ReportDate today;
    // The program's display name ("Zelvane" unless customized).
    std::string displayName = "Zelvane";
    // Shows the page-limit question; without boxes the report stops at the limit.
    platform::MessageBoxes* boxes = nullptr;
    platform::WindowHandle owner = nullptr;
};

// The date in a short date picture of the locale ("M/d/yyyy", "dd.MM.yy", ...): d, dd,
// M, MM, MMM, MMMM, yy, yyyy; text in single quotes is copied.
std::string formatShortDate(const std::string& picture, const ReportDate& date,
                            const platform::LocaleInfo& locale);

}  // namespace reports
