#pragma once

// Button rows on Qt widgets: PlaceButton moves a button to the left edge the row layout
// gives; makeButtonRow lays a dialog's command buttons out as "Button Alignment" says.

#include <QHBoxLayout>
#include <QList>
#include <QPushButton>
#include <QWidget>

#include "app/button_row.h"

namespace app {

void PlaceButton(ButtonRowState& state, QWidget* button, int kind, int rowWidth, int groupSize,
                 double scale);

// The buttons in their order, gathered left (0), centred (1) or right (anything else).
QHBoxLayout* makeButtonRow(const QList<QPushButton*>& buttons, int alignment);

}  // namespace app
