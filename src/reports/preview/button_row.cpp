#include "reports/preview/button_row.h"

namespace reports {

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

}  // namespace reports
