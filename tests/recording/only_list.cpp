// A library named "qolvix_sms.dll" that exports GetGatewayList but not SendSms: the
// tests' library with a missing entry point. Its list has one gateway, so that a program
// that refuses to send without one gets as far as looking SendSms up.
#include <cstring>

#include "qolvix_sms.h"
#include "sysstring.h"

extern "C" __attribute__((visibility("default"))) char *QOLVIX_SMS_CALL GetGatewayList() {
  static const char kList[] = "gw1             only a list\r\n";
  return SysAllocStringByteLen(kList, sizeof kList - 1);
}
