#include "ui/open_save/dialog_layout.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ui {

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
