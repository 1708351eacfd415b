#include "TEdit.h"

#include <QProxyStyle>
#include <limits>

namespace {
// The application's style, but with its own character for hidden text.
class PasswordCharStyle : public QProxyStyle {
 public:
  explicit PasswordCharStyle(QChar character) : character_(character) {}
  int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                QStyleHintReturn *returnData) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return character_.unicode();
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }

 private:
  QChar character_;
};
}  // namespace

TEdit::TEdit(QWidget *parent) : QLineEdit(parent) {
  // No limit of its own: a long reply is shown whole.
  setMaxLength(std::numeric_limits<int>::max());
}

AnsiString TEdit::Text() const { return QStringToAnsi(text(), *this); }

void TEdit::SetText(const AnsiString &text) { setText(AnsiToQString(text)); }

void TEdit::setPasswordChar(const QString &character) {
  passwordChar_ = character.left(1);
  if (passwordChar_.isEmpty()) {
    setEchoMode(Normal);
    return;
  }
  auto *style = new PasswordCharStyle(passwordChar_[0]);
  style->setParent(this);
  setStyle(style);
  setEchoMode(Password);
}
