// libFuzzer target: any bytes as an HTML page. A table read from it must be
// one CheckTable accepts, render and export without trouble, and read back
// from its own Classic page; a refusal must say why.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/export/export_table.h"
#include "core/html/render_table_html.h"
#include "core/import/import_html_table.h"
#include "core/model/check_table.h"
#include "core/model/clock.h"

namespace {

[[noreturn]] void Broken(const char* what, const std::string& detail = {}) {
    __builtin_printf("html import broken: %s %s\n", what, detail.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tabloom;
    const std::string_view page(reinterpret_cast<const char*>(data), size);
    // The first byte picks the table, as --table would.
    const int index = size > 0 ? data[0] % 3 : 0;
    const HtmlTableImport imported = ImportHtmlTable(page, index);
    if (!imported.ok) {
        if (imported.reason.empty()) Broken("refusal without a reason");
        return 0;
    }
    if (static_cast<std::size_t>(imported.tableCount) != ListHtmlTables(page).size()) {
        Broken("table count differs from the list");
    }
    const TableSpec& table = imported.table;
    if (const std::string offence = CheckTable(table); !offence.empty()) Broken("table", offence);
    for (ExportFormat format : {ExportFormat::Markdown, ExportFormat::Latex,
                                ExportFormat::MediaWiki, ExportFormat::Csv}) {
        (void)ExportTable(table, format);
    }
    static const FixedClock clock(LocalDateTime{2026, 12, 5, 14, 5, 9});
    const std::string classic = RenderTableHtml(table, clock);
    if (classic.empty()) Broken("no Classic page");
    const HtmlTableImport again = ImportHtmlTable(classic, 0);
    if (!again.ok) Broken("own page not read", again.reason);
    if (again.table.intNumRows != table.intNumRows || again.table.intNumCols != table.intNumCols) {
        Broken("own page read with other dimensions");
    }
    return 0;
}
