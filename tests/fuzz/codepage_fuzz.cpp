// Code page 936 both ways, on arbitrary bytes and on arbitrary UTF-16 text.
//   decode: never fails, gives no more UTF-16 units than it was given bytes;
//   encode: either succeeds, and decoding gives the text back exactly, or throws
//           UnencodableCharacter naming a character of the text, at its position, that
//           code page 936 really cannot hold, after a prefix that it can.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "check.h"
#include "codepage.h"

namespace {

bool IsHigh(char16_t u) { return u >= 0xD800 && u < 0xDC00; }
bool IsLow(char16_t u) { return u >= 0xDC00 && u < 0xE000; }

// Where the character numbered `position` (counting a surrogate pair as one) starts,
// and that character.
bool CharacterAt(std::u16string_view text, std::size_t position, std::size_t &index,
                 char32_t &character) {
  std::size_t i = 0;
  for (std::size_t n = 0; i < text.size(); ++n) {
    const bool pair = IsHigh(text[i]) && i + 1 < text.size() && IsLow(text[i + 1]);
    if (n == position) {
      index = i;
      character = pair ? 0x10000 + ((char32_t(text[i]) - 0xD800) << 10) + (text[i + 1] - 0xDC00)
                       : char32_t(text[i]);
      return true;
    }
    i += pair ? 2 : 1;
  }
  return false;
}

bool Encodes(std::u16string_view text) {
  try {
    ToCodePage936(text);
    return true;
  } catch (const UnencodableCharacter &) {
    return false;
  }
}

void CheckEncode(std::u16string_view text) {
  std::string bytes;
  try {
    bytes = ToCodePage936(text);
  } catch (const UnencodableCharacter &e) {
    std::size_t index = 0;
    char32_t character = 0;
    FUZZ_CHECK(CharacterAt(text, e.position(), index, character));
    FUZZ_CHECK(character == e.character());
    const std::size_t units = character > 0xFFFF ? 2 : 1;
    FUZZ_CHECK(!Encodes(text.substr(index, units)));  // it really cannot be held
    FUZZ_CHECK(Encodes(text.substr(0, index)));       // and it is the first such one
    return;
  }
  FUZZ_CHECK(bytes.size() <= text.size() * 2);
  FUZZ_CHECK(FromCodePage936(bytes) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char *>(data), size);

  const std::u16string decoded = FromCodePage936(bytes);
  FUZZ_CHECK(decoded.size() <= bytes.size());
  CheckEncode(decoded);

  // The same bytes read as UTF-16 units (little-endian pairs): any text at all, lone
  // surrogates included.
  std::u16string text(size / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
  CheckEncode(text);
  return 0;
}
