#include "ui/open_save/dialog_layout.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ui {

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

void centreOnScreen(QWidget& dialog) {
    const QScreen* screen =
        dialog.screen() != nullptr ? dialog.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->geometry();
    const QSize size = dialog.frameGeometry().size();
    dialog.move(area.left() + (area.width() - size.width()) / 2,
                area.top() + (area.height() - size.height()) / 2);
}

}  // namespace ui
