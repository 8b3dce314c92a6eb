#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tabloom {

class frmMain;

// The controls of the main window that the output commands work with.
struct OutputControls {
    QLineEdit* txbOutputFile = nullptr;
    QPushButton* cmdPerformOperation = nullptr;
    QPushButton* cmdView = nullptr;
    QPushButton* cmdClear = nullptr;
    QLabel* lblResult = nullptr;
};

// The output file and what is done with it: choosing it, Create table,
// View (as code or in the browser) and Clear.
class OutputCommands {
  public:
    OutputCommands(frmMain& window, const OutputControls& controls)
        : window_(window), c_(controls) {}

    void SpecifyOutputFile();
    void Create();
    // 6 views the written file, 0 clears the output path.
    void View(int index);

    // Whether the trimmed output path ends in ".ext1" or ".ext2"; otherwise
    // says so and returns false.
    bool OutputExtensionOK(const QString& prefix, const QString& ext1, const QString& ext2);
    // 1 when the last written output file fits the viewer, 0 when it is too
    // large, -1 when its length cannot be measured (reported already).
    int OutputFileSizeOK();
    // Opens a document with its associated program; false when refused.
    bool OpenDocument(const QString& path, bool showError);
    // Opens a URL or file in the browser, reporting any failure.
    void LaunchDocument(const QString& target);

  private:
    void Show(const QString& text, const QString& title);

    frmMain& window_;
    OutputControls c_;
};

}  // namespace tabloom
