// The gateways the outbox library offers. They all deliver alike, into the outbox file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace outbox {

// Each entry of the list is a name padded with spaces to 16 characters, then a description:
// so the first 16 characters of an entry, trimmed, are its name.
constexpr std::size_t kGatewayNameWidth = 16;

struct Gateway {
  std::string_view name;  // ASCII, shorter than kGatewayNameWidth
  std::u16string entry;   // the whole line of the list, without its CR LF
};

// The gateways, in list order.
const std::vector<Gateway> &Gateways();

// The gateway list text: each entry followed by CR LF, in code page 936.
std::string GatewayListText();

// The gateway a caller chose, by the first 16 characters of what it passes, trimmed: so
// both the whole entry and the entry's name choose it. Null when none is named so.
const Gateway *FindGateway(std::u16string_view chosen);

// The names, for a message: "outbox-cmcc、outbox-unicom、...".
std::string GatewayNames();

}  // namespace outbox
