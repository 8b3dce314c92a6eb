#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tabloom {

// Placement arithmetic of the choice window and the code viewer. Every
// rectangle is a window's outer frame in screen pixels; the fixed margins
// are twips and are scaled with twipsPerPixel.

// Top-left corner for the choice window: lower right corner of the main
// window, 100 twips inside its bottom and right edges.
QPoint LowerRightPlacement(QRect mainFrame, QSize own, double twipsPerPixel);

// The viewer showing the output file: as wide and high as the main window,
// left-aligned with it, standing on the bottom of the screen (never above
// its top).
QRect ViewPlacement(QRect mainFrame, QRect screen);

// The viewer showing the help text beside the main window.
struct HelpPlacement {
    QPoint mainTopLeft;  // where the main window moves to
    QRect viewer;
};

// The main window moves to 300 twips from the screen's left edge; the viewer
// takes its top and height, and the width that is left of the screen less
// 600 twips. When that does not fit beside the main window the viewer
// starts at two thirds of the main window's width less 300 twips and runs to
// the screen's right edge. A width that comes out negative is not applied:
// the viewer keeps the width of viewerFrame.
HelpPlacement HelpPlacementFor(QRect mainFrame, QRect viewerFrame, QRect screen,
                               double twipsPerPixel);

// The frame moved as little as needed to lie on the screen; a frame larger
// than the screen keeps its top-left corner on it.
QRect KeptOnScreen(QRect frame, QRect screen);

// Controls of the viewer for an inner size (the caller has already applied
// the minimum size).
struct ViewerLayout {
    QRect text;
    QRect copyButton;
    QRect closeButton;
};

inline constexpr int kViewerMinWidthTwips = 8000;
inline constexpr int kViewerMinHeightTwips = 2000;
inline constexpr int kCopyButtonWidthTwips = 3270;          // "Copy to clipboard"
inline constexpr int kCopySelectedButtonWidthTwips = 4425;  // "Copy selected text ..."

QSize ViewerMinimumSize(double twipsPerPixel);

ViewerLayout ViewerControlsLayout(QSize inner, int copyButtonWidthTwips, double twipsPerPixel);

}  // namespace tabloom
