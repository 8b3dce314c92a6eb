#pragma once

#include <QString>

#include "ui/platform/launcher.h"

namespace tabloom {

// Opens documents through xdg-open (or another program taking the target as
// its only argument) and turns its exit status into a shell-style code.
class XdgLauncher : public Launcher {
  public:
    explicit XdgLauncher(QString program = "xdg-open", int timeoutMs = 15000);

    int Open(const QString& target) override;

    // Exit status of xdg-open to a launch code: 0 accepted, 2 file not
    // found, 3 no program for the type, anything else a general failure.
    static int CodeForExitStatus(int exitStatus);

    // A local path is made absolute so that a name starting with "-" can
    // never be taken for an option; URLs pass unchanged.
    static QString ArgumentFor(const QString& target);

  private:
    QString program_;
    int timeoutMs_;
};

}  // namespace tabloom
