#pragma once

namespace tabloom {

struct CommandContext;

// Export...: writes the table as Markdown, LaTeX, MediaWiki or CSV, the
// format named by the file type chosen in the save dialog. What the format
// cannot hold is shown first, and nothing is written when the user declines.
class ExportCommand {
  public:
    explicit ExportCommand(CommandContext& context) : ctx_(context) {}

    void Run();

  private:
    CommandContext& ctx_;
};

}  // namespace tabloom
