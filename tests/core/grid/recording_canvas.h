#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/grid/canvas.h"

namespace tabloom::testing {

// Keeps every call so tests can check exactly what a drawing did.
class RecordingCanvas : public Canvas {
  public:
    enum class Kind { Clear, Fill, Outline, Text };
    struct Call {
        Kind kind;
        double x1 = 0, y1 = 0;
        int x2 = 0, y2 = 0;
        std::int32_t colour = 0;
        std::string text;
        int points = 0;
        bool bold = false;
    };

    RecordingCanvas(int w, int h) : width(w), height(h) {}

    int InnerWidth() const override { return width; }
    int InnerHeight() const override { return height; }
    void Clear(std::int32_t colour) override {
        calls.push_back({.kind = Kind::Clear, .colour = colour});
    }
    void FillRect(int x1, int y1, int x2, int y2, std::int32_t colour) override {
        calls.push_back({Kind::Fill, double(x1), double(y1), x2, y2, colour});
    }
    void OutlineRect(int x1, int y1, int x2, int y2, std::int32_t colour) override {
        calls.push_back({Kind::Outline, double(x1), double(y1), x2, y2, colour});
    }
    void DrawText(double x, double y, std::string_view text, int points, bool bold,
                  std::int32_t colour) override {
        calls.push_back({Kind::Text, x, y, 0, 0, colour, std::string(text), points, bold});
    }
    std::vector<Call> Of(Kind kind) const {
        std::vector<Call> out;
        for (const Call& c : calls) {
            if (c.kind == kind) out.push_back(c);
        }
        return out;
    }

    const int width, height;
    std::vector<Call> calls;
};

}  // namespace tabloom::testing
