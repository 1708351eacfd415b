// The runtime's text functions, as the commands rely on them.
#include "vbforms/text_functions.h"

#include <gtest/gtest.h>

namespace {

using vbforms::Left;
using vbforms::Len;
using vbforms::Split;
using vbforms::Trim;

const QString kEmoji = QString::fromUcs4(U"\U0001F600");

TEST(Split, CutsAtEveryExactOccurrence) {
  const struct {
    QString text, separator;
    QStringList pieces;
  } cases[] = {
      {"", "\r\n", {}},
      {"a", "\r\n", {"a"}},
      {"a\r\nb\r\n", "\r\n", {"a", "b", ""}},
      {"\r\n", "\r\n", {"", ""}},
      {"a\r\r\nb\n", "\r\n", {"a\r", "b\n"}},
      {"aXbxc", "x", {"aXb", "c"}},
      {"abc", "", {"abc"}},
  };
  for (const auto &c : cases)
    EXPECT_EQ(Split(c.text, c.separator), c.pieces) << c.text.toStdString();
}

TEST(Left, CountsCharactersNotBytesOrHalves) {
  const struct {
    QString text;
    int count;
    QString left;
  } cases[] = {
      {"GW01            desc", 16, "GW01            "},
      {"ab", 16, "ab"},
      {"移动一号网关ABCDEFGHIJ描述", 16, "移动一号网关ABCDEFGHIJ"},
      {kEmoji + "ab", 1, kEmoji},
      {"abc", 0, ""},
  };
  for (const auto &c : cases) EXPECT_EQ(Left(c.text, c.count), c.left) << c.text.toStdString();
}

TEST(Trim, RemovesSpacesAndFullWidthSpacesAtBothEndsOnly) {
  const struct {
    QString text, trimmed;
  } cases[] = {
      {"  a b  ", "a b"}, {"   ", ""}, {"\u3000账号\u3000 ", "账号"}, {"\ta\n", "\ta\n"}, {"", ""},
  };
  for (const auto &c : cases) EXPECT_EQ(Trim(c.text), c.trimmed) << c.text.toStdString();
}

TEST(Len, CountsCharacters) {
  EXPECT_EQ(Len(""), 0);
  EXPECT_EQ(Len("abc"), 3);
  EXPECT_EQ(Len("你好"), 2);
  EXPECT_EQ(Len(kEmoji + "a"), 2);
  EXPECT_EQ(Len(QString(QChar(0xD83D))), 1);  // a lone surrogate still counts
}

}  // namespace
