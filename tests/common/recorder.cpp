#include "recorder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string_view>

Recorder::Recorder() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "sms-recorder-XXXXXX").string();
  if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
  dir_ = tmpl;
  ::setenv("SMS_RECORDER_DIR", dir_.c_str(), 1);
}

Recorder::~Recorder() {
  ::unsetenv("SMS_RECORDER_DIR");
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}

void Recorder::Write(const std::string &name, const std::string &bytes) const {
  std::ofstream out(dir_ + "/" + name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + name);
}

void Recorder::SetListReply(const std::string &bytes) { Write("GetGatewayList.reply", bytes); }
void Recorder::SetSendReply(const std::string &bytes) { Write("SendSms.reply", bytes); }
void Recorder::NullListReply() { std::filesystem::remove(dir_ + "/GetGatewayList.reply"); }
void Recorder::NullSendReply() { std::filesystem::remove(dir_ + "/SendSms.reply"); }
void Recorder::UseStaticBuffer(const std::string &entry) { Write(entry + ".static", "1"); }
void Recorder::SetDelayMs(const std::string &entry, int ms) {
  Write(entry + ".delay_ms", std::to_string(ms));
}

namespace {
int Nibble(char c) { return c <= '9' ? c - '0' : c - 'a' + 10; }

std::string FromHex(std::string_view hex) {
  std::string bytes(hex.size() / 2, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<char>(Nibble(hex[2 * i]) << 4 | Nibble(hex[2 * i + 1]));
  return bytes;
}
}  // namespace

std::vector<RecordedCall> Recorder::Calls() const {
  std::vector<RecordedCall> calls;
  std::ifstream in(dir_ + "/calls.log", std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    std::string_view rest = line;
    RecordedCall call;
    std::size_t tab = rest.find('\t');
    call.entry = std::string(rest.substr(0, tab));
    while (tab != std::string_view::npos) {
      rest.remove_prefix(tab + 1);
      tab = rest.find('\t');
      call.args.push_back(FromHex(rest.substr(0, tab)));
    }
    calls.push_back(std::move(call));
  }
  return calls;
}
