#include "vbforms/text_functions.h"

namespace vbforms {
namespace {

// UTF-16 units of the character that starts at index i: 2 for a surrogate pair, else 1.
int UnitsAt(const QString &text, qsizetype i) {
  return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

bool IsSpace(QChar c) { return c == u' ' || c == QChar(0x3000); }

}  // namespace

QStringList Split(const QString &text, const QString &separator) {
  if (text.isEmpty()) return {};
  if (separator.isEmpty()) return {text};
  return text.split(separator, Qt::KeepEmptyParts, Qt::CaseSensitive);
}

QString Left(const QString &text, int count) {
  qsizetype units = 0;
  for (int n = 0; n < count && units < text.size(); ++n) units += UnitsAt(text, units);
  return text.left(units);
}

QString Trim(const QString &text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && IsSpace(text[begin])) ++begin;
  while (end > begin && IsSpace(text[end - 1])) --end;
  return text.mid(begin, end - begin);
}

int Len(const QString &text) {
  int count = 0;
  for (qsizetype i = 0; i < text.size(); i += UnitsAt(text, i)) ++count;
  return count;
}

}  // namespace vbforms
