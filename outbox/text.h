// Text helpers of the outbox library: UTF-8 and UTF-16, code page 936 that loses nothing
// silently, and trimming.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace outbox {

// UTF-16 to UTF-8; a unit that is not part of a character (an unpaired surrogate) becomes
// U+FFFD.
std::string Utf8(std::u16string_view text);

// UTF-8 to UTF-16; a byte that is not part of a valid UTF-8 character becomes U+FFFD.
std::u16string Utf16(std::string_view utf8);

// Decodes 8-bit text of code page 936 only when it decodes exactly: the text, or the 0-based
// index of the first byte that is not part of a valid character.
struct Decoded {
  std::u16string text;
  std::optional<std::size_t> badByte;
};
Decoded DecodeCodePage936(std::string_view bytes);

// UTF-8 text in code page 936, for the library's own replies: a character that code page
// 936 cannot hold (in a file name, say) becomes '?'. Never for the user's data.
std::string ReplyText(std::string_view utf8);

// The text without the spaces at both ends.
std::u16string_view TrimSpaces(std::u16string_view text);

}  // namespace outbox
