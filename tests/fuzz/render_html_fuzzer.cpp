// libFuzzer target: any bytes as a table file. Every table that loads must
// render: never a crash, and the page is valid Windows-1252 (none of the five
// undefined bytes) with CR LF as its only line end.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/html/render_table_html.h"
#include "core/model/check_table.h"
#include "core/model/clock.h"
#include "core/model/table_spec.h"
#include "core/storage/table_file.h"

namespace {

[[noreturn]] void Broken(const char* what) {
    __builtin_printf("page broken: %s\n", what);
    std::abort();
}

bool Undefined(unsigned char b) {
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tabloom;
    const TableLoadResult loaded =
        ParseTable(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!loaded.ok) return 0;
    TableSpec table;
    InitTableState(table);
    ApplyLoadedTable(loaded.data, table);
    if (!CheckTable(table).empty()) Broken("a loaded table breaks the rules");

    static const FixedClock clock(LocalDateTime{2026, 12, 5, 14, 5, 9});
    for (const bool options : {false, true}) {
        table.blnAddHTMLWrapper = table.blnCenterTable = table.blnUseSpecifiedColors = options;
        const std::string page = RenderTableHtml(table, clock);
        if (page.empty()) Broken("nothing rendered");
        for (std::size_t i = 0; i < page.size(); ++i) {
            const auto b = static_cast<unsigned char>(page[i]);
            if (Undefined(b)) Broken("byte outside the code page");
            if (b == '\r' && (i + 1 == page.size() || page[i + 1] != '\n')) Broken("lone CR");
            if (b == '\n' && (i == 0 || page[i - 1] != '\r')) Broken("lone LF");
        }
        if (page.compare(page.size() - 2, 2, "\r\n") != 0) Broken("no line end at the end");
    }
    return 0;
}
