// Form1, the one window of loaddemo, and its two commands.
#pragma once

#include "ui_Unit1.h"
#include "vcl.h"

// The controls come from the stored form Unit1.ui, declared in the order they stand
// there: cmdRefresh, Label1, cmbGateway, Label2, Label3, Label5 to Label9, txtUserName,
// txtPassword, txtPhone, txtNickName, edtMessage, txtResult, cmdSend.
class TForm1 : public TForm, public Ui::TForm1 {
  Q_OBJECT
 public:
  explicit TForm1(QWidget *parent = nullptr);

 public Q_SLOTS:  // named by the buttons' OnClick in Unit1.ui
  void cmdRefreshClick(TObject *Sender);
  void cmdSendClick(TObject *Sender);
};

extern TForm1 *Form1;
