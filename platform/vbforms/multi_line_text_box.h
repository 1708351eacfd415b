// A multi-line text box: Enter starts a new line, Tab moves on to the next control.
#pragma once

#include <QPlainTextEdit>

namespace vbforms {

class MultiLineTextBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit MultiLineTextBox(QWidget *parent = nullptr);

  // The whole text, its lines separated by CR LF.
  QString Text() const;
};

}  // namespace vbforms
