// A counted system string made from arbitrary bytes (NULs included): its count and bytes
// read back as given and a NUL follows them. Taken over as decldemo takes a reply, it gives
// the decoding of exactly its counted bytes (not only those before a NUL) and is freed
// exactly once (AddressSanitizer and LeakSanitizer watch both).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "check.h"
#include "sysstring.h"
#ifdef QOLVIX_FUZZ_TAKE_OVER
#include "vbforms/ansi_text.h"
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char *>(data), size);
  SysString s(SysAllocStringByteLen(bytes.data(), static_cast<std::uint32_t>(bytes.size())));
  FUZZ_CHECK(s != nullptr);
  FUZZ_CHECK(SysStringByteLen(s.get()) == size);
  FUZZ_CHECK(SysStringBytes(s.get()) == bytes);
  FUZZ_CHECK(s.get()[size] == '\0');
  std::uint32_t count = 0;
  std::memcpy(&count, s.get() - sizeof count, sizeof count);
  FUZZ_CHECK(count == size);

#ifdef QOLVIX_FUZZ_TAKE_OVER
  const QString text = vbforms::TakeOverResult(s.release());
  FUZZ_CHECK(text.size() <= static_cast<qsizetype>(size));
  FUZZ_CHECK(text == vbforms::FromAnsi(bytes));
#endif
  return 0;
}
