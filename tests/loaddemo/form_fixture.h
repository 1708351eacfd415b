// A fresh Form1 per test, a fresh recording library script, and the messages that
// escaped the click handlers (instead of message boxes).
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "Unit1.h"
#include "recorder.h"

// Everything the user sees in the window's fields.
struct WindowState {
  QStringList entries;
  int selected;
  QString account, password, phone, nickname, message, result;
  bool operator==(const WindowState &o) const {
    return entries == o.entries && selected == o.selected && account == o.account &&
           password == o.password && phone == o.phone && nickname == o.nickname &&
           message == o.message && result == o.result;
  }
};

inline void PrintTo(const WindowState &s, std::ostream *os) {
  *os << "{entries [" << s.entries.join('|').toStdString() << "] selected " << s.selected << ", "
      << s.account.toStdString() << ", " << s.password.toStdString() << ", "
      << s.phone.toStdString() << ", " << s.nickname.toStdString() << ", "
      << s.message.toStdString() << ", result " << s.result.toStdString() << "}";
}

class Loaddemo : public ::testing::Test {
 protected:
  void SetUp() override {
    Application->OnException = [this](TObject *, const Exception *e) {
      messages.push_back(e->what());
    };
    form = std::make_unique<TForm1>();
  }
  void TearDown() override { Application->OnException = nullptr; }

  WindowState State() const {
    QStringList entries;
    for (int i = 0; i < form->cmbGateway->count(); ++i) entries << form->cmbGateway->itemText(i);
    return {entries,
            form->cmbGateway->currentIndex(),
            form->txtUserName->text(),
            form->txtPassword->text(),
            form->txtPhone->text(),
            form->txtNickName->text(),
            form->edtMessage->toPlainText(),
            form->txtResult->text()};
  }

  // Fills every field as a user would leave them.
  void FillFields(const QString &account, const QString &password, const QString &phone,
                  const QString &nickname, const QString &message) {
    form->txtUserName->setText(account);
    form->txtPassword->setText(password);
    form->txtPhone->setText(phone);
    form->txtNickName->setText(nickname);
    form->edtMessage->setPlainText(message);
  }

  Recorder recorder;
  std::unique_ptr<TForm1> form;
  std::vector<std::string> messages;
};
