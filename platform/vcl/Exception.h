// The layer's exception class, and the one for text the window cannot hand over as
// 8-bit text.
#pragma once

#include <stdexcept>
#include <string>

#include "AnsiString.h"

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string &utf8Message) : std::runtime_error(utf8Message) {}
  // The message as 8-bit text, for a field of the window; a character that code page 936
  // lacks shows as '?'. what() keeps the whole message in UTF-8.
  AnsiString Message() const;
};

// A field holds a character that code page 936 cannot represent.
class EEncodingError : public Exception {
 public:
  EEncodingError(const QWidget &field, char32_t character);
};
