#include "platform/qt/qt_message_boxes.h"

#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

namespace platform {
namespace {

QMessageBox::Icon toQtIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::None: return QMessageBox::NoIcon;
        case MsgIcon::Information: return QMessageBox::Information;
        case MsgIcon::Warning: return QMessageBox::Warning;
        case MsgIcon::Error: return QMessageBox::Critical;
        case MsgIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQtButtons(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok: return QMessageBox::Ok;
        case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case MsgButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton toQtButton(MsgAnswer answer) {
    switch (answer) {
        case MsgAnswer::Ok: return QMessageBox::Ok;
        case MsgAnswer::Cancel: return QMessageBox::Cancel;
        case MsgAnswer::Yes: return QMessageBox::Yes;
        case MsgAnswer::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

MsgAnswer fromQtButton(int button, MsgButtons set) {
    switch (button) {
        case QMessageBox::Ok: return MsgAnswer::Ok;
        case QMessageBox::Cancel: return MsgAnswer::Cancel;
        case QMessageBox::Yes: return MsgAnswer::Yes;
        case QMessageBox::No: return MsgAnswer::No;
        default: return escapeAnswer(set);
    }
}

QString displayText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

}  // namespace

MsgAnswer QtMessageBoxes::show(const MessageBoxRequest& request) {
    auto* owner = static_cast<QWidget*>(request.owner);
    QMessageBox box(toQtIcon(request.icon), displayText(request.caption),
                    displayText(request.text), toQtButtons(request.buttons), owner);
    if (request.defaultButton) {
        box.setDefaultButton(toQtButton(*request.defaultButton));
    }
    if (request.bringToForeground || owner == nullptr) {
        box.setWindowFlag(Qt::WindowStaysOnTopHint, request.bringToForeground);
    }
    if (request.bringToForeground) {
        box.show();
        box.raise();
        box.activateWindow();
    }
    const int result = box.exec();
    return fromQtButton(result, request.buttons);
}

}  // namespace platform
