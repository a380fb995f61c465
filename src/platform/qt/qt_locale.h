#pragma once

// Fills the core's locale value object from the system locale.

#include <QLocale>

#include "platform/locale_info.h"

namespace platform {

LocaleInfo localeInfoFrom(const QLocale& locale);
inline LocaleInfo systemLocaleInfo() {
    return localeInfoFrom(QLocale::system());
}

}  // namespace platform
