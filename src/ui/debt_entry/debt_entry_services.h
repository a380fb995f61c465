#pragma once

// What the debt entry form needs from the rest of the program. The main window fills it
// from its configuration (debtEntryServicesFrom in run_debt_entry.h); tests fill it by hand.

#include <QByteArray>
#include <functional>
#include <string>

#include "platform/locale_info.h"
#include "platform/message_boxes.h"

class QMainWindow;

namespace ui {

struct DebtEntryServices {
    platform::MessageBoxes* boxes = nullptr;  // required
    platform::LocaleInfo locale;
    std::string displayName = "Zelvane";
    // "Currency String Screen Grids": amounts loaded into the fields carry the currency.
    bool currencyStringScreenGrids = false;
    // "Currency String Screen Totals": amounts tidied after leaving a field carry it.
    bool currencyStringScreenTotals = false;
    // "Button Alignment": 0 left, 1 centre, 2 right.
    int buttonAlignment = 2;

    // Opens a help topic ("Enter_Debt_Information.htm").
    std::function<void(const std::string& topic)> showHelp;
    // Called after the plan's debts changed (a debt stored, a debt counted): the main
    // window redraws its debt list. Priorities are already derived again.
    std::function<void()> debtsChanged;
    // The system's default sound for a refused key or a question; QApplication::beep when
    // empty.
    std::function<void()> beep;

    // Fonts, menu style and animation; nothing when empty.
    std::function<void(QMainWindow& form)> applyAppearance;
    // The toolbar layout (QMainWindow::saveState bytes) stored under the form's name.
    std::function<QByteArray()> loadToolbarLayout;
    std::function<void(const QByteArray& layout)> saveToolbarLayout;
};

}  // namespace ui
