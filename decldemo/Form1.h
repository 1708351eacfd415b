// Form1: the program's window (laid out in Form1.ui) and its two commands.
#pragma once

#include "ui_Form1.h"
#include "vbforms/form.h"

class Form1 : public vbforms::Form, private Ui::Form1 {
  Q_OBJECT

 public:
  explicit Form1(QWidget *parent = nullptr);

 private:
  void cmdRefresh_Click();
  void cmdSend_Click();
};
