#include "ui/menu_appearance.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

namespace ui {

MenuAnimation menuAnimationFrom(int setting) {
    switch (setting) {
        case 1:
            return MenuAnimation::Slide;
        case 2:
            return MenuAnimation::Unfold;
        case 3:
            return MenuAnimation::Fade;
        default:
            return MenuAnimation::None;
    }
}

MenuStyleSheets menuStyleSheetsFor(int menuStyle) {
    MenuStyleSheets s;
    switch (menuStyle) {
        case 1:  // enhanced: raised items with a highlighted hover
            s.menuBar = QStringLiteral(
                "QMenuBar::item:selected { background: palette(highlight);"
                " color: palette(highlighted-text); border-radius: 2px; }");
            s.toolBar = QStringLiteral(
                "QToolBar { border-bottom: 1px solid palette(mid); }"
                " QToolButton:hover { background: palette(highlight);"
                " color: palette(highlighted-text); }");
            break;
        case 2:  // standard: the Qt style as it is
            break;
        case 3:  // Office 2003: light blue bars, orange hover
            s.menuBar = QStringLiteral(
                "QMenuBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                " stop:0 #e3efff, stop:1 #afd2ff); }"
                " QMenuBar::item:selected { background: #ffeec2; border: 1px solid #000080; }");
            s.toolBar = QStringLiteral(
                "QToolBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                " stop:0 #ddecfe, stop:1 #81a9e2); border: none; }"
                " QToolButton:hover { background: #ffeec2; border: 1px solid #000080; }");
            break;
        case 4:  // Windows XP: beige bars, blue hover
        case 5:
            s.menuBar = QStringLiteral(
                "QMenuBar { background: #ece9d8; }"
                " QMenuBar::item:selected { background: #316ac5; color: white; }");
            s.toolBar = QStringLiteral(
                "QToolBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                " stop:0 #fefefb, stop:1 #e3e2d6); border: none; }"
                " QToolButton:hover { background: #c1d2ee; border: 1px solid #316ac5; }");
            if (menuStyle == 5) {
                // The bars' backgrounds run across the whole row.
                s.background = true;
                s.menuBar = QStringLiteral(
                    "QMenuBar { background: qlineargradient(x1:0, y1:0, x2:1, y2:0,"
                    " stop:0 #ece9d8, stop:1 #c9d7ef); }"
                    " QMenuBar::item { background: transparent; }"
                    " QMenuBar::item:selected { background: #316ac5; color: white; }");
                s.toolBar = QStringLiteral(
                    "QToolBar { background: qlineargradient(x1:0, y1:0, x2:1, y2:0,"
                    " stop:0 #fefefb, stop:1 #c9d7ef); border: none; }"
                    " QToolButton:hover { background: #c1d2ee; border: 1px solid #316ac5; }");
            }
            break;
        default:  // flat: no frames, no gradients
            s.menuBar = QStringLiteral(
                "QMenuBar { background: palette(window); border: none; }"
                " QMenuBar::item:selected { background: palette(midlight); }");
            s.toolBar = QStringLiteral(
                "QToolBar { background: palette(window); border: none; }"
                " QToolButton { border: none; } QToolButton:hover { background: palette(midlight); "
                "}");
            break;
    }
    return s;
}

void applyMenuAppearance(QMainWindow& window, int menuStyle, int menuAnimation) {
    const MenuStyleSheets sheets = menuStyleSheetsFor(menuStyle);
    window.menuBar()->setStyleSheet(sheets.menuBar);
    for (QToolBar* bar : window.findChildren<QToolBar*>())
        bar->setStyleSheet(sheets.toolBar);

    const MenuAnimation animation = menuAnimationFrom(menuAnimation);
    // Qt's menu effects run only while its general effects are on.
    if (animation != MenuAnimation::None)
        QApplication::setEffectEnabled(Qt::UI_General, true);
    // Qt has one sliding effect; it stands in for both slide and unfold.
    QApplication::setEffectEnabled(Qt::UI_AnimateMenu, animation == MenuAnimation::Slide ||
                                                           animation == MenuAnimation::Unfold);
    QApplication::setEffectEnabled(Qt::UI_FadeMenu, animation == MenuAnimation::Fade);
}

}  // namespace ui
