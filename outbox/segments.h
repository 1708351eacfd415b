// How many SMS a message takes.
#pragma once

#include <cstddef>
#include <string_view>

namespace outbox {

enum class SmsEncoding { kGsm7, kUcs2 };

struct SmsSize {
  SmsEncoding encoding;
  std::size_t units;     // septets for GSM 7-bit, UTF-16 units for UCS-2
  std::size_t segments;  // SMS it is sent as; an empty text still takes one
};

// GSM 7-bit when every character is in the GSM default alphabet or its extension table (an
// extension character takes two septets): 160 septets fit one SMS, and a longer text goes
// in segments of 153, none of which ends inside an extension character. Otherwise UCS-2:
// 70 UTF-16 units fit one SMS, and segments hold 67.
SmsSize MeasureSms(std::u16string_view text);

// "GSM-7" or "UCS-2".
const char *EncodingName(SmsEncoding encoding);

}  // namespace outbox
