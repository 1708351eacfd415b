// The checks a message passes before it goes into the outbox.
#pragma once

#include <optional>
#include <string>

namespace outbox {

// The seven texts of a send as they arrived: code page 936; a null pointer is the empty text.
struct SendArgs {
  const char *gateway, *account, *password, *mobile, *message, *nickname, *reserved;
};

// A message that may be sent, its texts decoded. It holds no password: the password is
// checked against nothing and kept nowhere. The seventh text is reserved and unused.
struct Message {
  std::u16string gateway, account, mobile, nickname, text;
};

// The message, or in `why` (UTF-8, Chinese) the reason it cannot be sent: a text that is
// not code page 936, no or an unknown gateway, an empty account, a mobile number that is
// not 5 to 20 digits after an optional '+', or an empty message.
std::optional<Message> CheckMessage(const SendArgs &args, std::string &why);

}  // namespace outbox
