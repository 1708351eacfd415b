#include "vbforms/multi_line_text_box.h"

#include <QTextDocument>

namespace vbforms {

MultiLineTextBox::MultiLineTextBox(QWidget *parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
}

QString MultiLineTextBox::Text() const {
  // The raw text keeps every character as typed (the plain text would turn no-break spaces
  // into spaces); paragraph ends (Enter) and line breaks (Shift+Enter) become CR LF.
  QString text = document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  return text;
}

}  // namespace vbforms
