#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/platform/xdg_launcher.h"

using namespace tabloom;

// Runs the launcher against small stand-in programs that behave like
// xdg-open with a chosen exit status.
class TestXdgLauncher : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

    // A shell script that records its arguments and ends with the given body.
    QString Script(const QString& name, const QByteArray& body) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write script");
        file.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\n" + body + "\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

  private slots:
    void launchThroughProgram_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("code");
        QTest::newRow("success") << 0 << 33;
        QTest::newRow("file not found") << 2 << 2;
        QTest::newRow("no program") << 3 << 31;
        QTest::newRow("other") << 127 << 5;
    }
    void launchThroughProgram() {
        QFETCH(int, status);
        QFETCH(int, code);
        const QString program =
            Script("open_" + QString::number(status), "exit " + QByteArray::number(status));
        XdgLauncher launcher(program, 5000);
        QCOMPARE(launcher.Open("https://example.org/manual.html"), code);
    }

    void targetPassedAsOneArgument() {
        const QString program = Script("record", "exit 0");
        XdgLauncher launcher(program, 5000);
        const QString target = dir_.filePath("my table; rm -rf x.htm");
        QCOMPARE(launcher.Open(target), 33);
        QFile args(program + ".args");
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(args.readAll()), target + "\n");
    }

    void argumentForTargets() {
        QCOMPARE(XdgLauncher::ArgumentFor("https://example.org/a.htm"),
                 QString("https://example.org/a.htm"));
        QCOMPARE(XdgLauncher::ArgumentFor("/tmp/a.htm"), QString("/tmp/a.htm"));
        // A relative name, even one looking like an option, becomes a path.
        QCOMPARE(XdgLauncher::ArgumentFor("-a.htm"), QDir::current().absoluteFilePath("-a.htm"));
        QCOMPARE(XdgLauncher::ArgumentFor(""), QString());
    }

    // No program, or a folder where the program should be: nothing starts.
    void programCannotStart() {
        QVERIFY(QDir(dir_.path()).mkdir("folder-program"));
        for (const char* name : {"no-such-program", "folder-program"}) {
            XdgLauncher launcher(dir_.filePath(name), 2000);
            QCOMPARE(launcher.Open("/tmp/a.htm"), 5);
        }
    }

    void crashCountsAsFailure() {
        XdgLauncher launcher(Script("crash", "kill -9 $$"), 5000);
        QCOMPARE(launcher.Open("/tmp/a.htm"), 5);
    }

    void stillRunningCountsAsAccepted() {
        // A launcher that keeps running past the wait has taken the request.
        XdgLauncher launcher(Script("slow", "sleep 2"), 200);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(launcher.Open("/tmp/a.htm"), 33);
        QVERIFY(timer.elapsed() < 1500);
    }
};

QTEST_GUILESS_MAIN(TestXdgLauncher)
#include "test_xdg_launcher.moc"
