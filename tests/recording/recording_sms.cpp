// A scriptable SMS library for the tests, built as "qolvix_sms.dll".
//
// It keeps nothing in memory between calls (the program under test may unload it after
// every call); everything lives in the folder named by SMS_RECORDER_DIR:
//   calls.log             one line per call, appended: the entry name, then each argument
//                         as hex bytes, separated by tabs
//   <Entry>.reply         the bytes to answer with; without the file the answer is null
//   <Entry>.static        present: answer from the library's own static buffer instead
//                         of a counted string
//   <Entry>.delay_ms      milliseconds to wait before answering
// where <Entry> is GetGatewayList or SendSms.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "qolvix_sms.h"
#include "sysstring.h"

namespace {

char g_staticReply[1 << 16];

std::string Dir() {
  const char *dir = std::getenv("SMS_RECORDER_DIR");
  return dir ? dir : "";
}

bool ReadFile(const std::string &path, std::string &out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

void Record(const std::string &dir, const char *entry, const char *const *args, int count) {
  static const char hex[] = "0123456789abcdef";
  std::string line = entry;
  for (int i = 0; i < count; ++i) {
    line += '\t';
    for (const char *p = args[i]; *p; ++p) {
      const auto b = static_cast<unsigned char>(*p);
      line += hex[b >> 4];
      line += hex[b & 15];
    }
  }
  line += '\n';
  const int fd = ::open((dir + "/calls.log").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
  if (fd < 0) return;
  ::flock(fd, LOCK_EX);
  const char *p = line.data();
  std::size_t left = line.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n <= 0) break;
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  ::close(fd);
}

char *Answer(const char *entry, const char *const *args, int count) {
  const std::string dir = Dir();
  if (dir.empty()) return nullptr;
  Record(dir, entry, args, count);
  const std::string base = dir + "/" + entry;
  std::string text;
  if (ReadFile(base + ".delay_ms", text))
    std::this_thread::sleep_for(std::chrono::milliseconds(std::atol(text.c_str())));
  if (!ReadFile(base + ".reply", text)) return nullptr;
  std::string ignored;
  if (ReadFile(base + ".static", ignored)) {
    const std::size_t n = std::min(text.size(), sizeof g_staticReply - 1);
    std::memcpy(g_staticReply, text.data(), n);
    g_staticReply[n] = '\0';
    return g_staticReply;
  }
  return SysAllocStringByteLen(text.data(), static_cast<std::uint32_t>(text.size()));
}

}  // namespace

extern "C" __attribute__((visibility("default"))) char *QOLVIX_SMS_CALL GetGatewayList() {
  return Answer(QOLVIX_SMS_GET_GATEWAY_LIST, nullptr, 0);
}

extern "C" __attribute__((visibility("default"))) char *QOLVIX_SMS_CALL
SendSms(const char *gateway, const char *account, const char *password, const char *mobile,
        const char *message, const char *nickname, const char *reserved) {
  const char *const args[] = {gateway, account, password, mobile, message, nickname, reserved};
  return Answer(QOLVIX_SMS_SEND_SMS, args, 7);
}
