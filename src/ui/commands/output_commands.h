#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tabloom {

struct CommandContext;

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
class OutputCommands : public QObject {
  public:
    OutputCommands(CommandContext& context, const OutputControls& controls);

    // The path box, the buttons and the result line follow the document:
    // what holds TableDocument::What flags.
    void ShowDocument(int what);
    // Create is offered while there is an output path.
    void EnableCreate();

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

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Show(const QString& text, const QString& title);

    CommandContext& ctx_;
    OutputControls c_;
};

}  // namespace tabloom
