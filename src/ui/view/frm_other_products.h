#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

#include "ui/view/product_list.h"

class QVBoxLayout;

namespace tabloom {

// Lists other small tools of the Tabloom team, each with a one-line
// description and a link to its web page. Shown modeless from the main
// window and modally when the program quits.
class frmOtherProducts : public QDialog {
    Q_OBJECT

  public:
    using UrlOpener = std::function<void(const QString&)>;

    // The list is read from listPath; a link click hands its address to
    // openUrl.
    frmOtherProducts(const QString& listPath, UrlOpener openUrl, QWidget* parent = nullptr);

    // Reads the list again and rebuilds the window; false when the list
    // could not be read (the window then says so).
    bool LoadList(const QString& listPath);

    const std::vector<ProductEntry>& Entries() const { return entries_; }

  private:
    void Rebuild(bool listRead);

    UrlOpener openUrl_;
    std::vector<ProductEntry> entries_;
    QVBoxLayout* entriesLayout_ = nullptr;
    QWidget* entriesBox_ = nullptr;
};

}  // namespace tabloom
