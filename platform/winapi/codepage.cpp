#include "codepage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace {

#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr const char *kUtf16 = "UTF-16LE";
#else
constexpr const char *kUtf16 = "UTF-16BE";
#endif
constexpr const char *kCodePage936 = "CP936";

// One converter per direction for the life of the process (opening one costs more than
// converting a short text), used by one caller at a time. A plain static, not a
// thread_local: the SMS libraries link this too, and must unload again.
class Converter {
 public:
  Converter(const char *to, const char *from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter &) = delete;
  Converter &operator=(const Converter &) = delete;

  // Locks the converter and puts it back in its initial state.
  std::unique_lock<std::mutex> Use() {
    std::unique_lock<std::mutex> lock(mutex_);
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    return lock;
  }
  std::size_t operator()(char **in, std::size_t *inLeft, char **out, std::size_t *outLeft) {
    return iconv(cd_, in, inLeft, out, outLeft);
  }

 private:
  iconv_t cd_;
  std::mutex mutex_;
};

Converter &Encoder() {
  static Converter encoder(kCodePage936, kUtf16);
  return encoder;
}

Converter &Decoder() {
  static Converter decoder(kUtf16, kCodePage936);
  return decoder;
}

// Input is handed to iconv in pieces of this size, so that no call scans all the rest.
constexpr std::size_t kChunk = 64 * 1024;

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
  Converter &convert = Encoder();
  const auto lock = convert.Use();
  char *in = const_cast<char *>(reinterpret_cast<const char *>(text.data()));
  std::size_t inLeft = text.size() * sizeof(char16_t);
  char *outPtr = out.data();
  std::size_t outLeft = out.size();
  if (convert(&in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
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
  Converter &convert = Decoder();
  const auto lock = convert.Use();
  char *in = const_cast<char *>(bytes.data());
  std::size_t inLeft = bytes.size();
  char *outPtr = reinterpret_cast<char *>(out.data());
  std::size_t outLeft = out.size() * sizeof(char16_t);
  while (inLeft > 0) {
    std::size_t pieceLeft = std::min(inLeft, kChunk);
    const std::size_t piece = pieceLeft;
    const std::size_t result = convert(&in, &pieceLeft, &outPtr, &outLeft);
    inLeft -= piece - pieceLeft;
    if (result != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) throw std::runtime_error("code page 936 conversion overflow");
    // A character cut by the end of a piece: the next piece starts with it.
    if (errno == EINVAL && pieceLeft < inLeft) continue;
    // An invalid sequence, or one the text ends in: one replacement character for its
    // first byte.
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
