// Conversion between Unicode text (UTF-16, as wide text is held) and the 8-bit text of
// code page 936, with iconv.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// Thrown when a text holds a character that code page 936 cannot represent.
class UnencodableCharacter : public std::runtime_error {
 public:
  UnencodableCharacter(char32_t character, std::size_t position);
  char32_t character() const { return character_; }
  // 0-based index of the character, counted in Unicode characters (not UTF-16 units).
  std::size_t position() const { return position_; }

 private:
  char32_t character_;
  std::size_t position_;
};

// Encodes to code page 936; nothing is replaced: throws UnencodableCharacter for the
// first character it cannot represent (an unpaired surrogate counts as one).
std::string ToCodePage936(std::u16string_view text);

// Decodes code page 936; every byte that does not start a valid character becomes
// U+FFFD and decoding goes on after it.
std::u16string FromCodePage936(std::string_view bytes);

// "U+1F600" and the like, for messages.
std::string CodePointName(char32_t character);
