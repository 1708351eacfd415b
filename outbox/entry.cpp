// The two entry points of the bundled "qolvix_sms.dll". Both answer with a counted system
// string, which a caller may take over and free, or copy. Nothing escapes them.
#include "gateways.h"
#include "qolvix_sms.h"
#include "send.h"
#include "sysstring.h"

namespace {

BSTR Counted(const std::string &bytes) {
  return SysAllocStringByteLen(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

}  // namespace

extern "C" __attribute__((visibility("default"))) char *QOLVIX_SMS_CALL GetGatewayList() {
  try {
    return Counted(outbox::GatewayListText());
  } catch (...) {
    return nullptr;  // read as the empty list
  }
}

extern "C" __attribute__((visibility("default"))) char *QOLVIX_SMS_CALL
SendSms(const char *gateway, const char *account, const char *password, const char *mobile,
        const char *message, const char *nickname, const char *reserved) {
  try {
    return Counted(outbox::Send({gateway, account, password, mobile, message, nickname, reserved}));
  } catch (...) {
    // Out of memory, or a conversion that failed: "短信库内部错误" in code page 936.
    static const char kInternalError[] = "\xB6\xCC\xD0\xC5\xBF\xE2\xC4\xDA\xB2\xBF\xB4\xED\xCE\xF3";
    return SysAllocStringByteLen(kInternalError, sizeof kInternalError - 1);
  }
}
