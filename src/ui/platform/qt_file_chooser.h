#pragma once

#include "ui/platform/file_chooser.h"

class QWidget;

namespace tabloom {

// File dialogs through QFileDialog.
class QtFileChooser : public FileChooser {
  public:
    explicit QtFileChooser(QWidget* parent = nullptr) : parent_(parent) {}

    QString ChooseSaveFile(const FileDialogRequest& request) override;
    QString ChooseOpenFile(const FileDialogRequest& request) override;

    // The " | "-separated description/pattern pairs as a Qt name filter list
    // (";;"-separated). A description that does not already name its
    // pattern in parentheses gets it appended.
    static QString QtNameFilters(const QString& filter);

  private:
    QString Run(const FileDialogRequest& request, bool save);

    QWidget* parent_;
};

}  // namespace tabloom
