// A window. Its properties come from the stored form: Left and Top place it on the
// screen, BorderStyle bsSingle keeps it at its designed size with no maximize button.
// Its colour is the button face, as a VCL form's is.
#pragma once

#include <QWidget>

class TForm : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int Left READ x WRITE setLeft)
  Q_PROPERTY(int Top READ y WRITE setTop)
  Q_PROPERTY(TFormBorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)

 public:
  enum TFormBorderStyle { bsSizeable, bsSingle };
  Q_ENUM(TFormBorderStyle)

  explicit TForm(QWidget *parent = nullptr);

  void setLeft(int left) { move(left, y()); }
  void setTop(int top) { move(x(), top); }
  TFormBorderStyle borderStyle() const { return borderStyle_; }
  // bsSingle fixes the window at its size when set: the stored form sets the size first.
  void setBorderStyle(TFormBorderStyle style);

 private:
  TFormBorderStyle borderStyle_ = bsSizeable;
};
