#include "app/qt_button_row.h"

namespace app {

void PlaceButton(ButtonRowState& state, QWidget* button, int kind, int rowWidth, int groupSize,
                 double scale) {
    const int left =
        PlaceButton(state, kind, button->width(), button->x(), rowWidth, groupSize, scale);
    button->move(left, button->y());
}

QHBoxLayout* makeButtonRow(const QList<QPushButton*>& buttons, int alignment) {
    auto* row = new QHBoxLayout;
    if (alignment != 0)
        row->addStretch(1);
    for (QPushButton* button : buttons)
        row->addWidget(button);
    if (alignment == 0 || alignment == 1)
        row->addStretch(1);
    return row;
}

}  // namespace app
