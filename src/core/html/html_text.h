#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tabloom {

inline constexpr std::string_view kCrLf = "\r\n";
inline constexpr std::string_view kNbsp = "&nbsp;";

// Appends text of a Windows-1252 page. The five bytes the code page leaves
// undefined (they come from C1 controls) become references, and a lone CR or
// LF becomes CR LF, so that the page is valid Windows-1252 with one kind of
// line end.
void AppendPageText(std::string& out, std::string_view utf8);

// Appends UTF-8 text of a UTF-8 page, a lone CR or LF as CR LF.
void AppendUtf8PageText(std::string& out, std::string_view utf8);

// Text of an attribute value: a quote would end the value early, so it
// becomes &quot;.
std::string AttributeText(std::string_view utf8);

// An attribute value of a UTF-8 page: &, <, > and the quote as references.
std::string Utf8AttributeText(std::string_view utf8);

// Plain text with &, < and > as references, so that no markup comes of it.
std::string EscapedText(std::string_view utf8);

bool IsBlank(std::string_view text);

// #RRGGBB of a colour.
void AppendColour(std::string& out, std::int32_t colour);

// name="#RRGGBB" with a leading blank.
void AppendColourAttribute(std::string& out, std::string_view name, std::int32_t colour);

// name="value" with a leading blank.
void AppendAttribute(std::string& out, std::string_view name, std::string_view value);

// A size attribute: the number, then "%" for unit 0 (percent).
void AppendSizeAttribute(std::string& out, std::string_view name, int value, int unit);

// Decimal digits of n.
void AppendNumber(std::string& out, int n);

}  // namespace tabloom
