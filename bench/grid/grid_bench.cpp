// The core geometry of a full redraw, with a canvas that only keeps the calls.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/grid/grid_drawing.h"
#include "core/grid/row_column_edit.h"

namespace tabloom {
namespace {

class KeepingCanvas : public Canvas {
  public:
    struct Call {
        int kind;
        double x, y;
        std::int32_t colour;
    };
    int InnerWidth() const override { return 517; }
    int InnerHeight() const override { return 231; }
    void Clear(std::int32_t colour) override { calls.push_back({0, 0, 0, colour}); }
    void FillRect(int x1, int y1, int, int, std::int32_t colour) override {
        calls.push_back({1, double(x1), double(y1), colour});
    }
    void OutlineRect(int x1, int y1, int, int, std::int32_t colour) override {
        calls.push_back({2, double(x1), double(y1), colour});
    }
    void DrawText(double x, double y, std::string_view text, int, bool,
                  std::int32_t colour) override {
        calls.push_back({3, x, y, colour + static_cast<std::int32_t>(text.size())});
    }
    std::vector<Call> calls;
};

TableSpec FullTable() {
    TableSpec table;
    table.intNumRows = intMaxRows;
    table.intNumCols = intMaxCols;
    for (int i = 1; i <= intMaxRows; ++i) {
        for (int j = 1; j <= intMaxCols; ++j) {
            table.At(i, j).strContent = "Row " + std::to_string(i) + "\r\nCol " + std::to_string(j);
        }
    }
    return table;
}

void BM_DrawTableGeometry(benchmark::State& state) {
    TableSpec table = FullTable();
    KeepingCanvas canvas;
    canvas.calls.reserve(2000);
    for (auto _ : state) {
        canvas.calls.clear();
        benchmark::DoNotOptimize(DrawTable(table, canvas));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawTableGeometry)->Unit(benchmark::kMicrosecond);

void BM_InsertAndDeleteRow(benchmark::State& state) {
    TableSpec table = FullTable();
    table.intNumRows = intMaxRows - 1;
    table.blnAddPlaceMarkers = true;
    for (auto _ : state) {
        InsertRow(table, 5);
        DeleteRow(table, 5);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_InsertAndDeleteRow)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tabloom

BENCHMARK_MAIN();
