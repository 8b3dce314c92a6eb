#pragma once

#include <string>
#include <string_view>

namespace tabloom {

// UTF-8 text to Windows-1252 bytes. A character the code page cannot hold
// becomes an HTML numeric character reference such as "&#20013;", so a page
// still shows it; malformed UTF-8 bytes count as U+FFFD.
std::string EncodeWindows1252(std::string_view utf8);

// Windows-1252 bytes to UTF-8. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value,
// so decoding and encoding again gives the same bytes.
std::string DecodeWindows1252(std::string_view bytes);

// Appends UTF-8 text as Windows-1252; plain ASCII, the common case, is
// copied without conversion.
void AppendWindows1252(std::string& out, std::string_view utf8);

// Windows-1252 bytes to UTF-8, with plain ASCII copied as it is.
std::string DecodedWindows1252(std::string_view bytes);

// True when every byte is below 0x80.
bool IsAscii(std::string_view text);

// True when the code page holds the code point as one byte.
bool InWindows1252(char32_t cp);

// The byte of the code point in the code page, -1 when it has none.
int Windows1252ByteOf(char32_t cp);

// Decodes the UTF-8 sequence at text[i] and advances i past it; malformed
// input gives U+FFFD and consumes one byte.
char32_t NextUtf8CodePoint(std::string_view text, std::size_t& i);

// Appends the UTF-8 form of one code point.
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace tabloom
