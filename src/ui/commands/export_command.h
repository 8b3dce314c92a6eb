#pragma once

namespace tabloom {

class frmMain;

// Export...: writes the table as Markdown, LaTeX, MediaWiki or CSV, the
// format named by the file type chosen in the save dialog. What the format
// cannot hold is shown first, and nothing is written when the user declines.
class ExportCommand {
  public:
    explicit ExportCommand(frmMain& window) : window_(window) {}

    void Run();

  private:
    frmMain& window_;
};

}  // namespace tabloom
