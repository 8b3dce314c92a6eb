#include "ui/view/product_list.h"

#include <QFile>
#include <QStringList>
#include <QUrl>

namespace tabloom {

namespace {

// The list is a small text file; anything bigger is not a list of ours.
constexpr qint64 kMaxListBytes = 256 * 1024;

// Only web pages are offered as links: a list file must not be able to make
// a click run a local file or a script.
QString WebAddressOrEmpty(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()) return {};
    const QString scheme = url.scheme().toLower();
    if (scheme != "http" && scheme != "https") return {};
    return url.toString();
}

}  // namespace

std::vector<ProductEntry> ParseProductList(const QString& text) {
    std::vector<ProductEntry> entries;
    const QStringList lines = text.split('\n');
    for (QString line : lines) {
        if (line.endsWith('\r')) line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
        const QStringList fields = line.split('\t');
        ProductEntry entry;
        entry.name = fields.value(0).trimmed();
        if (entry.name.isEmpty()) continue;
        entry.description = fields.value(1).trimmed();
        entry.url = WebAddressOrEmpty(fields.value(2).trimmed());
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::optional<std::vector<ProductEntry>> ReadProductList(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(kMaxListBytes + 1);
    // A folder opens but reads with an error.
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxListBytes) {
        return std::nullopt;
    }
    return ParseProductList(QString::fromUtf8(bytes));
}

}  // namespace tabloom
