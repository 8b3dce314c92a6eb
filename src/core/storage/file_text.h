#pragma once

#include <string>
#include <string_view>

namespace tabloom {

// Replaces, in place, every byte from by the byte to, scanning left to right.
void ReplaceChar(std::string& text, unsigned char from, unsigned char to);

// The part of path after its last "/"; empty when path holds no "/". With
// lower the result is lower-cased, the accented capitals of Windows-1252
// included (the text is UTF-8).
std::string FileNameOf(std::string_view path, bool lower);

// The folder part of path: "." when it holds no "/", "/" for a file in the root.
std::string FolderOf(const std::string& path);

// UTF-8 text with A-Z and the Windows-1252 accented capitals (À..Þ except ×,
// Š, Œ, Ž, Ÿ) lowered; every other character is kept as it is.
std::string LowerCase1252(std::string_view utf8);

}  // namespace tabloom
