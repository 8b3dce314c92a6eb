#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <memory>
#include <thread>

#include "ui/platform/single_instance.h"

using namespace tabloom;

namespace {

// The program, started on its own settings folder.
std::unique_ptr<QProcess> StartProgram(const QString& configHome) {
    auto program = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", configHome);
    program->setProcessEnvironment(env);
    program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program->start(TABLOOM_PROGRAM_PATH, {});
    return program;
}

bool LockHeldBy(const QString& config, const QProcess& program) {
    QLockFile lock(config + "/tbm.lock");
    qint64 pid = 0;
    QString host;
    QString app;
    return lock.getLockInfo(&pid, &host, &app) && pid == program.processId();
}

}  // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

  private slots:
    // A later start on the same folder asks the first to come to the front
    // and gets its answer; while the owner's thread is busy it is reported
    // as unreachable.
    void claimsTheSettingsFolder() {
        QTemporaryDir dir;
        const QString config = dir.filePath("config");
        SingleInstance first(config);
        QSignalSpy asked(&first, &SingleInstance::activationRequested);
        QCOMPARE(first.ClaimFolder(), SingleInstance::Claim::First);
        // The second start runs beside the first one's event loop.
        std::atomic<bool> done{false};
        SingleInstance::Claim got{};
        std::thread second([&] {
            got = SingleInstance(config).ClaimFolder(300);
            done = true;
        });
        QTRY_VERIFY(done.load());
        second.join();
        QCOMPARE(got, SingleInstance::Claim::Signalled);
        QCOMPARE(asked.count(), 1);
        QCOMPARE(SingleInstance(config).ClaimFolder(300), SingleInstance::Claim::Unreachable);
    }

    // A second start on the same folder brings the first to the front and
    // ends at once; the first runs on. A lock left by a program that was
    // killed does not stop the next start, whose table SIGTERM keeps.
    void secondStartOfTheProgramEnds() {
        QTemporaryDir dir;
        const QString config = dir.filePath("tabloom");
        const auto first = StartProgram(dir.path());
        QTRY_VERIFY_WITH_TIMEOUT(LockHeldBy(config, *first), 10000);
        QCOMPARE(SingleInstance(config).ClaimFolder(), SingleInstance::Claim::Signalled);

        const auto second = StartProgram(dir.path());
        QVERIFY(second->waitForFinished(10000));
        QVERIFY(second->exitStatus() == QProcess::NormalExit && second->exitCode() == 0);
        QCOMPARE(first->state(), QProcess::Running);

        first->kill();
        QVERIFY(first->waitForFinished(10000));
        const auto next = StartProgram(dir.path());
        QTRY_VERIFY_WITH_TIMEOUT(LockHeldBy(config, *next), 10000);
        // Its answer shows its event loop running, and so its SIGTERM watch.
        QCOMPARE(SingleInstance(config).ClaimFolder(), SingleInstance::Claim::Signalled);
        next->terminate();
        QVERIFY(next->waitForFinished(10000));
        QVERIFY(QFileInfo::exists(config + "/tbm.usr"));
    }
};

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
