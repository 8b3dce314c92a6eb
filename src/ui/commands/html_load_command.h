#pragma once

#include <QString>

namespace tabloom {

class frmMain;

// Load table for a web page: the page's first table becomes the current
// table, as one undo step, after the user has seen what does not fit.
class HtmlLoadCommand {
  public:
    explicit HtmlLoadCommand(frmMain& window) : window_(window) {}

    // True for the names Load table reads as web pages (.htm, .html).
    static bool IsPageName(const QString& path);

    void Load(const QString& path);

  private:
    frmMain& window_;
};

}  // namespace tabloom
