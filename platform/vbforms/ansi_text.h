// Conversion between the forms' wide text and the 8-bit text (code page 936) of library
// calls.
#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

#include "codepage.h"
#include "sysstring.h"

namespace vbforms {

// Thrown by a declared call, before anything is bound or called, when one of its arguments
// holds a character that code page 936 cannot represent.
class UnencodableArgument : public UnencodableCharacter {
 public:
  UnencodableArgument(std::size_t argument, const UnencodableCharacter &cause)
      : UnencodableCharacter(cause), argument_(argument) {}
  // 0-based position of the argument in the call.
  std::size_t argument() const { return argument_; }

 private:
  std::size_t argument_;
};

// Argument number `argument` of a call as code page 936 bytes. Throws UnencodableArgument
// for a character the code page cannot represent; nothing is ever replaced by "?".
std::string ToAnsiArgument(const QString &text, std::size_t argument);

// Code page 936 bytes as wide text; bytes that are not valid code page 936 become U+FFFD.
QString FromAnsi(std::string_view bytes);

// Takes a library's result over: converts as many bytes as its count gives, then releases
// it. A null result is the empty text.
QString TakeOverResult(BSTR result);

}  // namespace vbforms
