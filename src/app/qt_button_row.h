#pragma once

// PlaceButton for Qt widgets: moves the button to the left edge the row layout gives.

#include <QWidget>

#include "app/button_row.h"

namespace app {

void PlaceButton(ButtonRowState& state, QWidget* button, int kind, int rowWidth, int groupSize,
                 double scale);

}  // namespace app
