#include "sysstring.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(SysString, HoldsTheBytesTheirCountAndANul) {
  const std::string cases[] = {"", "abc", std::string("a\0b", 3), "\xb6\xcc\xd0\xc5",
                               std::string(1 << 20, 'x')};
  for (const std::string &bytes : cases) {
    SysString s(SysAllocStringByteLen(bytes.data(), static_cast<std::uint32_t>(bytes.size())));
    ASSERT_TRUE(s);
    EXPECT_EQ(SysStringByteLen(s.get()), bytes.size());
    EXPECT_EQ(SysStringBytes(s.get()), bytes);
    EXPECT_EQ(s.get()[bytes.size()], '\0');
    // The count stands in the four bytes before the first character.
    std::uint32_t count;
    std::memcpy(&count, s.get() - 4, 4);
    EXPECT_EQ(count, bytes.size());
  }
}

TEST(SysString, NullIsTheEmptyText) {
  EXPECT_EQ(SysStringByteLen(nullptr), 0u);
  EXPECT_EQ(SysStringBytes(nullptr), "");
  SysFreeString(nullptr);  // must do nothing

  SysString zeros(SysAllocStringByteLen(nullptr, 3));
  ASSERT_TRUE(zeros);
  EXPECT_EQ(SysStringBytes(zeros.get()), std::string(3, '\0'));
}

TEST(SysString, RefusesACountThatDoesNotFit) {
  EXPECT_EQ(SysAllocStringByteLen(nullptr, 0xFFFFFFFFu), nullptr);
}

}  // namespace
