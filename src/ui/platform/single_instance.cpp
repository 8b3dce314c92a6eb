#include "ui/platform/single_instance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <algorithm>

namespace tabloom {

namespace {

// Short and fixed in length, as socket paths are limited; one per user and
// folder.
QString ServerNameFor(const QString& folder) {
    const QByteArray key = QByteArray::number(::getuid()) + '\n' + QFile::encodeName(folder);
    return "tabloom-" +
           QString::fromLatin1(
               QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24));
}

}  // namespace

SingleInstance::SingleInstance(const QString& settingsFolder, QObject* parent)
    : QObject(parent),
      lock_(QDir(settingsFolder).filePath("tbm.lock")),
      serverName_(ServerNameFor(QDir(settingsFolder).absolutePath())) {
    // A program runs for days: only a lock whose process is gone is stale.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    if (server_ != nullptr) server_->close();
}

SingleInstance::Claim SingleInstance::ClaimFolder(int waitMs) {
    QDir().mkpath(QFileInfo(lock_.fileName()).absolutePath());
    if (!lock_.tryLock(0)) {
        // A folder that takes no lock file guards nothing: run as before.
        if (lock_.error() != QLockFile::LockFailedError) return Claim::First;
        // The owner may still be starting: ask until it listens.
        const QDeadlineTimer deadline(waitMs);
        do {
            QLocalSocket socket;
            socket.connectToServer(serverName_);
            if (socket.waitForConnected(500)) {
                // The answer comes once the owner's event loop runs.
                socket.write("raise\n");
                const int left = std::max<qint64>(deadline.remainingTime(), 1);
                if (socket.waitForReadyRead(left) && socket.readAll().startsWith("ok")) {
                    return Claim::Signalled;
                }
                return Claim::Unreachable;
            }
            QThread::msleep(100);
        } while (!deadline.hasExpired());
        return Claim::Unreachable;
    }
    // A socket left by a program that crashed would refuse the name.
    QLocalServer::removeServer(serverName_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->write("ok\n");
            socket->disconnectFromServer();  // after the answer is written
            emit activationRequested();
        }
    });
    server_->listen(serverName_);
    return Claim::First;
}

}  // namespace tabloom
