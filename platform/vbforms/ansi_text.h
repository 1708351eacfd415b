// Conversion between the forms' wide text and the 8-bit text (code page 936) of library
// calls.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "sysstring.h"

namespace vbforms {

// Wide text as code page 936 bytes. Throws UnencodableCharacter (codepage.h) for a character
// the code page cannot represent; nothing is ever replaced by "?".
std::string ToAnsi(const QString &text);

// Code page 936 bytes as wide text; bytes that are not valid code page 936 become U+FFFD.
QString FromAnsi(std::string_view bytes);

// Takes a library's result over: converts as many bytes as its count gives, then releases
// it. A null result is the empty text.
QString TakeOverResult(BSTR result);

// The first character of text that code page 936 cannot represent, if there is one.
std::optional<char32_t> FirstUnencodable(const QString &text);

}  // namespace vbforms
