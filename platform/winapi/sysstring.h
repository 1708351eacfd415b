// Counted system strings: the 8-bit replies of the SMS library.
// One malloc block: a 32-bit byte count, the bytes, a NUL. The handed-over pointer
// points at the first byte. A null pointer is the empty text.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

using BSTR = char *;

// Copies len bytes (or, with bytes null, len zero bytes) into a new counted string.
// Returns nullptr when out of memory or when len does not fit the count.
BSTR SysAllocStringByteLen(const char *bytes, std::uint32_t len);

// The byte count; 0 for a null pointer.
std::uint32_t SysStringByteLen(BSTR s);

// Frees a counted string; a null pointer does nothing.
void SysFreeString(BSTR s);

// The bytes of a counted string, as its count gives them (NULs included).
inline std::string_view SysStringBytes(BSTR s) { return {s ? s : "", SysStringByteLen(s)}; }

struct SysFreeStringDeleter {
  void operator()(char *s) const { SysFreeString(s); }
};
// Owns a counted string taken over from a library.
using SysString = std::unique_ptr<char, SysFreeStringDeleter>;
