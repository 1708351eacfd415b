// A single-line text box.
#pragma once

#include <QLineEdit>

namespace vbforms {

class TextBox : public QLineEdit {
  Q_OBJECT
  // When set, the box shows this character for every character typed.
  Q_PROPERTY(QString PasswordChar READ PasswordChar WRITE SetPasswordChar)

 public:
  explicit TextBox(QWidget *parent = nullptr);

  QString Text() const { return text(); }

  QString PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(const QString &character);

 private:
  QString passwordChar_;
};

}  // namespace vbforms
