#include "ui/platform/data_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tabloom {

QString DataFolderFor(const QString& exeDir) {
    const QDir dir(exeDir);
    if (QFileInfo(dir.filePath(kProgramTextFile)).isFile()) return QDir::cleanPath(exeDir);
    return QDir::cleanPath(dir.filePath("../share/tabloom"));
}

QString ConfigFolderFor(const QString& configured) {
    if (!configured.isEmpty()) return configured;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/tabloom";
}

}  // namespace tabloom
