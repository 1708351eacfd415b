// The text functions the forms' code calls. A character is a Unicode character: one outside
// the Basic Multilingual Plane (an emoji, say) counts as one and is never cut in half.
#pragma once

#include <QString>
#include <QStringList>

namespace vbforms {

// The pieces of text between the occurrences of separator, compared exactly (case-sensitive),
// with no limit on their number. An empty text gives no pieces; an empty separator gives the
// whole text as the one piece.
QStringList Split(const QString &text, const QString &separator);

// The first count characters of text (all of it when it is shorter).
QString Left(const QString &text, int count);

// Text without the spaces at both ends. Ordinary spaces (U+0020) and full-width spaces
// (U+3000, which a Chinese input method types) are removed; tabs and line breaks stay.
QString Trim(const QString &text);

// The number of characters in text.
int Len(const QString &text);

}  // namespace vbforms
