#pragma once

// Layout shared by the Open and Save As dialogs: the button row by "Button Alignment" and
// the dialog centred on its screen.

#include <QHBoxLayout>
#include <QList>
#include <QPushButton>

namespace ui {

// The buttons in their order, gathered left (0), centred (1) or right (anything else).
QHBoxLayout* makeButtonRow(const QList<QPushButton*>& buttons, int alignment);

// left = (screen width - width) div 2, top = (screen height - height) div 2.
void centreOnScreen(QWidget& dialog);

}  // namespace ui
