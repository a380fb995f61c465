#include "modal_dialogs.h"

#include <QApplication>
#include <QString>
#include <QTimer>

namespace testing_support {

void whenModalMatches(std::function<bool(QWidget&)> accepts, std::function<void(QWidget&)> act,
                      int intervalMs) {
    auto* timer = new QTimer;
    timer->setInterval(intervalMs);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, accepts, act] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || !accepts(*dialog))
            return;
        timer->stop();
        timer->deleteLater();
        act(*dialog);
    });
    timer->start();
}

void whenModalNamed(const char* name, std::function<void(QWidget&)> act, int* seen) {
    whenModalMatches([name](QWidget& w) { return w.objectName() == QString::fromLatin1(name); },
                     [act, seen](QWidget& w) {
                         if (seen)
                             ++*seen;
                         act(w);
                     });
}

}  // namespace testing_support
