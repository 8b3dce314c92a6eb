#include "ui/view/viewer_placement.h"

#include <algorithm>
#include <cmath>

#include "ui/view/twips.h"

namespace tabloom {

namespace {

constexpr int kCornerMarginTwips = 100;
constexpr int kHelpMainLeftTwips = 300;
constexpr int kHelpRightSpareTwips = 600;
constexpr int kHelpNarrowOffsetTwips = 300;

constexpr int kTextLeftTwips = 160;
constexpr int kTextTopTwips = 120;
constexpr int kTextWidthSpareTwips = 320;
constexpr int kTextHeightSpareTwips = 1200;
constexpr int kButtonGapTwips = 100;
constexpr int kButtonHeightTwips = 495;
constexpr int kCopyButtonLeftTwips = 300;
constexpr int kCloseButtonWidthTwips = 1215;
constexpr int kCloseButtonRightSpareTwips = 400;

}  // namespace

QPoint LowerRightPlacement(QRect mainFrame, QSize own, double twipsPerPixel) {
    const int margin = TwipsToPixels(kCornerMarginTwips, twipsPerPixel);
    return QPoint(mainFrame.x() + mainFrame.width() - own.width() - margin,
                  mainFrame.y() + mainFrame.height() - own.height() - margin);
}

QRect ViewPlacement(QRect mainFrame, QRect screen) {
    const int top = std::max(screen.y(), screen.y() + screen.height() - mainFrame.height());
    return QRect(mainFrame.x(), top, mainFrame.width(), mainFrame.height());
}

HelpPlacement HelpPlacementFor(QRect mainFrame, QRect viewerFrame, QRect screen,
                               double twipsPerPixel) {
    const auto px = [twipsPerPixel](double twips) { return TwipsToPixels(twips, twipsPerPixel); };
    // Horizontal arithmetic relative to the screen's left edge.
    const int screenWidth = screen.width();
    const int mainWidth = mainFrame.width();
    // 300 twips from the left, unless that would push the window off the right edge.
    const int mainLeft = std::max(0, std::min(px(kHelpMainLeftTwips), screenWidth - mainWidth));

    HelpPlacement result;
    result.mainTopLeft = QPoint(screen.x() + mainLeft, mainFrame.y());

    int viewerLeft = viewerFrame.x() - screen.x();
    int viewerWidth = viewerFrame.width();
    const int wanted = screenWidth - mainWidth - px(kHelpRightSpareTwips);
    if (wanted >= 0) viewerWidth = wanted;

    if (mainWidth + mainLeft + viewerWidth < screenWidth) {
        viewerLeft = mainLeft + mainWidth;
    } else {
        viewerLeft =
            static_cast<int>(std::lround(2.0 * (mainWidth / 3.0))) - px(kHelpNarrowOffsetTwips);
        const int rest = screenWidth - viewerLeft;
        if (rest >= 0) viewerWidth = rest;
    }
    result.viewer = QRect(screen.x() + viewerLeft, mainFrame.y(), viewerWidth, mainFrame.height());
    return result;
}

QRect KeptOnScreen(QRect frame, QRect screen) {
    if (!screen.isValid()) return frame;
    frame.moveLeft(
        std::max(screen.left(), std::min(frame.left(), screen.right() + 1 - frame.width())));
    frame.moveTop(
        std::max(screen.top(), std::min(frame.top(), screen.bottom() + 1 - frame.height())));
    return frame;
}

QSize ViewerMinimumSize(double twipsPerPixel) {
    return QSize(TwipsToPixels(kViewerMinWidthTwips, twipsPerPixel),
                 TwipsToPixels(kViewerMinHeightTwips, twipsPerPixel));
}

ViewerLayout ViewerControlsLayout(QSize inner, int copyButtonWidthTwips, double twipsPerPixel) {
    const auto px = [twipsPerPixel](double twips) { return TwipsToPixels(twips, twipsPerPixel); };
    ViewerLayout layout;
    layout.text = QRect(px(kTextLeftTwips), px(kTextTopTwips),
                        std::max(0, inner.width() - px(kTextWidthSpareTwips)),
                        std::max(0, inner.height() - px(kTextHeightSpareTwips)));
    const int buttonTop = layout.text.y() + layout.text.height() + px(kButtonGapTwips);
    const int buttonHeight = px(kButtonHeightTwips);
    layout.copyButton =
        QRect(px(kCopyButtonLeftTwips), buttonTop, px(copyButtonWidthTwips), buttonHeight);
    const int closeWidth = px(kCloseButtonWidthTwips);
    layout.closeButton = QRect(inner.width() - closeWidth - px(kCloseButtonRightSpareTwips),
                               buttonTop, closeWidth, buttonHeight);
    return layout;
}

}  // namespace tabloom
