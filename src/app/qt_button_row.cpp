#include "app/qt_button_row.h"

namespace app {

void PlaceButton(ButtonRowState& state, QWidget* button, int kind, int rowWidth, int groupSize,
                 double scale) {
    const int left =
        PlaceButton(state, kind, button->width(), button->x(), rowWidth, groupSize, scale);
    button->move(left, button->y());
}

}  // namespace app
