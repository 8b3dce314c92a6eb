#pragma once

#include <QString>

namespace tabloom {

// Path helpers of the main window. The folder separator is "/".

// The path up to and including its last "/", or empty when it has none.
// With normalize the folder is also cleaned of "." and doubled separators.
QString FolderOf(const QString& path, bool normalize);

// Whether the folder, leading and trailing blanks removed, is an existing
// directory.
bool FolderExists(const QString& folder);

// False for an empty path; otherwise whether a file (not a directory) of
// that name exists.
bool FileExists(const QString& path);

// The extension of the last path component without the dot, empty when the
// component has no dot; lower-cased when lowerCase is set.
QString FileExtension(const QString& path, bool lowerCase);

// Whether the text after the last "." of the trimmed path equals ext1 or a
// non-empty ext2, letter case ignored.
bool HasExtension(const QString& path, const QString& ext1, const QString& ext2);

}  // namespace tabloom
