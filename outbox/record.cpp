#include "record.h"

#include <nlohmann/json.hpp>

#include "text.h"

namespace outbox {

std::string RecordLine(std::uint64_t id, std::time_t time, const Message &m, const SmsSize &size) {
  std::tm utc{};
  gmtime_r(&time, &utc);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &utc);

  // Ordered: the outbox file finds the next number at the start of its last line.
  nlohmann::ordered_json record;
  record["id"] = id;
  record["time"] = stamp;
  record["gateway"] = Utf8(m.gateway);
  record["account"] = Utf8(m.account);
  record["mobile"] = Utf8(m.mobile);
  record["nickname"] = Utf8(m.nickname);
  record["message"] = Utf8(m.text);
  record["encoding"] = EncodingName(size.encoding);
  record["segments"] = size.segments;
  return record.dump();
}

}  // namespace outbox
