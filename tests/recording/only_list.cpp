// A library named "qolvix_sms.dll" that exports GetGatewayList but not SendSms: the
// tests' library with a missing entry point.
#include "qolvix_sms.h"

extern "C" __attribute__((visibility("default"))) char *QOLVIX_SMS_CALL GetGatewayList() {
  return nullptr;
}
