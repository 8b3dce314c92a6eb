#include "ui/platform/path_helpers.h"

#include <QDir>
#include <QFileInfo>

namespace tabloom {

QString FolderOf(const QString& path, bool normalize) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return {};
    QString folder = path.left(slash + 1);
    if (normalize) {
        folder = QDir::cleanPath(folder);
        if (!folder.endsWith('/')) folder += '/';
    }
    return folder;
}

bool FolderExists(const QString& folder) {
    const QString trimmed = folder.trimmed();
    if (trimmed.isEmpty()) return false;
    return QFileInfo(trimmed).isDir();
}

bool FileExists(const QString& path) {
    if (path.isEmpty()) return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

QString FileExtension(const QString& path, bool lowerCase) {
    const QString name = path.mid(path.lastIndexOf('/') + 1);
    const qsizetype dot = name.lastIndexOf('.');
    if (dot < 0) return {};
    const QString ext = name.mid(dot + 1);
    return lowerCase ? ext.toLower() : ext;
}

bool HasExtension(const QString& path, const QString& ext1, const QString& ext2) {
    const QString trimmed = path.trimmed();
    const qsizetype dot = trimmed.lastIndexOf('.');
    if (dot < 0) return false;
    const QString ext = trimmed.mid(dot + 1);
    if (ext.compare(ext1, Qt::CaseInsensitive) == 0) return true;
    return !ext2.isEmpty() && ext.compare(ext2, Qt::CaseInsensitive) == 0;
}

}  // namespace tabloom
