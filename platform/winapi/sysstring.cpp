#include "sysstring.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace {
constexpr std::size_t kCountSize = sizeof(std::uint32_t);
}

BSTR SysAllocStringByteLen(const char *bytes, std::uint32_t len) {
  if (len > std::numeric_limits<std::uint32_t>::max() - kCountSize - 1) return nullptr;
  auto *block = static_cast<char *>(std::malloc(kCountSize + len + 1));
  if (!block) return nullptr;
  std::memcpy(block, &len, kCountSize);
  char *text = block + kCountSize;
  if (bytes)
    std::memcpy(text, bytes, len);
  else
    std::memset(text, 0, len);
  text[len] = '\0';
  return text;
}

std::uint32_t SysStringByteLen(BSTR s) {
  if (!s) return 0;
  std::uint32_t len;
  std::memcpy(&len, s - kCountSize, kCountSize);
  return len;
}

void SysFreeString(BSTR s) {
  if (s) std::free(s - kCountSize);
}
