#include "ui/app/data_folder.h"

#include <QDir>
#include <QFileInfo>

namespace tabloom {

QString DataFolderFor(const QString& exeDir) {
    const QDir dir(exeDir);
    if (QFileInfo(dir.filePath(kProgramTextFile)).isFile()) return QDir::cleanPath(exeDir);
    return QDir::cleanPath(dir.filePath("../share/tabloom"));
}

}  // namespace tabloom
