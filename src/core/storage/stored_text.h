#pragma once

#include <string>
#include <string_view>

namespace tabloom {

// Texts of a table file are Windows-1252; a character outside the code page
// is stored as "&#N;", the form any reader of the file and any browser
// understands. Loading turns such a reference back into the character. So
// that a reference the user typed as text stays text, the writer gives it
// one more leading zero ("&#945;" typed is stored as "&#0945;", which a
// browser still reads as the same character) and the reader takes it away.

// Appends utf8 as the bytes of a stored text.
void AppendStoredText(std::string& out, std::string_view utf8);

// The UTF-8 text of stored bytes.
std::string ReadStoredText(std::string_view bytes);

}  // namespace tabloom
