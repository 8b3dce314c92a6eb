#pragma once

#include <QObject>

class QSocketNotifier;

namespace tabloom {

// Turns SIGTERM, SIGHUP and SIGINT into a Qt signal on the user-interface
// thread, so that the program can keep the table before it ends.
class TerminationWatcher : public QObject {
    Q_OBJECT

  public:
    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;

    // False when the signals could not be caught (the watcher then does
    // nothing).
    bool Active() const { return notifier_ != nullptr; }

  signals:
    void terminationRequested();

  private:
    void Drain();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tabloom
