#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

#include "core/texts/program_texts.h"

namespace tabloom {

// A temporary folder for the files a test writes.
class ViewTestFiles {
  public:
    ViewTestFiles() { QVERIFY(dir_.isValid()); }

    QString Path(const QString& name) const { return dir_.filePath(name); }

    QString Write(const QString& name, const QByteArray& bytes) const {
        const QString path = Path(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size()) {
            qFatal("cannot write test file %s", qPrintable(path));
        }
        return path;
    }

    // Program texts as the viewer windows ask for them.
    ProgramTexts LoadTexts() const {
        const QString path = Write("tbm.dat",
                                   "# test texts\n"
                                   "13\tNotice title\n"
                                   "17\tThe output file is empty.\n"
                                   "19\tFirst line.\\nSecond line.\n"
                                   "25\tViewing\n");
        ProgramTexts texts;
        if (texts.Load(path.toStdString()) <= 0) qFatal("cannot load test texts");
        return texts;
    }

  private:
    QTemporaryDir dir_;
};

}  // namespace tabloom
