// libFuzzer target: any bytes as a table file. Every table that loads must
// render: never a crash, CR LF as the only line end, and the page valid in its
// encoding: Windows-1252 (none of the five undefined bytes) in the classic
// style, UTF-8 in the standard style.
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

// Well-formed UTF-8: no stray continuation byte, no truncated or overlong
// sequence, no surrogate, nothing past U+10FFFF.
bool ValidUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int more = b < 0x80                ? 0
                         : b >= 0xC2 && b < 0xE0 ? 1
                         : b >= 0xE0 && b < 0xF0 ? 2
                         : b >= 0xF0 && b < 0xF5 ? 3
                                                 : -1;
        if (more < 0 || i + more >= text.size()) return false;
        std::uint32_t cp = more == 0 ? b : b & (0x3F >> more);
        for (int k = 1; k <= more; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if ((more == 2 && cp < 0x800) || (more == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        i += more + 1;
    }
    return true;
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
        const bool standard = table.outputStyle == OutputStyle::Standard;
        if (standard && !ValidUtf8(page)) Broken("not UTF-8");
        for (std::size_t i = 0; i < page.size(); ++i) {
            const auto b = static_cast<unsigned char>(page[i]);
            if (!standard && Undefined(b)) Broken("byte outside the code page");
            if (b == '\r' && (i + 1 == page.size() || page[i + 1] != '\n')) Broken("lone CR");
            if (b == '\n' && (i == 0 || page[i - 1] != '\r')) Broken("lone LF");
        }
        if (page.compare(page.size() - 2, 2, "\r\n") != 0) Broken("no line end at the end");
    }
    return 0;
}
