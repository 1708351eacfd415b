// 8-bit text, as the window's text reaches the program: code page 936 bytes.
#pragma once

#include <QString>
#include <string>

class QWidget;

using AnsiString = std::string;

// What a widget shows for 8-bit text; bytes that are no code page 936 character show
// as U+FFFD. With exact given, says whether the shown text encodes back to the same
// bytes.
QString AnsiToQString(const AnsiString &text, bool *exact = nullptr);

// The 8-bit text of what a widget holds. Throws EEncodingError naming the widget when a
// character has no code page 936 form.
AnsiString QStringToAnsi(const QString &text, const QWidget &field);
