#include "codepage.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr const char *kUtf16 = "UTF-16LE";
#else
constexpr const char *kUtf16 = "UTF-16BE";
#endif
constexpr const char *kCodePage936 = "CP936";

struct IconvCloser {
  void operator()(void *cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using Iconv = std::unique_ptr<void, IconvCloser>;

Iconv Open(const char *to, const char *from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1))
    throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
  return Iconv(cd);
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u < 0xDC00; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u < 0xE000; }

// The character at UTF-16 index i and its index counted in characters.
UnencodableCharacter BadCharacterAt(std::u16string_view text, std::size_t i) {
  std::size_t position = 0;
  for (std::size_t k = 0; k < i; ++k)
    if (!(IsLowSurrogate(text[k]) && k > 0 && IsHighSurrogate(text[k - 1]))) ++position;
  char32_t c = text[i];
  if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]))
    c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
  return UnencodableCharacter(c, position);
}

}  // namespace

std::string CodePointName(char32_t character) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(character));
  return buf;
}

UnencodableCharacter::UnencodableCharacter(char32_t character, std::size_t position)
    : std::runtime_error("character " + CodePointName(character) + " at position " +
                         std::to_string(position) + " cannot be represented in code page 936"),
      character_(character),
      position_(position) {}

std::string ToCodePage936(std::u16string_view text) {
  std::string out(text.size() * 2, '\0');
  if (text.empty()) return out;
  Iconv cd = Open(kCodePage936, kUtf16);
  char *in = const_cast<char *>(reinterpret_cast<const char *>(text.data()));
  std::size_t inLeft = text.size() * sizeof(char16_t);
  char *outPtr = out.data();
  std::size_t outLeft = out.size();
  if (iconv(static_cast<iconv_t>(cd.get()), &in, &inLeft, &outPtr, &outLeft) ==
      static_cast<std::size_t>(-1)) {
    if (errno == E2BIG) throw std::runtime_error("code page 936 conversion overflow");
    // EILSEQ: a character without a code; EINVAL: a high surrogate that ends the text.
    throw BadCharacterAt(text, text.size() - inLeft / sizeof(char16_t));
  }
  out.resize(out.size() - outLeft);
  return out;
}

std::u16string FromCodePage936(std::string_view bytes) {
  // Every character takes at least one byte and at most one UTF-16 unit.
  std::u16string out(bytes.size(), u'\0');
  if (bytes.empty()) return out;
  Iconv cd = Open(kUtf16, kCodePage936);
  char *in = const_cast<char *>(bytes.data());
  std::size_t inLeft = bytes.size();
  char *outPtr = reinterpret_cast<char *>(out.data());
  std::size_t outLeft = out.size() * sizeof(char16_t);
  while (inLeft > 0) {
    if (iconv(static_cast<iconv_t>(cd.get()), &in, &inLeft, &outPtr, &outLeft) !=
        static_cast<std::size_t>(-1))
      break;
    if (errno == E2BIG) throw std::runtime_error("code page 936 conversion overflow");
    // An invalid or incomplete sequence: one replacement character for its first byte.
    const char16_t replacement = u'\uFFFD';
    std::memcpy(outPtr, &replacement, sizeof replacement);
    outPtr += sizeof replacement;
    outLeft -= sizeof replacement;
    ++in;
    --inLeft;
  }
  out.resize(out.size() - outLeft / sizeof(char16_t));
  return out;
}
