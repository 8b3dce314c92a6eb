#pragma once

#include <QString>

namespace tabloom {

// What a file dialog is asked to show.
struct FileDialogRequest {
    QString title;
    // Description and pattern pairs separated by " | ", e.g. ".htm files (*.htm) | *.htm".
    QString filter;
    bool hideReadOnly = false;
    bool confirmOverwrite = false;
    QString presetName;
    // Added to a name typed without an extension (without the dot).
    QString defaultSuffix;
};

// The save and open file dialogs. Each returns the chosen path, or the empty
// text when the user cancelled.
class FileChooser {
  public:
    virtual ~FileChooser() = default;
    virtual QString ChooseSaveFile(const FileDialogRequest& request) = 0;
    virtual QString ChooseOpenFile(const FileDialogRequest& request) = 0;
};

}  // namespace tabloom
