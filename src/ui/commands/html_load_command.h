#pragma once

#include <QString>

namespace tabloom {

struct CommandContext;

// Load table for a web page: the page's first table becomes the current
// table, as one undo step, after the user has seen what does not fit.
class HtmlLoadCommand {
  public:
    explicit HtmlLoadCommand(CommandContext& context) : ctx_(context) {}

    // True for the names Load table reads as web pages (.htm, .html).
    static bool IsPageName(const QString& path);

    void Load(const QString& path);

  private:
    CommandContext& ctx_;
};

}  // namespace tabloom
