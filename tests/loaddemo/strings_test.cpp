// TStrings' Text setter and getter: the line rules of the VCL, on the real controls.
#include <gtest/gtest.h>

#include "form_fixture.h"

namespace {

struct TextCase {
  const char *name;
  std::string text;                // what Text is set to
  std::vector<std::string> lines;  // the entries it gives
  std::string joined;              // what Text reads back
};

const TextCase kTextCases[] = {
    {"LfOnly", "a\nbb\nccc", {"a", "bb", "ccc"}, "a\r\nbb\r\nccc"},
    {"CrOnly", "a\rbb\rccc", {"a", "bb", "ccc"}, "a\r\nbb\r\nccc"},
    {"CrLf", "a\r\nbb\r\n", {"a", "bb"}, "a\r\nbb"},
    {"Mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}, "a\r\nb\r\nc\r\nd"},
    {"LastLineWithoutEnd", "a\r\nlast", {"a", "last"}, "a\r\nlast"},
    {"EmptyLinesBetween",
     "a\r\n\r\n\nb\r\rc",
     {"a", "", "", "b", "", "c"},
     "a\r\n\r\n\r\nb\r\n\r\nc"},
    {"LfCrIsTwoLineEnds", "a\n\rb", {"a", "", "b"}, "a\r\n\r\nb"},
    {"LineEndAtTheVeryEnd", "only\r", {"only"}, "only"},
    {"OnlyALineEnd", "\r\n", {""}, ""},
    {"EmptyText", "", {}, ""},
    {"SpacesKept", "  a  \r\n\t", {"  a  ", "\t"}, "  a  \r\n\t"},
    {"ChineseBytes",
     "\xc4\xe3\xba\xc3\r\n\xd0\xa1\xc3\xf7",
     {"\xc4\xe3\xba\xc3", "\xd0\xa1\xc3\xf7"},
     "\xc4\xe3\xba\xc3\r\n\xd0\xa1\xc3\xf7"},
    // Bytes that are no text keep their entry exact, beside entries that are.
    {"UndecodableLineAmongText",
     "\xc4\xe3\r\nGW\xff\x81\r\nend",
     {"\xc4\xe3", "GW\xff\x81", "end"},
     "\xc4\xe3\r\nGW\xff\x81\r\nend"},
};

void PrintTo(const TextCase &c, std::ostream *os) { *os << c.name; }

class LoaddemoText : public Loaddemo, public ::testing::WithParamInterface<TextCase> {};

TEST_P(LoaddemoText, ComboBoxEntries) {
  const TextCase &c = GetParam();
  TStrings *items = form->cmbGateway->Items();
  items->SetText("left over\r\nfrom before\r\n");
  items->SetText(c.text);
  std::vector<std::string> lines;
  for (int i = 0; i < items->Count(); ++i) lines.push_back(items->Strings(i));
  EXPECT_EQ(lines, c.lines);
  EXPECT_EQ(items->Text(), c.joined);
}

INSTANTIATE_TEST_SUITE_P(Lines, LoaddemoText, ::testing::ValuesIn(kTextCases),
                         [](const auto &info) { return std::string(info.param.name); });

// What the user typed into the memo, read as one text: lines joined by CR LF, a line
// break the user ended with kept.
TEST_F(Loaddemo, MemoTextJoinsItsLinesWithCrLf) {
  const struct {
    QString typed;
    std::string text;
    int lines;
  } cases[] = {
      {"", "", 0},
      {"one", "one", 1},
      {"one\ntwo", "one\r\ntwo", 2},
      {"one\n\nthree\n", "one\r\n\r\nthree\r\n", 4},
      {QString::fromUtf8("你好\n小明"), "\xc4\xe3\xba\xc3\r\n\xd0\xa1\xc3\xf7", 2},
  };
  for (const auto &c : cases) {
    form->edtMessage->setPlainText(c.typed);
    EXPECT_EQ(form->edtMessage->Lines()->Text(), c.text) << c.typed.toStdString();
    EXPECT_EQ(form->edtMessage->Lines()->Count(), c.lines) << c.typed.toStdString();
  }
}

// Setting a memo's text shows its lines; an empty line inside stays.
TEST_F(Loaddemo, MemoTextSetterShowsTheLines) {
  form->edtMessage->Lines()->SetText("a\r\n\rb\n");
  EXPECT_EQ(form->edtMessage->toPlainText(), "a\n\nb");
}

}  // namespace
