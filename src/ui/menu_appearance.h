#pragma once

// The look of a window's menu bar and toolbar from the settings "Menu Style" and
// "Menu Animation". The styles are style sheets over the running Qt style: 1 enhanced,
// 2 standard (the Qt style itself), 3 an Office 2003 look, 4 a Windows XP look, 5 the XP
// look with a background behind both bars, any other value flat.

#include <QString>

class QMainWindow;

namespace ui {

enum class MenuAnimation { None, Slide, Unfold, Fade };

// 0 none, 1 slide, 2 unfold, 3 fade, other values none.
MenuAnimation menuAnimationFrom(int setting);

// The style sheets of the menu bar and the toolbar for a "Menu Style" value.
struct MenuStyleSheets {
    QString menuBar;
    QString toolBar;
    bool background = false;  // style 5: a background image behind both bars
};
MenuStyleSheets menuStyleSheetsFor(int menuStyle);

// Applies both to `window`'s menu bar and every toolbar; the animation is application-wide
// (Qt's menu effects).
void applyMenuAppearance(QMainWindow& window, int menuStyle, int menuAnimation);

}  // namespace ui
