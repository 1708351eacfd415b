#include "vbforms/ansi_text.h"

namespace vbforms {
namespace {

std::u16string_view Utf16(const QString &text) {
  return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}

}  // namespace

std::string ToAnsiArgument(const QString &text, std::size_t argument) {
  try {
    return ToCodePage936(Utf16(text));
  } catch (const UnencodableCharacter &e) {
    throw UnencodableArgument(argument, e);
  }
}

QString FromAnsi(std::string_view bytes) {
  return QString::fromStdU16String(FromCodePage936(bytes));
}

QString TakeOverResult(BSTR result) {
  const SysString owned(result);
  return FromAnsi(SysStringBytes(owned.get()));
}

}  // namespace vbforms
