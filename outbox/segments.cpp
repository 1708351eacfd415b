#include "segments.h"

namespace outbox {
namespace {

// The GSM 03.38 default alphabet (less its escape code) and its extension table.
constexpr std::u16string_view kGsmBasic =
    u"@£$¥èéùìòÇ\nØø\rÅåΔ_ΦΓΛΩΠΨΣΘΞÆæßÉ !\"#¤%&'()*+,-./0123456789:;<=>?"
    u"¡ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÑÜ§¿abcdefghijklmnopqrstuvwxyzäöñüà";
constexpr std::u16string_view kGsmExtension = u"\f^{}\\[~]|€";

// Septets of one character, 0 when GSM 7-bit cannot hold it.
std::size_t Septets(char16_t c) {
  if (kGsmBasic.find(c) != std::u16string_view::npos) return 1;
  if (kGsmExtension.find(c) != std::u16string_view::npos) return 2;
  return 0;
}

}  // namespace

SmsSize MeasureSms(std::u16string_view text) {
  bool gsm = true;
  for (char16_t c : text) gsm = gsm && Septets(c) > 0;
  if (!gsm)
    return {SmsEncoding::kUcs2, text.size(), text.size() <= 70 ? 1 : (text.size() + 66) / 67};

  // Fill segments of 153 septets, one character at a time, so that none splits a character.
  std::size_t septets = 0, segments = 1, used = 0;
  for (char16_t c : text) {
    const std::size_t width = Septets(c);
    septets += width;
    if (used + width > 153) {
      ++segments;
      used = 0;
    }
    used += width;
  }
  return {SmsEncoding::kGsm7, septets, septets <= 160 ? 1 : segments};
}

const char *EncodingName(SmsEncoding encoding) {
  return encoding == SmsEncoding::kGsm7 ? "GSM-7" : "UCS-2";
}

}  // namespace outbox
