#include "ui/platform/qt_file_chooser.h"

#include <QFileDialog>
#include <QStringList>

namespace tabloom {

QString QtFileChooser::QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString pattern = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
        if (description.isEmpty() && pattern.isEmpty()) continue;
        if (description.isEmpty()) description = pattern;
        if (!pattern.isEmpty() && !description.contains('(' + pattern + ')')) {
            description += " (" + pattern + ')';
        }
        filters << description;
    }
    return filters.join(";;");
}

QString QtFileChooser::ChooseSaveFile(const FileDialogRequest& request) {
    return Run(request, true);
}

QString QtFileChooser::ChooseOpenFile(const FileDialogRequest& request) {
    return Run(request, false);
}

QString QtFileChooser::Run(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent_, request.title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(QtNameFilters(request.filter));
    // The callers ask about replacing a file themselves where they need to.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    // Qt dialogs have no read-only check box, so hideReadOnly needs nothing.
    if (!request.presetName.isEmpty()) dialog.selectFile(request.presetName);
    if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

}  // namespace tabloom
