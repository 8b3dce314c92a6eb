#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QDialog;
class QKeyEvent;

namespace tabloom {

// Enter in the watched boxes moves the focus to one button without pressing
// it, so a value is confirmed by a second, deliberate Enter.
class EnterKeyFilter : public QObject {
    Q_OBJECT

  public:
    EnterKeyFilter(QWidget* target, QObject* parent);
    void Watch(QWidget* box);

    // Our dialogs have no default button: Enter presses the focused button
    // and is swallowed anywhere else. True when the event was Enter.
    static bool PressFocusedButton(QDialog* dialog, QKeyEvent* event);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointer<QWidget> target_;
};

}  // namespace tabloom
