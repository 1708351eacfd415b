// The outbox file: one record a line, numbered, appended under a lock so that several
// programs may send at once. The library keeps nothing in memory between calls (a caller
// may unload it after every call): the next number comes from the file itself.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

namespace outbox {

// A failure to reach or write the outbox file; what() is UTF-8 and names the file.
class OutboxError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The environment variable that names the outbox file.
constexpr const char *kOutboxVariable = "QOLVIX_SMS_OUTBOX";

// Where the records go: $QOLVIX_SMS_OUTBOX when it is set and not empty, otherwise
// qolvix_sms/outbox.jsonl in $XDG_DATA_HOME (when absolute) or in $HOME/.local/share.
// Throws OutboxError when none of them gives a place.
std::string OutboxPath();

// Appends one record as a line of its own, numbered one past the last record of the file
// (the first is 1). record(number) gives the line without its newline. Makes the file and
// its missing folders readable by their owner only. When the write fails, the file is cut
// back to what it held. Returns the number; throws OutboxError.
std::uint64_t AppendRecord(const std::string &path,
                           const std::function<std::string(std::uint64_t)> &record);

}  // namespace outbox
