#include "app/qt_form_position.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace app {
namespace {

settings::FormRect toRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

}  // namespace

std::string QtPositionedForm::componentName() const {
    return window_->objectName().toStdString();
}

settings::FormRect QtPositionedForm::bounds() const {
    return toRect(window_->geometry());
}

settings::FormRect QtPositionedForm::normalBounds() const {
    if (window_->isMaximized() || window_->isFullScreen()) {
        const QRect normal = window_->normalGeometry();
        if (normal.isValid())
            return toRect(normal);
    }
    return toRect(window_->geometry());
}

void QtPositionedForm::setPosition(int left, int top) {
    QRect g = window_->geometry();
    g.moveTo(left, top);
    window_->setGeometry(g);
}

void QtPositionedForm::setSize(int width, int height) {
    QRect g = window_->geometry();
    g.setSize(QSize(width, height));
    window_->setGeometry(g);
}

bool QtPositionedForm::isSizeable() const {
    return window_->minimumSize() != window_->maximumSize();
}

bool QtPositionedForm::canMaximize() const {
    const Qt::WindowFlags flags = window_->windowFlags();
    if (flags.testFlag(Qt::CustomizeWindowHint)) {
        return flags.testFlag(Qt::WindowMinimizeButtonHint) &&
               flags.testFlag(Qt::WindowMaximizeButtonHint);
    }
    // Plain top-level windows get both buttons from the window manager; dialogs do not.
    return window_->windowType() == Qt::Window && isSizeable();
}

bool QtPositionedForm::isMaximized() const {
    return window_->isMaximized();
}

void QtPositionedForm::setMaximized(bool maximized) {
    Qt::WindowStates state = window_->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (maximized)
        state |= Qt::WindowMaximized;
    window_->setWindowState(state);
}

settings::ScreenMetrics currentScreenMetrics() {
    settings::ScreenMetrics m;
    QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return m;
    m.screenWidth = primary->geometry().width();
    m.screenHeight = primary->geometry().height();
    const QRect virtualDesktop = primary->virtualGeometry();
    m.virtualWidth = virtualDesktop.width();
    m.virtualHeight = virtualDesktop.height();
    m.ppiX = static_cast<int>(std::lround(primary->logicalDotsPerInchX()));
    m.ppiY = static_cast<int>(std::lround(primary->logicalDotsPerInchY()));
    for (QScreen* s : QGuiApplication::screens())
        m.monitors.push_back(toRect(s->geometry()));
    return m;
}

bool LoadFormPosition(settings::TConfigBase& config, QWidget* window, const std::string& name) {
    QtPositionedForm form(window);
    return settings::LoadFormPosition(config, form, currentScreenMetrics(), name);
}

void SaveFormPosition(settings::TConfigBase& config, QWidget* window, const std::string& name) {
    QtPositionedForm form(window);
    settings::SaveFormPosition(config, form, currentScreenMetrics(), name);
}

}  // namespace app
