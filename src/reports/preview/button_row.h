#pragma once

// A dialog's row of command buttons, placed left, centred or right as the setting
// "Button Alignment" says (0 left, 1 centre, 2 right; anything else right).

#include <QHBoxLayout>
#include <QList>
#include <QPushButton>

namespace reports {

QHBoxLayout* makeButtonRow(const QList<QPushButton*>& buttons, int alignment);

}  // namespace reports
