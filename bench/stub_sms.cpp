// The benchmarks' stand-in for qolvix_sms.dll: answers with what the benchmark program
// prepared (stub_answer.h), records nothing and waits for nothing.
#include <dlfcn.h>

#include "qolvix_sms.h"
#include "stub_answer.h"
#include "sysstring.h"

namespace {

char *Answer(int entry) {
  static const auto answerOf =
      reinterpret_cast<StubAnswerFn>(dlsym(RTLD_DEFAULT, QOLVIX_BENCH_ANSWER));
  const StubAnswer *answer = answerOf ? answerOf(entry) : nullptr;
  if (!answer) return nullptr;
  if (answer->counted) return SysAllocStringByteLen(answer->bytes, answer->size);
  return const_cast<char *>(answer->bytes);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) char *QOLVIX_SMS_CALL GetGatewayList() {
  return Answer(kStubGatewayList);
}

extern "C" __attribute__((visibility("default"))) char *QOLVIX_SMS_CALL
SendSms(const char *, const char *, const char *, const char *, const char *, const char *,
        const char *) {
  return Answer(kStubSendSms);
}
