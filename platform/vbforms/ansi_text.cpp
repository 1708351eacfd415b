#include "vbforms/ansi_text.h"

#include "codepage.h"

namespace vbforms {
namespace {

std::u16string_view Utf16(const QString &text) {
  return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}

}  // namespace

std::string ToAnsi(const QString &text) { return ToCodePage936(Utf16(text)); }

QString FromAnsi(std::string_view bytes) {
  return QString::fromStdU16String(FromCodePage936(bytes));
}

QString TakeOverResult(BSTR result) {
  const SysString owned(result);
  return FromAnsi(SysStringBytes(owned.get()));
}

std::optional<char32_t> FirstUnencodable(const QString &text) {
  try {
    ToCodePage936(Utf16(text));
  } catch (const UnencodableCharacter &e) {
    return e.character();
  }
  return std::nullopt;
}

}  // namespace vbforms
