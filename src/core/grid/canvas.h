#pragma once

#include <cstdint>
#include <string_view>

namespace tabloom {

// A retained drawing surface for the grid, in pixels from its inner top-left
// corner. Colours are 0x00BBGGRR values; rectangles include both corners.
class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual int InnerWidth() const = 0;
    virtual int InnerHeight() const = 0;
    virtual void Clear(std::int32_t colour) = 0;
    virtual void FillRect(int x1, int y1, int x2, int y2, std::int32_t colour) = 0;
    // One pixel wide, on the outermost pixels of the rectangle.
    virtual void OutlineRect(int x1, int y1, int x2, int y2, std::int32_t colour) = 0;
    // Glyphs only, with the top-left of the line at (x, y); the surface rounds
    // the position to whole pixels.
    virtual void DrawText(double x, double y, std::string_view text, int points, bool bold,
                          std::int32_t colour) = 0;
};

}  // namespace tabloom
