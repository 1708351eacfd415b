#include "validation.h"

#include "gateways.h"
#include "text.h"

namespace outbox {
namespace {

// Decodes one field; false, with the reason, when its bytes are not code page 936.
bool Decode(const char *bytes, const char *label, std::u16string &out, std::string &why) {
  const std::string_view text = bytes ? bytes : "";
  Decoded decoded = DecodeCodePage936(text);
  if (decoded.badByte) {
    static const char hex[] = "0123456789ABCDEF";
    const auto b = static_cast<unsigned char>(text[*decoded.badByte]);
    why = std::string(label) + "的第 " + std::to_string(*decoded.badByte + 1) + " 个字节（0x" +
          hex[b >> 4] + hex[b & 15] + "）不是 GBK 编码的文字";
    return false;
  }
  out = std::move(decoded.text);
  return true;
}

bool IsMobileNumber(std::u16string_view number) {
  if (!number.empty() && number.front() == u'+') number.remove_prefix(1);
  if (number.size() < 5 || number.size() > 20) return false;
  for (char16_t c : number)
    if (c < u'0' || c > u'9') return false;
  return true;
}

std::string Quoted(std::u16string_view text) { return "“" + Utf8(text) + "”"; }

}  // namespace

std::optional<Message> CheckMessage(const SendArgs &a, std::string &why) {
  Message m;
  if (!Decode(a.gateway, "网关", m.gateway, why) ||
      !Decode(a.account, "登录账号", m.account, why) ||
      !Decode(a.mobile, "对方手机", m.mobile, why) || !Decode(a.message, "短信内容", m.text, why) ||
      !Decode(a.nickname, "使用昵称", m.nickname, why))
    return std::nullopt;

  if (TrimSpaces(m.gateway).empty())
    why = "没有选择网关（可用的网关：" + GatewayNames() + "）";
  else if (!FindGateway(m.gateway))
    why = "没有网关" + Quoted(m.gateway) + "（可用的网关：" + GatewayNames() + "）";
  else if (TrimSpaces(m.account).empty())
    why = "登录账号为空";
  else if (TrimSpaces(m.mobile).empty())
    why = "对方手机号码为空";
  else if (!IsMobileNumber(TrimSpaces(m.mobile)))
    why = "对方手机号码" + Quoted(m.mobile) + "无效：应为 5 到 20 位数字，可以 + 开头";
  else if (m.text.empty())
    why = "短信内容为空";
  else
    return m;
  return std::nullopt;
}

}  // namespace outbox
