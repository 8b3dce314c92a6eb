#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

namespace tabloom {

// One program per settings folder, so that no two windows replace each
// other's table. The first start locks the folder and listens on a local
// socket; a later start asks it to come to the front and ends.
class SingleInstance : public QObject {
    Q_OBJECT

  public:
    enum class Claim {
        First,        // this start owns the folder (or no lock can be taken)
        Signalled,    // the running program came to the front and answered
        Unreachable,  // the folder is locked but its owner does not answer
    };

    explicit SingleInstance(const QString& settingsFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Claims the folder; a running owner that is still starting gets up to
    // waitMs to answer.
    Claim ClaimFolder(int waitMs = 10000);
    QString ServerName() const { return serverName_; }

  signals:
    // A later start asked for the window.
    void activationRequested();

  private:
    QLockFile lock_;
    QString serverName_;
    QLocalServer* server_ = nullptr;
};

}  // namespace tabloom
