// The bare baselines the programs are measured against: a combo box filled with
// QComboBox::addItems, a dlopen/dlsym/call/dlclose loop on the same library, and one iconv
// conversion of a message.
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <iconv.h>

#include <QComboBox>
#include <string>

#include "fixture.h"
#include "qolvix_sms.h"

namespace {

void RefreshAddItems(benchmark::State &state) {
  const QStringList entries = GatewayEntries(static_cast<int>(state.range(0)));
  QComboBox box;
  for (auto _ : state) {
    box.clear();
    box.addItems(entries);
  }
  if (box.count() != entries.size()) state.SkipWithError("the list was not filled");
  state.SetComplexityN(state.range(0));
}
BENCHMARK(RefreshAddItems)
    ->Name("refresh/addItems")
    ->Arg(10)
    ->Arg(1000)
    ->Arg(100000)
    ->UseRealTime();

// Loads the library by its path, resolves one entry point, calls it, copies the reply and
// unloads the library: what loaddemo's commands do, and nothing else.
template <typename Call>
void BareLoadCall(benchmark::State &state, const char *entryName, Call call) {
  const std::string path = StubLibraryPath();
  std::size_t copied = 0;
  for (auto _ : state) {
    void *library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    void *entry = library ? dlsym(library, entryName) : nullptr;
    if (!entry) {
      state.SkipWithError(dlerror());
      break;
    }
    const char *reply = call(entry);
    std::string copy(reply ? reply : "");
    copied = copy.size();
    benchmark::DoNotOptimize(copy.data());
    dlclose(library);
  }
  if (copied == 0) state.SkipWithError("the library gave no reply");
}

void BareLoadCallList(benchmark::State &state) {
  const std::string list = GatewayList(10);
  SetStubAnswer(kStubGatewayList, list, false);
  BareLoadCall(state, QOLVIX_SMS_GET_GATEWAY_LIST,
               [](void *entry) { return reinterpret_cast<GetGatewayListFn>(entry)(); });
}
BENCHMARK(BareLoadCallList)->Name("load_call/dlopen/GetGatewayList")->UseRealTime();

void BareLoadCallSend(benchmark::State &state) {
  const std::string reply = "\xb7\xa2\xcb\xcd\xb3\xc9\xb9\xa6";  // 发送成功
  SetStubAnswer(kStubSendSms, reply, false);
  BareLoadCall(state, QOLVIX_SMS_SEND_SMS, [](void *entry) {
    return reinterpret_cast<SendSmsFn>(entry)("GW000000", "13800000000", "secret", "13912345678",
                                              "hello", "nick", "");
  });
}
BENCHMARK(BareLoadCallSend)->Name("load_call/dlopen/SendSms")->UseRealTime();

// One conversion of the message from wide text to code page 936.
void SendIconv(benchmark::State &state) {
  const QString message = LongMessage(1 << 20, "\r\n");
  std::size_t converted = 0;
  for (auto _ : state) {
    iconv_t cd = iconv_open("CP936", "UTF-16LE");
    std::string out(static_cast<std::size_t>(message.size()) * 2, '\0');
    char *in = const_cast<char *>(reinterpret_cast<const char *>(message.utf16()));
    std::size_t inLeft = static_cast<std::size_t>(message.size()) * 2;
    char *outPtr = out.data();
    std::size_t outLeft = out.size();
    iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    converted = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  if (converted < (1 << 20)) state.SkipWithError("the message did not convert");
}
BENCHMARK(SendIconv)->Name("send_1MB/iconv")->UseRealTime();

}  // namespace
