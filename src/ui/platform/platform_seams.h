#pragma once

namespace tabloom {

class Clipboard;
class Clock;
class FileChooser;
class Launcher;
class Prompter;
class ViewChoiceAsker;

// The platform services the main window uses. A null pointer stands for the
// Qt (or system) implementation, which the main window then creates itself;
// tests pass scripted doubles. The objects must outlive the main window.
struct PlatformSeams {
    Prompter* prompter = nullptr;
    FileChooser* fileChooser = nullptr;
    Launcher* launcher = nullptr;
    ViewChoiceAsker* viewChoice = nullptr;
    const Clock* clock = nullptr;
    Clipboard* clipboard = nullptr;
};

}  // namespace tabloom
