#pragma once

#include <QString>

namespace tabloom {

struct CommandContext;
class frmOtherProducts;
class frmPreview;
class frmView;

// The program's windows beside the main one: the viewer of output files and
// help, the live preview, the other-products window and the user manual in
// the browser. Each is made when first needed and then kept.
class ProgramWindows {
  public:
    explicit ProgramWindows(CommandContext& context) : ctx_(context) {}

    frmView& ViewerWindow();
    frmOtherProducts& OtherProductsWindow();
    // Null until first used.
    frmView* Viewer() const { return viewer_; }
    frmOtherProducts* OtherProducts() const { return otherProducts_; }
    frmPreview* Preview() const { return preview_; }

    void ShowHelp();
    void ShowManual();
    void ShowOtherProducts();
    void ShowPreview();
    void ClosePreview();
    // Opens a URL or file in the browser, reporting any failure.
    void LaunchDocument(const QString& target);
    // Hides the windows and shows the other-products window modally; the
    // program ends when it closes. False when already ending.
    bool EndProgram();
    bool Ending() const { return ending_; }
    void SetEnding() { ending_ = true; }

  private:
    CommandContext& ctx_;
    frmView* viewer_ = nullptr;
    frmOtherProducts* otherProducts_ = nullptr;
    frmPreview* preview_ = nullptr;
    bool ending_ = false;
};

}  // namespace tabloom
