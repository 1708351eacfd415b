// The send command: the seven arguments exactly as the library received them, and the
// reply in txtResult.
#include <gtest/gtest.h>

#include <optional>

#include "form_fixture.h"
#include "proc_maps.h"
#include "qolvix_sms.h"

namespace {

struct SendCase {
  const char *name;
  std::optional<std::string> list;  // refreshed first when set
  int selected;                     // the entry selected before the send (-1: none)
  QString account, password, phone, nickname, message;
  // gateway, account, password, phone, message, nickname, reserved
  std::vector<std::string> arguments;
};

const std::string kLongEntry =
    "LONGGATEWAY     " + std::string(400, 'x') + "\xb3\xa4\xb3\xa4" + std::string(400, ' ') + "end";

const SendCase kSendCases[] = {
    {"SpacesReachTheLibrary",
     "  gw1  \r\n",
     0,
     " a ",
     " p ",
     " 138 ",
     " n ",
     "  m  ",
     {"  gw1  ", " a ", " p ", " 138 ", "  m  ", " n ", ""}},
    {"TheWholeEntryHoweverLong",
     "short\r\n" + kLongEntry + "\r\n",
     1,
     "a",
     "p",
     "1",
     "n",
     "m",
     {kLongEntry, "a", "p", "1", "m", "n", ""}},
    {"NoListNoGateway",
     std::nullopt,
     -1,
     "a",
     "p",
     "1",
     "n",
     "m",
     {"", "a", "p", "1", "m", "n", ""}},
    {"NothingSelectedNoGateway",
     "gw1\r\n",
     -1,
     "a",
     "p",
     "1",
     "n",
     "m",
     {"", "a", "p", "1", "m", "n", ""}},
    {"EmptyFieldsAreSent", "gw1\r\n", 0, "", "", "", "", "", {"gw1", "", "", "", "", "", ""}},
    {"OnlySpacesAreSent",
     "gw1\r\n",
     0,
     "   ",
     " ",
     "  ",
     " ",
     "    ",
     {"gw1", "   ", " ", "  ", "    ", " ", ""}},
    {"MessageLinesJoinedByCrLf",
     "gw1\r\n",
     0,
     "a",
     "p",
     "1",
     "n",
     QString::fromUtf8("第一行\nline 2\n\nend\n"),
     {"gw1", "a", "p", "1", "\xb5\xda\xd2\xbb\xd0\xd0\r\nline 2\r\n\r\nend\r\n", "n", ""}},
    {"ChineseAsCodePage936",
     "\xb2\xe2\xca\xd4\r\n",
     0,
     QString::fromUtf8("用户"),
     QString::fromUtf8("ü€"),
     QString::fromUtf8("①"),
     QString::fromUtf8("小明"),
     QString::fromUtf8("你好"),
     {"\xb2\xe2\xca\xd4", "\xd3\xc3\xbb\xa7", "\xa8\xb9\x80", "\xa2\xd9", "\xc4\xe3\xba\xc3",
      "\xd0\xa1\xc3\xf7", ""}},
    // Bytes that are no code page 936 text go back exactly as the library gave them.
    {"EntryBytesGoBackUnchanged",
     "GW\xff\x81 \x80\xa1\r\n",
     0,
     "a",
     "p",
     "1",
     "n",
     "m",
     {"GW\xff\x81 \x80\xa1", "a", "p", "1", "m", "n", ""}},
};

void PrintTo(const SendCase &c, std::ostream *os) { *os << c.name; }

class LoaddemoSend : public Loaddemo, public ::testing::WithParamInterface<SendCase> {};

TEST_P(LoaddemoSend, ArgumentsArriveAsTyped) {
  const SendCase &c = GetParam();
  if (c.list) {
    recorder.SetListReply(*c.list);
    form->cmdRefresh->click();
  }
  form->cmbGateway->setCurrentIndex(c.selected);
  FillFields(c.account, c.password, c.phone, c.nickname, c.message);
  recorder.SetSendReply("OK");
  form->cmdSend->click();

  const auto calls = recorder.Calls();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back().entry, "SendSms");
  EXPECT_EQ(calls.back().args, c.arguments);
  EXPECT_EQ(form->txtResult->text(), "OK");
  EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Fields, LoaddemoSend, ::testing::ValuesIn(kSendCases),
                         [](const auto &info) { return std::string(info.param.name); });

// Each reply replaces the one before, shown as the library's text.
TEST_F(Loaddemo, EachReplyReplacesTheLastInTxtResult) {
  const struct {
    const char *name;
    std::optional<std::string> reply;  // nullopt: a null pointer
    bool fromStaticBuffer;
    QString shown;
  } cases[] = {
      {"Chinese", "\xb7\xa2\xcb\xcd\xb3\xc9\xb9\xa6", false, QString::fromUtf8("发送成功")},
      {"SecondReply", "second", false, "second"},
      {"NullIsEmpty", std::nullopt, false, ""},
      {"UndecodableBytes", "ok\xff!", false, QString::fromUtf8("ok\uFFFD!")},
      {"Long", std::string(40000, 'r'), false, QString(40000, 'r')},
      {"StaticBuffer", "\xc4\xe3\xba\xc3 static", true, QString::fromUtf8("你好 static")},
  };
  form->txtResult->setText("before");
  for (const auto &c : cases) {
    if (c.fromStaticBuffer) recorder.UseStaticBuffer("SendSms");  // from here on
    if (c.reply)
      recorder.SetSendReply(*c.reply);
    else
      recorder.NullSendReply();
    form->cmdSend->click();
    EXPECT_EQ(form->txtResult->text(), c.shown) << c.name;
  }
  EXPECT_EQ(recorder.Calls().size(), std::size(cases));
  EXPECT_TRUE(messages.empty());
}

// A character code page 936 cannot represent stops the send before the call, says which
// field and which character, and leaves the fields as they were.
TEST_F(Loaddemo, UnencodableCharacterStopsTheSend) {
  const struct {
    TEdit *TForm1::*edit;  // null: the memo
    const char *field;
    QString text;
    const char *character;
  } cases[] = {
      {&TForm1::txtNickName, "txtNickName", QString::fromUtf8("nick😀"), "U+1F600"},
      {nullptr, "edtMessage", QString::fromUtf8("你好\n한국"), "U+D55C"},
      {&TForm1::txtPhone, "txtPhone", QString::fromUtf8("138ก"), "U+0E01"},
      {&TForm1::txtPassword, "txtPassword", QString::fromUtf8("\U0001F511"), "U+1F511"},
      {&TForm1::txtUserName, "txtUserName", QString::fromUtf8("한"), "U+D55C"},
  };
  recorder.SetListReply("gw1\r\n");
  form->cmdRefresh->click();
  recorder.SetSendReply("sent");
  for (const auto &c : cases) {
    FillFields("a", "p", "1", "n", "m");
    if (c.edit)
      ((*form).*c.edit)->setText(c.text);
    else
      form->edtMessage->setPlainText(c.text);
    const WindowState before = State();

    form->cmdSend->click();

    const QString shown = form->txtResult->text();
    EXPECT_TRUE(shown.contains(c.field)) << shown.toStdString();
    EXPECT_TRUE(shown.contains(c.character)) << shown.toStdString();
    WindowState after = State();
    after.result = before.result;
    EXPECT_EQ(after, before) << c.field;
    EXPECT_FALSE(IsFileMapped(QOLVIX_SMS_LIBRARY_FILE)) << c.field;
  }
  EXPECT_EQ(recorder.Calls().size(), 1u) << "only the refresh reached the library";
  EXPECT_TRUE(messages.empty());
}

}  // namespace
