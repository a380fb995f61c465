#pragma once

// Layout shared by the Open and Save As dialogs: the dialog centred on its screen (their
// button row comes from app::makeButtonRow).

class QWidget;

namespace ui {

// left = (screen width - width) div 2, top = (screen height - height) div 2.
void centreOnScreen(QWidget& dialog);

}  // namespace ui
