#include "AnsiString.h"

#include "Exception.h"
#include "codepage.h"

QString AnsiToQString(const AnsiString &text) {
  return QString::fromStdU16String(FromCodePage936(text));
}

AnsiString QStringToAnsi(const QString &text, const QWidget &field) {
  try {
    return ToCodePage936(text.toStdU16String());
  } catch (const UnencodableCharacter &e) {
    throw EEncodingError(field, e.character());
  }
}

bool RoundTrips(const AnsiString &text) {
  try {
    return ToCodePage936(FromCodePage936(text)) == text;
  } catch (const UnencodableCharacter &) {
    return false;  // U+FFFD stands for bytes that were not a character
  }
}
