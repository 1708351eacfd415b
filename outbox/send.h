// Sending into the outbox: check, record, reply.
#pragma once

#include <string>

#include "validation.h"

namespace outbox {

// Checks the message and appends it to the outbox file. The reply, in code page 936, gives
// the message's number and how many SMS it takes, or why nothing was recorded.
std::string Send(const SendArgs &args);

}  // namespace outbox
