#pragma once

// Acting on a modal dialog from a test: the dialog's exec() blocks the test's own code, so a
// timer looks for the active modal window and runs the test's step on it once it is there.

#include <QWidget>
#include <functional>

namespace testing_support {

// Every `intervalMs` looks at the active modal window; the first one `accepts` takes gets
// `act` run on it, once.
void whenModalMatches(std::function<bool(QWidget&)> accepts, std::function<void(QWidget&)> act,
                      int intervalMs = 10);

// Runs `act` on the modal dialog of type T once it is on screen.
template <typename T>
void whenModalShows(std::function<void(T&)> act, int intervalMs = 10) {
    whenModalMatches([](QWidget& w) { return qobject_cast<T*>(&w) != nullptr; },
                     [act](QWidget& w) { act(*qobject_cast<T*>(&w)); }, intervalMs);
}

// Runs `act` on the modal dialog with the object name `name` once it is on screen; `seen`,
// when given, counts it.
void whenModalNamed(const char* name, std::function<void(QWidget&)> act, int* seen = nullptr);

}  // namespace testing_support
