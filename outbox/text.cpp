#include "text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <stdexcept>

#include "codepage.h"

namespace outbox {
namespace {

#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr const char *kUtf16 = "UTF-16LE";
#else
constexpr const char *kUtf16 = "UTF-16BE";
#endif

struct IconvCloser {
  void operator()(void *cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

// Converts with iconv. An input unit (of unitSize bytes) that does not convert becomes
// `replacement`, and the conversion goes on after it.
std::string Convert(const char *to, const char *from, std::string_view input, std::size_t unitSize,
                    std::string_view replacement) {
  std::string out;
  if (input.empty()) return out;
  iconv_t raw = iconv_open(to, from);
  if (raw == reinterpret_cast<iconv_t>(-1))
    throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
  const std::unique_ptr<void, IconvCloser> cd(raw);
  out.resize(input.size() * 2 + 8);
  char *in = const_cast<char *>(input.data());
  std::size_t inLeft = input.size();
  std::size_t done = 0;
  while (inLeft > 0) {
    char *outPtr = out.data() + done;
    std::size_t outLeft = out.size() - done;
    const std::size_t rc = iconv(raw, &in, &inLeft, &outPtr, &outLeft);
    const int error = errno;
    done = out.size() - outLeft;
    if (rc != static_cast<std::size_t>(-1)) break;
    if (error == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    // EILSEQ: a unit that is no character; EINVAL: a character cut short at the end.
    out.replace(done, 0, replacement);
    done += replacement.size();
    const std::size_t skip = std::min(unitSize, inLeft);
    in += skip;
    inLeft -= skip;
  }
  out.resize(done);
  return out;
}

}  // namespace

std::string Utf8(std::u16string_view text) {
  return Convert("UTF-8", kUtf16,
                 {reinterpret_cast<const char *>(text.data()), text.size() * sizeof(char16_t)},
                 sizeof(char16_t), "\xEF\xBF\xBD");
}

std::u16string Utf16(std::string_view utf8) {
  const char16_t replacement = 0xFFFD;
  const std::string bytes = Convert(
      kUtf16, "UTF-8", utf8, 1, {reinterpret_cast<const char *>(&replacement), sizeof replacement});
  std::u16string text(bytes.size() / sizeof(char16_t), u'\0');
  std::copy(bytes.begin(), bytes.end(), reinterpret_cast<char *>(text.data()));
  return text;
}

Decoded DecodeCodePage936(std::string_view bytes) {
  Decoded result{FromCodePage936(bytes), std::nullopt};
  // Code page 936 has no U+FFFD of its own: where one stands, a byte did not decode.
  const std::size_t bad = result.text.find(u'\uFFFD');
  if (bad != std::u16string::npos) {
    result.badByte = ToCodePage936(std::u16string_view(result.text).substr(0, bad)).size();
    return result;
  }
  // Bytes that decode but would encode otherwise are not what arrived either.
  const std::string again = ToCodePage936(result.text);
  if (again != bytes)
    result.badByte = static_cast<std::size_t>(
        std::mismatch(bytes.begin(), bytes.end(), again.begin(), again.end()).first -
        bytes.begin());
  return result;
}

std::string ReplyText(std::string_view utf8) {
  std::u16string text = Utf16(utf8);
  for (;;) {
    try {
      return ToCodePage936(text);
    } catch (const UnencodableCharacter &e) {
      // The position counts characters; a character beyond U+FFFF takes two units.
      std::size_t i = 0;
      for (std::size_t n = e.position(); n > 0; --n)
        i += text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size() ? 2 : 1;
      text.replace(i, e.character() > 0xFFFF ? 2 : 1, u"?");
    }
  }
}

std::u16string_view TrimSpaces(std::u16string_view text) {
  const std::size_t first = text.find_first_not_of(u' ');
  if (first == std::u16string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

}  // namespace outbox
