#include "ui/platform/xdg_launcher.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <utility>

namespace tabloom {

XdgLauncher::XdgLauncher(QString program, int timeoutMs)
    : program_(std::move(program)), timeoutMs_(timeoutMs) {}

int XdgLauncher::CodeForExitStatus(int exitStatus) {
    switch (exitStatus) {
        case 0:
            return kLaunchAccepted;
        case 2:
            return kLaunchFileNotFound;
        case 3:
            return kLaunchNoAssociation;
        default:
            return kLaunchFailed;
    }
}

QString XdgLauncher::ArgumentFor(const QString& target) {
    static const QRegularExpression scheme("^[A-Za-z][A-Za-z0-9+.-]*:");
    if (target.isEmpty() || scheme.match(target).hasMatch()) return target;
    return QFileInfo(target).absoluteFilePath();
}

int XdgLauncher::Open(const QString& target) {
    auto* process = new QProcess;
    process->setProgram(program_);
    process->setArguments({ArgumentFor(target)});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted(timeoutMs_)) {
        delete process;
        return kLaunchFailed;
    }
    if (!process->waitForFinished(timeoutMs_)) {
        // Some desktops keep xdg-open running while the document is open:
        // the request was accepted. Leave the process alone and tidy up
        // whenever it ends.
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return kLaunchAccepted;
    }
    const int code = process->exitStatus() == QProcess::NormalExit
                         ? CodeForExitStatus(process->exitCode())
                         : kLaunchFailed;
    delete process;
    return code;
}

}  // namespace tabloom
