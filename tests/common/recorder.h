// Test side of the recording SMS library: a fresh script folder per test, the answers
// to give and the calls that arrived.
#pragma once

#include <string>
#include <vector>

struct RecordedCall {
  std::string entry;
  std::vector<std::string> args;  // each argument's bytes as the library received them
};

class Recorder {
 public:
  // Makes a new folder and points SMS_RECORDER_DIR at it (for this process and its
  // children); removes it again when destroyed.
  Recorder();
  ~Recorder();
  Recorder(const Recorder &) = delete;
  Recorder &operator=(const Recorder &) = delete;

  const std::string &dir() const { return dir_; }

  // The bytes GetGatewayList / SendSms answer with; Null...() makes the answer null.
  void SetListReply(const std::string &bytes);
  void SetSendReply(const std::string &bytes);
  void NullListReply();
  void NullSendReply();
  // Answer from the library's own static buffer instead of a counted string.
  void UseStaticBuffer(const std::string &entry);
  void SetDelayMs(const std::string &entry, int ms);

  std::vector<RecordedCall> Calls() const;

 private:
  void Write(const std::string &name, const std::string &bytes) const;
  std::string dir_;
};
