#pragma once

#include <QString>

namespace tabloom {

class ProgramTexts;

// Message texts the main window builds from parts.

// "<prefix> file must have file extension "ext1" or "ext2"."
QString OutputExtensionMessage(const QString& prefix, const QString& ext1, const QString& ext2);

// The refusal of a file too large for the code viewer; the size is given in
// whole KB, the fraction dropped.
QString TooLargeMessage(const ProgramTexts& texts, const QString& path, qint64 lengthBytes);

// The failure of OpenDocument for a path.
QString OpenDocumentMessage(const QString& path);

// The failure of LaunchDocument for a launch code; ext names the target's
// extension for the no-association case.
QString LaunchDocumentMessage(int code, const QString& ext);

}  // namespace tabloom
