#include "vbforms/text_box.h"

namespace vbforms {

TextBox::TextBox(QWidget *parent) : QLineEdit(parent) {}

void TextBox::SetPasswordChar(const QString &character) {
  passwordChar_ = character.left(1);
  setEchoMode(passwordChar_.isEmpty() ? Normal : Password);
  // The style decides the echo character; this rule makes it the one asked for.
  setStyleSheet(passwordChar_.isEmpty()
                    ? QString()
                    : QString("lineedit-password-character: %1;").arg(passwordChar_[0].unicode()));
}

}  // namespace vbforms
