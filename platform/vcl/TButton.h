// A push button. OnClick names the method of its form that a click runs, as the stored
// form gives it; whatever that method throws goes to Application->HandleException and
// never into Qt's event loop.
#pragma once

#include <QPushButton>

class TButton : public QPushButton {
  Q_OBJECT
  Q_PROPERTY(QString OnClick READ onClick WRITE setOnClick)

 public:
  explicit TButton(QWidget *parent = nullptr);

  QString onClick() const { return onClick_; }
  void setOnClick(const QString &method) { onClick_ = method; }

 private:
  void Click();
  QString onClick_;
};
