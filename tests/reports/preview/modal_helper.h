#pragma once

// Runs a check on a modal dialog of type T once it is on screen (the dialog's exec() blocks
// the test's own code until the check closes it).

#include <QApplication>
#include <QTimer>
#include <functional>

namespace reports::testing_modal {

template <typename T>
void whenModalShows(std::function<void(T&)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        timer->stop();
        timer->deleteLater();
        act(*dialog);
    });
    timer->start();
}

}  // namespace reports::testing_modal
