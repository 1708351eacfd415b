// A message as the outbox keeps it: one line of JSON.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

#include "segments.h"
#include "validation.h"

namespace outbox {

// The record of a message, UTF-8, one line without its newline, keys in this order:
// {"id":..,"time":"YYYY-MM-DDThh:mm:ssZ","gateway":..,"account":..,"mobile":..,
//  "nickname":..,"message":..,"encoding":"GSM-7"|"UCS-2","segments":..}
// Every text as it arrived; the message with its line breaks.
std::string RecordLine(std::uint64_t id, std::time_t time, const Message &message,
                       const SmsSize &size);

}  // namespace outbox
