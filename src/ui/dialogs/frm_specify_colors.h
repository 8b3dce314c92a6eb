#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

#include "core/dialogs/colour_checks.h"

class QLineEdit;
class QScrollBar;

namespace Ui {
class frmSpecifyColors;
}

namespace tabloom {

class Prompter;

// The colour chooser: a text and a background colour, each set by its red,
// green and blue components. The caller puts the two colours and a heading
// in, shows the window (open() and the finished() signal, or exec()), and
// reads the colours back only when blnAccepted is true.
class frmSpecifyColors : public QDialog {
    Q_OBJECT

  public:
    explicit frmSpecifyColors(Prompter& prompts, QWidget* parent = nullptr);
    ~frmSpecifyColors() override;

    // True once closed with Accept; false after Cancel or the close box and
    // while the window is showing.
    bool blnAccepted = false;
    // In: the start colours (0x00BBGGRR); out: the chosen ones. They follow
    // every change, so after Cancel they may hold abandoned values.
    std::int32_t lngChosenTextColor = 0x000000;
    std::int32_t lngChosenBgColor = 0xFFFFFF;

    void SetHeading(const QString& text);
    // The sample as last drawn.
    const QPixmap& Sample() const { return sample_; }

    void cmdAccept_Click();
    void cmdCancel_Click();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Notes whether a mouse button is down on a scroll bar.
    bool eventFilter(QObject* watched, QEvent* event) override;

  public slots:
    // The close box and Escape count as Cancel.
    void reject() override;

  private:
    void Activate();
    void ScrollChanged(int element, ColourComponent component);
    void TurnArrowStep(QScrollBar* bar, int action) const;
    void TextChanged(int element, ColourComponent component);
    void StoreColor(int element);
    void ShowHexColor(int element);
    void DrawSample();
    int Component(int element, ColourComponent component) const;

    std::unique_ptr<Ui::frmSpecifyColors> ui_;
    Prompter& prompts_;
    bool blnReady_ = false;
    bool loaded_ = false;
    bool mouseOnBar_ = false;
    QPixmap sample_;
    // [element][red, green, blue]
    std::array<std::array<QScrollBar*, 3>, 2> bars_{};
    std::array<std::array<QLineEdit*, 3>, 2> boxes_{};
};

}  // namespace tabloom
