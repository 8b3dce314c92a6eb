#include "ui/main_window/main_messages.h"

#include "core/texts/program_texts.h"
#include "ui/platform/launcher.h"

namespace tabloom {

namespace {

QString Text(const ProgramTexts& texts, int n) {
    return QString::fromStdString(texts.ProgramText(n));
}

}  // namespace

QString OutputExtensionMessage(const QString& prefix, const QString& ext1, const QString& ext2) {
    QString text = prefix + " file must have file extension \"" + ext1 + '"';
    if (!ext2.isEmpty()) text += " or \"" + ext2 + '"';
    return text + '.';
}

QString TooLargeMessage(const ProgramTexts& texts, const QString& path, qint64 lengthBytes) {
    return Text(texts, 1) + ' ' + path + " is " + QString::number(lengthBytes / 1024) + " KB.\n" +
           Text(texts, 8) + '\n' + Text(texts, 9) + ' ' + Text(texts, 10);
}

QString OpenDocumentMessage(const QString& path) {
    return "Error opening file " + path + ".\nPerhaps the file extension is incorrect.";
}

QString LaunchDocumentMessage(int code, const QString& ext) {
    QString text = "Error launching web browser, error code = " + QString::number(code) + '.';
    switch (code) {
        case kLaunchNoAssociation:
            text +=
                "\n\nFile extension '" + ext + "' is not associated with any application program.";
            break;
        case kLaunchOutOfMemory:
            text += "\n\nOut of memory.";
            break;
        case kLaunchFileNotFound:
            text += "\n\nPlease try once more.";
            break;
        default:
            break;
    }
    return text;
}

}  // namespace tabloom
