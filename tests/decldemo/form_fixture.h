// Form1 against the recording SMS library beside the test program, with its controls found
// by the names of the window description. Run-time error reports are collected, never shown.
#pragma once

#include <gtest/gtest.h>

#include <QInputMethodEvent>
#include <QTest>
#include <stdexcept>
#include <string>
#include <vector>

#include "Form1.h"
#include "recorder.h"
#include "report_catcher.h"
#include "vbforms/combo_box.h"
#include "vbforms/command_button.h"
#include "vbforms/label.h"
#include "vbforms/multi_line_text_box.h"
#include "vbforms/text_box.h"

template <typename T>
T *FindControl(QWidget &form, const char *name) {
  T *control = form.findChild<T *>(name);
  if (!control) throw std::runtime_error(std::string("Form1 has no control ") + name);
  return control;
}

// Types committed text into a control as an input method does (how Chinese is entered).
inline void CommitText(QWidget *control, const QString &text) {
  QInputMethodEvent event;
  event.setCommitString(text);
  QApplication::sendEvent(control, &event);
}

class FormTest : public ::testing::Test {
 protected:
  Recorder recorder;
  ReportCatcher reports;
  Form1 form;
  vbforms::ComboBox *cmbGateway = FindControl<vbforms::ComboBox>(form, "cmbGateway");
  vbforms::TextBox *txtUserName = FindControl<vbforms::TextBox>(form, "txtUserName");
  vbforms::TextBox *txtPassword = FindControl<vbforms::TextBox>(form, "txtPassword");
  vbforms::TextBox *txtPhone = FindControl<vbforms::TextBox>(form, "txtPhone");
  vbforms::TextBox *txtNickName = FindControl<vbforms::TextBox>(form, "txtNickName");
  vbforms::MultiLineTextBox *edtSms = FindControl<vbforms::MultiLineTextBox>(form, "edtSms");
  vbforms::CommandButton *cmdRefresh = FindControl<vbforms::CommandButton>(form, "cmdRefresh");
  vbforms::CommandButton *cmdSend = FindControl<vbforms::CommandButton>(form, "cmdSend");
  vbforms::Label *lblError = FindControl<vbforms::Label>(form, "lblError");

  FormTest() { form.Show(); }

  // Clicks refresh with the library answering listBytes.
  void Refresh(const std::string &listBytes) {
    recorder.SetListReply(listBytes);
    QTest::mouseClick(cmdRefresh, Qt::LeftButton);
  }

  std::vector<QString> Entries() const {
    std::vector<QString> entries;
    for (int i = 0; i < cmbGateway->count(); ++i) entries.push_back(cmbGateway->itemText(i));
    return entries;
  }

  std::vector<RecordedCall> CallsOf(const std::string &entry) const {
    std::vector<RecordedCall> calls;
    for (const RecordedCall &call : recorder.Calls())
      if (call.entry == entry) calls.push_back(call);
    return calls;
  }
};
