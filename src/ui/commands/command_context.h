#pragma once

#include <QString>

#include "core/storage/table_file.h"
#include "core/texts/program_texts.h"
#include "ui/main_window/program_state.h"

namespace tabloom {

class Clipboard;
class Clock;
class FileChooser;
class Launcher;
class Prompter;
class TableDocument;
class ViewChoiceAsker;
class WindowServices;

// What every command works on and with: the document, the state of the run,
// the program texts, the platform seams and the window it runs in. The
// main window makes one for the whole run; tests make their own.
struct CommandContext {
    TableDocument& document;
    ProgramState& state;
    const ProgramTexts& texts;
    Prompter& prompter;
    FileChooser& files;
    Launcher& launcher;
    ViewChoiceAsker& viewChoice;
    const Clock& clock;
    Clipboard& clipboard;
    WindowServices& window;
    // Folder of the program's data (texts, help, manual, product list) and of
    // the settings file; failures injected into saves (a test seam).
    QString dataFolder;
    QString configFolder;
    SaveOptions saving;

    QString Text(int n) const { return QString::fromStdString(texts.ProgramText(n)); }
};

}  // namespace tabloom
