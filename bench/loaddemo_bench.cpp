// loaddemo's two commands, clicked on its real window, against the stand-in library beside
// the benchmark program (where loaddemo looks first).
#include <benchmark/benchmark.h>

#include <string>

#include "Unit1.h"
#include "fixture.h"

namespace {

// Collects what escaped a command (instead of a message box) while it lives.
class Errors {
 public:
  Errors() {
    Application->OnException = [this](TObject *, const Exception *e) { last_ = e->what(); };
  }
  ~Errors() { Application->OnException = nullptr; }
  Errors(const Errors &) = delete;
  Errors &operator=(const Errors &) = delete;
  const std::string &last() const { return last_; }

 private:
  std::string last_;
};

// Clicks cmdRefresh against a list of n entries, and checks every click filled the list.
void ClickRefresh(benchmark::State &state, int n) {
  const std::string list = GatewayList(n);
  SetStubAnswer(kStubGatewayList, list, false);
  Errors errors;
  TForm1 form;
  for (auto _ : state) form.cmdRefresh->click();
  if (!errors.last().empty())
    state.SkipWithError(errors.last().c_str());
  else if (StubCalls(kStubGatewayList) != static_cast<long>(state.iterations()) ||
           form.cmbGateway->count() != n)
    state.SkipWithError("the list was not filled");
}

void RefreshLoaddemo(benchmark::State &state) {
  const int n = static_cast<int>(state.range(0));
  ClickRefresh(state, n);
  state.SetComplexityN(n);
}
BENCHMARK(RefreshLoaddemo)
    ->Name("refresh/loaddemo")
    ->Arg(10)
    ->Arg(1000)
    ->Arg(100000)
    ->UseRealTime();

void LoadCallLoaddemoList(benchmark::State &state) { ClickRefresh(state, 10); }
BENCHMARK(LoadCallLoaddemoList)->Name("load_call/loaddemo/GetGatewayList")->UseRealTime();

void LoadCallLoaddemoSend(benchmark::State &state) {
  const std::string list = GatewayList(10);
  const std::string reply = "\xb7\xa2\xcb\xcd\xb3\xc9\xb9\xa6";  // 发送成功
  SetStubAnswer(kStubGatewayList, list, false);
  SetStubAnswer(kStubSendSms, reply, false);
  Errors errors;
  TForm1 form;
  form.cmdRefresh->click();
  form.txtUserName->setText("13800000000");
  form.txtPassword->setText("secret");
  form.txtPhone->setText("13912345678");
  form.txtNickName->setText("nick");
  form.edtMessage->setPlainText("hello");
  for (auto _ : state) form.cmdSend->click();
  if (!errors.last().empty())
    state.SkipWithError(errors.last().c_str());
  else if (StubCalls(kStubSendSms) != static_cast<long>(state.iterations()) ||
           form.txtResult->text() != "发送成功")
    state.SkipWithError("no reply shown");
}
BENCHMARK(LoadCallLoaddemoSend)->Name("load_call/loaddemo/SendSms")->UseRealTime();

}  // namespace
