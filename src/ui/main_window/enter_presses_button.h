#pragma once

#include <QObject>

namespace tabloom {

// Makes Return and Enter press the focused push button in every window, as
// Space does; installed once on the application. Only key presses sent to a
// push button are taken, so a text box or list that gives Enter its own
// meaning keeps it.
class EnterPressesFocusedButton : public QObject {
    Q_OBJECT

  public:
    explicit EnterPressesFocusedButton(QObject* parent = nullptr) : QObject(parent) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tabloom
