#pragma once

// Turns SIGTERM (what a desktop sends at logout and shutdown) into a Qt signal on the
// GUI thread. The handler only writes a byte into a pipe; a socket notifier reads it.

#include <QObject>

class QSocketNotifier;

namespace app {

class TerminationSignals final : public QObject {
    Q_OBJECT
  public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

  Q_SIGNALS:
    void terminationRequested();

  private:
    void onReadable();
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace app
