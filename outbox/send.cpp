#include "send.h"

#include <ctime>

#include "outbox_file.h"
#include "record.h"
#include "segments.h"
#include "text.h"

namespace outbox {

std::string Send(const SendArgs &args) {
  std::string why;
  const std::optional<Message> message = CheckMessage(args, why);
  if (!message) return ReplyText("未发送：" + why);

  const SmsSize size = MeasureSms(message->text);
  const std::time_t now = std::time(nullptr);
  std::uint64_t id;
  try {
    id = AppendRecord(OutboxPath(),
                      [&](std::uint64_t n) { return RecordLine(n, now, *message, size); });
  } catch (const OutboxError &e) {
    return ReplyText(std::string("未发送：") + e.what());
  }
  return ReplyText("发送成功（已存入本地发件箱）：短信编号 " + std::to_string(id) + "，共 " +
                   std::to_string(size.segments) + " 条短信");
}

}  // namespace outbox
