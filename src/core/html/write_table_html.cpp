#include "core/html/write_table_html.h"

#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "core/html/render_table_html.h"
#include "core/model/text_helpers.h"

namespace tabloom {

namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

// Writes bytes in chunks of a few large writes; false when the stream failed.
bool WriteOut(std::ostream& stream, std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size() && stream; at += kChunkSize) {
        const std::string_view chunk = bytes.substr(at, kChunkSize);
        stream.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    }
    return static_cast<bool>(stream);
}

// Something was written when a regular file of non-zero length is there;
// a folder or a device at the path holds no output.
bool OutputPresent(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || ec) return false;
    const auto size = std::filesystem::file_size(path, ec);
    return !ec && size > 0;
}

}  // namespace

std::unique_ptr<std::ostream> OpenHtmlFileStream(const std::string& path) {
    return std::make_unique<std::ofstream>(path,
                                           std::ios::out | std::ios::binary | std::ios::trunc);
}

HtmlResult WriteTableHtml(const TableSpec& table, const std::string& outputPath, const Clock& clock,
                          const std::string& successText) {
    return WriteTableHtml(table, outputPath, clock, successText, OpenHtmlFileStream);
}

HtmlResult WriteTableHtml(const TableSpec& table, const std::string& outputPath, const Clock& clock,
                          const std::string& successText, const HtmlStreamOpener& open) {
    HtmlResult result;
    int stage = 1;
    bool ok = false;
    std::unique_ptr<std::ostream> stream;
    try {
        const TableHtmlParts html = RenderTableHtmlParts(table, clock);
        if (html.headSize > 0) {
            stage = 2;
            // A NUL would cut the path short: the file opened would be another.
            if (outputPath.find('\0') == std::string::npos && open) stream = open(outputPath);
            if (stream && stream->good()) {
                stage = 3;
                // Flushed here so that a failure in the head is told apart
                // from one among the rows.
                if (WriteOut(*stream, html.Head()) && stream->flush()) {
                    stage = 4;
                    bool good = WriteOut(*stream, html.Body()) && stream->flush();
                    if (good) {
                        // Closing may still report an error the buffer hid.
                        if (auto* file = dynamic_cast<std::ofstream*>(stream.get())) {
                            file->close();
                            good = !file->fail();
                        }
                    }
                    ok = good;
                }
            }
        }
    } catch (...) {
        ok = false;
    }
    stream.reset();
    if (ok) stage = 0;

    result.stage = stage;
    result.blnOutputWritten = false;
    if (!OutputPresent(outputPath)) {
        result.strResult = "Failure: Nothing written";
    } else if (stage != 0) {
        result.strResult = "Failure: Error #" + NumOf(stage);
    } else {
        result.strResult = successText;
        result.blnOutputWritten = true;
    }
    return result;
}

}  // namespace tabloom
