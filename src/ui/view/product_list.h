#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace tabloom {

// One entry of the other-products list.
struct ProductEntry {
    QString name;
    QString description;
    QString url;  // empty when the line gave none or one that is not http(s)
};

// List format, UTF-8, one product a line:
//   NAME<TAB>DESCRIPTION<TAB>WEB ADDRESS
// Lines starting with '#' and blank lines are skipped; a line without a
// name is skipped; the address is optional.
std::vector<ProductEntry> ParseProductList(const QString& text);

// Reads and parses the list file; nothing when it cannot be read.
std::optional<std::vector<ProductEntry>> ReadProductList(const QString& path);

}  // namespace tabloom
