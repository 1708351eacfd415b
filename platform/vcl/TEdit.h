// A single-line edit whose text is 8-bit text.
#pragma once

#include <QLineEdit>

#include "AnsiString.h"

class TEdit : public QLineEdit {
  Q_OBJECT
  // Shown for every character instead of the text; empty shows the text itself.
  Q_PROPERTY(QString PasswordChar READ passwordChar WRITE setPasswordChar)

 public:
  explicit TEdit(QWidget *parent = nullptr);

  AnsiString Text() const;  // throws EEncodingError
  void SetText(const AnsiString &text);

  QString passwordChar() const { return passwordChar_; }
  void setPasswordChar(const QString &character);

 private:
  QString passwordChar_;
};
