#include "AnsiString.h"

#include <algorithm>

#include "Exception.h"
#include "codepage.h"

QString AnsiToQString(const AnsiString &text, bool *exact) {
  const bool ascii = std::all_of(text.begin(), text.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) {  // code page 936 is ASCII below 0x80
    if (exact) *exact = true;
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  }
  const std::u16string decoded = FromCodePage936(text);
  if (exact) {
    try {
      *exact = ToCodePage936(decoded) == text;
    } catch (const UnencodableCharacter &) {
      *exact = false;  // U+FFFD stands for bytes that were not a character
    }
  }
  return QString::fromStdU16String(decoded);
}

AnsiString QStringToAnsi(const QString &text, const QWidget &field) {
  try {
    return ToCodePage936(text.toStdU16String());
  } catch (const UnencodableCharacter &e) {
    throw EEncodingError(field, e.character());
  }
}
