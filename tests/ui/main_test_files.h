#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/model/clock.h"
#include "scripted_seams.h"
#include "ui/document/table_document.h"
#include "ui/main_window/frm_main.h"

namespace tabloom {

// Sets up the window's table for a test: one change, no undo step.
inline void Edit(frmMain& window, const std::function<void(TableSpec&)>& edit) {
    window.Document().Change({}, edit);
}

// The build tree's data folder, handed to the tests by ctest.
inline QString BuildDataFolder() { return qEnvironmentVariable("TABLOOM_DATA_DIR"); }

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        qFatal("cannot write test file %s", qPrintable(path));
    }
}

inline const LocalDateTime kTestMoment{2026, 3, 14, 15, 9, 26};

// The named child of parent; a missing control ends the test run.
template <typename T = QWidget>
T* Child(const QObject* parent, const QString& name) {
    T* widget = parent->findChild<T*>(name);
    if (widget == nullptr) qFatal("no control %s", qPrintable(name));
    return widget;
}

// Whether a shown label with a caption is the buddy of input.
inline bool HasShownLabel(const QWidget* window, const QWidget* input) {
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy() == input && label->isVisible() && !label->text().isEmpty()) return true;
    }
    return false;
}

// A main window on scripted seams, with a temporary folder for output files.
// With ownTexts the window reads its data from that folder (which the test
// fills); otherwise from the build tree's data folder.
struct MainFixture {
    explicit MainFixture(bool ownTexts = false) : clock(kTestMoment) {
        if (!dir.isValid()) qFatal("no temporary folder");
        options.dataFolder = ownTexts ? dir.path() : BuildDataFolder();
        options.configFolder = dir.filePath("config");
        options.seams.prompter = &prompter;
        options.seams.fileChooser = &chooser;
        options.seams.launcher = &launcher;
        options.seams.viewChoice = &choice;
        options.seams.clock = &clock;
        options.seams.clipboard = &clipboard;
        window = std::make_unique<frmMain>(options);
    }

    // The next run of the program: a new main window on the same folders.
    void Restart() {
        window.reset();
        window = std::make_unique<frmMain>(options);
    }

    QString SettingsFile() const { return dir.filePath("config/tbm.usr"); }

    QString Path(const QString& name) const { return dir.filePath(name); }

    template <typename T>
    T* Find(const char* name) const {
        return Child<T>(window.get(), name);
    }

    // Chooses the output path through the (scripted) file dialog.
    void ChooseOutput(const QString& path) {
        chooser.names.push_back(path);
        Find<QPushButton>("cmdSpecifyOutputFile")->click();
    }

    QTemporaryDir dir;
    MainWindowOptions options;
    RecordingPrompter prompter;
    ScriptedFileChooser chooser;
    ScriptedLauncher launcher;
    ScriptedViewChoice choice;
    FixedClock clock;
    ScriptedClipboard clipboard;
    std::unique_ptr<frmMain> window;
};

// A main window already started.
struct StartedMain : MainFixture {
    StartedMain() {
        if (!window->StartUp()) qFatal("start-up failed");
    }
};

}  // namespace tabloom
