// decldemo's two commands, clicked on its real window, against the stand-in library.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <stdexcept>

#include "Form1.h"
#include "fixture.h"
#include "report_catcher.h"

namespace {

template <typename T>
T &Control(QWidget &form, const char *name) {
  T *control = form.findChild<T *>(name);
  if (!control) throw std::runtime_error(std::string("Form1 has no ") + name);
  return *control;
}

void RefreshDecldemo(benchmark::State &state) {
  const int n = static_cast<int>(state.range(0));
  const std::string list = GatewayList(n);
  SetStubAnswer(kStubGatewayList, list, true);
  ReportCatcher reports;
  Form1 form;
  auto &refresh = Control<QPushButton>(form, "cmdRefresh");
  for (auto _ : state) refresh.click();
  if (!reports.messages().isEmpty())
    state.SkipWithError(reports.messages().last().toStdString().c_str());
  else if (StubCalls(kStubGatewayList) != static_cast<long>(state.iterations()) ||
           Control<QComboBox>(form, "cmbGateway").count() != n)
    state.SkipWithError("the list was not filled");
  state.SetComplexityN(n);
}
BENCHMARK(RefreshDecldemo)
    ->Name("refresh/decldemo")
    ->Arg(10)
    ->Arg(1000)
    ->Arg(100000)
    ->UseRealTime();

void SendDecldemo(benchmark::State &state) {
  const std::string list = GatewayList(10);
  const std::string reply = "\xb7\xa2\xcb\xcd\xb3\xc9\xb9\xa6";  // 发送成功
  SetStubAnswer(kStubGatewayList, list, true);
  SetStubAnswer(kStubSendSms, reply, true);
  ReportCatcher reports;
  Form1 form;
  Control<QPushButton>(form, "cmdRefresh").click();
  Control<QLineEdit>(form, "txtUserName").setText("13800000000");
  Control<QLineEdit>(form, "txtPassword").setText("secret");
  Control<QLineEdit>(form, "txtPhone").setText("13912345678");
  Control<QLineEdit>(form, "txtNickName").setText("小明");
  Control<QPlainTextEdit>(form, "edtSms").setPlainText(LongMessage(1 << 20, "\n"));
  auto &send = Control<QPushButton>(form, "cmdSend");
  auto &result = Control<QLabel>(form, "lblError");
  for (auto _ : state) send.click();
  if (!reports.messages().isEmpty())
    state.SkipWithError(reports.messages().last().toStdString().c_str());
  else if (StubCalls(kStubSendSms) != static_cast<long>(state.iterations()) ||
           result.text() != "发送成功")
    state.SkipWithError(("no reply shown: " + result.text().left(80)).toStdString().c_str());
}
BENCHMARK(SendDecldemo)->Name("send_1MB/decldemo")->UseRealTime();

}  // namespace
