// decldemo's gateway list: the text is split at every CR LF, and every piece but the last
// (what follows the final CR LF) is an entry.
//   no entry holds a CR LF; joining the pieces with CR LF gives the text back; there is one
//   piece more than the text has CR LF pairs (none for an empty text); and for a text that
//   ends every entry with CR LF, the entries each followed by CR LF are the text again.
// The text is the code page 936 decoding of the input, as a reply reaches the program, and
// with the first input byte odd, the input read as UTF-16 units instead (any text at all).
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

#include "check.h"
#include "vbforms/ansi_text.h"
#include "vbforms/text_functions.h"

namespace {

qsizetype CountCrLf(const QString &text) {
  qsizetype n = 0;
  for (qsizetype i = 0; i + 1 < text.size(); ++i)
    if (text[i] == u'\r' && text[i + 1] == u'\n') ++n, ++i;
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size == 0) return 0;
  const char *bytes = reinterpret_cast<const char *>(data + 1);
  const std::size_t length = size - 1;
  const QString text = data[0] & 1 ? QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes),
                                                        static_cast<qsizetype>(length / 2))
                                   : vbforms::FromAnsi({bytes, length});

  const QStringList pieces = vbforms::Split(text, "\r\n");
  FUZZ_CHECK(pieces.size() == (text.isEmpty() ? 0 : CountCrLf(text) + 1));
  FUZZ_CHECK(pieces.join("\r\n") == text);
  for (const QString &piece : pieces) FUZZ_CHECK(!piece.contains("\r\n"));

  if (text.endsWith("\r\n")) {
    QString again;
    for (qsizetype i = 0; i + 1 < pieces.size(); ++i) again += pieces[i] + "\r\n";
    FUZZ_CHECK(again == text);
    FUZZ_CHECK(pieces.last().isEmpty());
  }
  return 0;
}
