#include "codepage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CodePage936, EncodesAndDecodesByteForByte) {
  struct Case {
    std::u16string text;
    std::string bytes;
  } cases[] = {
      {u"", ""},
      {u"Hello, 123", "Hello, 123"},
      {u"短信", "\xb6\xcc\xd0\xc5"},
      {u"ＡＢ１", "\xa3\xc1\xa3\xc2\xa3\xb1"},  // full-width forms
      {u"\u3000", "\xa1\xa1"},                  // ideographic space
      {u"第一行\r\n第二行", "\xb5\xda\xd2\xbb\xd0\xd0\r\n\xb5\xda\xb6\xfe\xd0\xd0"},
      {u"《Quenlo短信》", "\xa1\xb6Quenlo\xb6\xcc\xd0\xc5\xa1\xb7"},
      // a character across the boundary of the pieces the decoder reads
      {std::u16string(65535, u'a') + u"短", std::string(65535, 'a') + "\xb6\xcc"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(ToCodePage936(c.text), c.bytes);
    EXPECT_EQ(FromCodePage936(c.bytes), c.text);
  }
}

TEST(CodePage936, RefusesWhatItCannotHoldAndSaysWhichAndWhere) {
  struct Case {
    std::u16string text;
    char32_t character;
    std::size_t position;
  } cases[] = {
      {u"ab😀cd", U'\U0001F600', 2},
      {u"😀😀短x\U0001F4F1", U'\U0001F600', 0},
      {u"短信\U0001F4F1", U'\U0001F4F1', 2},
      {u"x\xD83D", 0xD83D, 1},   // a high surrogate that ends the text
      {u"\xDC00y", 0xDC00, 0},   // a lone low surrogate
      {u"ok\u0E01", 0x0E01, 2},  // Thai
  };
  for (const Case &c : cases) {
    try {
      ToCodePage936(c.text);
      ADD_FAILURE() << "no failure for " << CodePointName(c.character);
    } catch (const UnencodableCharacter &e) {
      EXPECT_EQ(e.character(), c.character);
      EXPECT_EQ(e.position(), c.position);
      EXPECT_NE(std::string(e.what()).find(CodePointName(c.character)), std::string::npos);
    }
  }
}

TEST(CodePage936, InvalidBytesDecodeAsReplacementCharacters) {
  struct Case {
    std::string bytes;
    std::u16string text;
  } cases[] = {
      {"\xff", u"\uFFFD"},
      {"A\x81", u"A\uFFFD"},  // a lead byte that ends the text
      {"\x81\x7f"
       "B",
       u"\uFFFD\x7f"
       "B"},                                    // a lead byte with an invalid trail byte
      {"\xb6\xcc\xff\xd0\xc5", u"短\uFFFD信"},  // decoding goes on after the bad byte
      {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(FromCodePage936(c.bytes), c.text);
  }
}

TEST(CodePage936, ConvertsTenMegabytes) {
  std::u16string text;
  for (int i = 0; i < 1 << 20; ++i) text += u"短信 text\r\n";  // 11 bytes each
  const std::string bytes = ToCodePage936(text);
  EXPECT_EQ(bytes.size(), (1u << 20) * 11);
  EXPECT_EQ(FromCodePage936(bytes), text);

  std::string invalid(10 << 20, '\xff');
  EXPECT_EQ(FromCodePage936(invalid), std::u16string(10 << 20, u'\uFFFD'));
}

}  // namespace
