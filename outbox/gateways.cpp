#include "gateways.h"

#include "codepage.h"
#include "text.h"

namespace outbox {

const std::vector<Gateway> &Gateways() {
  static const std::vector<Gateway> gateways = [] {
    const std::pair<std::string_view, std::string_view> named[] = {
        {"outbox-cmcc", "中国移动（本地发件箱）"},
        {"outbox-unicom", "中国联通（本地发件箱）"},
        {"outbox-telecom", "中国电信（本地发件箱）"},
    };
    std::vector<Gateway> list;
    for (const auto &[name, description] : named) {
      std::string line(name);
      line.resize(kGatewayNameWidth, ' ');
      list.push_back({name, Utf16(line.append(description))});
    }
    return list;
  }();
  return gateways;
}

std::string GatewayListText() {
  std::u16string text;
  for (const Gateway &g : Gateways()) text.append(g.entry).append(u"\r\n");
  return ToCodePage936(text);
}

const Gateway *FindGateway(std::u16string_view chosen) {
  const std::string name = Utf8(TrimSpaces(chosen.substr(0, kGatewayNameWidth)));
  for (const Gateway &g : Gateways())
    if (name == g.name) return &g;
  return nullptr;
}

std::string GatewayNames() {
  std::string names;
  for (const Gateway &g : Gateways()) names.append(names.empty() ? "" : "、").append(g.name);
  return names;
}

}  // namespace outbox
