#include "fixture.h"

#include <unistd.h>

#include <array>
#include <cstdio>

#include "codepage.h"

namespace {
std::array<StubAnswer, 2> g_answers;
std::array<long, 2> g_calls;
}  // namespace

extern "C" __attribute__((visibility("default"))) const StubAnswer *QolvixBenchAnswer(int entry) {
  if (entry != kStubGatewayList && entry != kStubSendSms) return nullptr;
  ++g_calls[entry];
  return &g_answers[entry];
}

void SetStubAnswer(StubEntry entry, const std::string &bytes, bool counted) {
  g_answers[entry] = {bytes.c_str(), static_cast<std::uint32_t>(bytes.size()), counted};
  g_calls[entry] = 0;
}

long StubCalls(StubEntry entry) { return g_calls[entry]; }

QStringList GatewayEntries(int n) {
  QStringList entries;
  entries.reserve(n);
  for (int i = 0; i < n; ++i)
    entries << QString("GW%1").arg(i, 6, 10, QChar('0')).leftJustified(16) +
                   QString("第%1号短信网关（移动、联通、电信）").arg(i);
  return entries;
}

std::string GatewayList(int n) {
  std::u16string text;
  for (const QString &entry : GatewayEntries(n)) text += (entry + "\r\n").toStdU16String();
  return ToCodePage936(text);
}

QString LongMessage(std::size_t bytes, const QString &lineBreak) {
  const QString line = "您好，这是一条用于测试的长短信，编号 0123456789。";
  const std::size_t lineBytes = ToCodePage936((line + "\r\n").toStdU16String()).size();
  QString message;
  for (std::size_t n = 0; n < bytes; n += lineBytes) message += line + lineBreak;
  return message;
}

std::string StubLibraryPath() {
  char buf[4096];
  const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  std::string path = n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : "./x";
  return path.substr(0, path.rfind('/') + 1) + "qolvix_sms.dll";
}
