// The send command: what the library receives, byte for byte, and what lblError shows.
#include <cctype>
#include <functional>

#include "form_fixture.h"
#include "hex.h"

namespace {

const std::string kSent = Hex("d2d1b7a2cbcd");          // 已发送
const std::string kOldReply = Hex("bec9b5c4bbd8b8b4");  // 旧的回复

struct SendCase {
  const char *name;
  std::string entry;  // the gateway entry as the list gives it (CR LF follows)
  QString account, password, phone, message, nickname;
  std::vector<std::string> received;  // the seven arguments as the library received them
};

void PrintTo(const SendCase &c, std::ostream *os) { *os << c.name; }

class Send : public FormTest, public ::testing::WithParamInterface<SendCase> {};

TEST_P(Send, PassesTheSevenTextsAsCodePage936Bytes) {
  const SendCase &c = GetParam();
  Refresh(c.entry + "\r\n");
  txtUserName->setText(c.account);
  txtPassword->setText(c.password);
  txtPhone->setText(c.phone);
  edtSms->setPlainText(c.message);
  txtNickName->setText(c.nickname);
  recorder.SetSendReply(kSent);

  QTest::mouseClick(cmdSend, Qt::LeftButton);

  const auto calls = CallsOf("SendSms");
  ASSERT_EQ(calls.size(), 1u) << reports.messages().join("\n").toStdString();
  EXPECT_EQ(calls[0].args, c.received);
  EXPECT_EQ(lblError->text(), "已发送");
  EXPECT_TRUE(reports.messages().isEmpty()) << reports.messages().join("\n").toStdString();
}

const std::string kGw01Entry =
    "GW01            " + Hex("d6d0b9fad2c6b6afcdf8b9d8");  // 中国移动网关

INSTANTIATE_TEST_SUITE_P(
    Cases, Send,
    ::testing::Values(
        SendCase{"a padded gateway name followed by a description sends only the name",
                 kGw01Entry,
                 "demo",
                 "secret",
                 "13800138000",
                 "hello",
                 "nick",
                 {"GW01", "demo", "secret", "13800138000", "hello", "nick", ""}},
        SendCase{
            "a Chinese character counts as one of the 16",
            Hex("d2c6b6afd2bbbac5cdf8b9d8") + "ABCDEFGHIJ" + Hex("c3e8caf6"),  // 移动一号网关…描述
            "demo",
            "",
            "13800138000",
            "hi",
            "",
            {Hex("d2c6b6afd2bbbac5cdf8b9d8") + "ABCDEFGHIJ", "demo", "", "13800138000", "hi", "",
             ""}},
        SendCase{"spaces around fields are trimmed, the message's never",
                 "  GW01 ",
                 "  demo ",
                 " secret  ",
                 " 13800138000 ",
                 "  hi there  ",
                 " nick ",
                 {"GW01", "demo", "secret", "13800138000", "  hi there  ", "nick", ""}},
        SendCase{
            "full-width spaces are trimmed like spaces, except in the message",
            kGw01Entry,
            "\u3000demo\u3000",
            "secret",
            "\u300013800138000",
            "\u3000hi",
            "\u3000小明",
            {"GW01", "demo", "secret", "13800138000", Hex("a1a1") + "hi", Hex("d0a1c3f7"), ""}},
        SendCase{"a message of only spaces is sent as it is",
                 kGw01Entry,
                 "demo",
                 "secret",
                 "13800138000",
                 "   ",
                 "nick",
                 {"GW01", "demo", "secret", "13800138000", "   ", "nick", ""}},
        SendCase{"empty password and nickname arrive as empty texts",
                 kGw01Entry,
                 "demo",
                 "   ",
                 "13800138000",
                 "hello",
                 "",
                 {"GW01", "demo", "", "13800138000", "hello", "", ""}},
        SendCase{
            "a multi-line message arrives with CR LF",
            kGw01Entry,
            "demo",
            "secret",
            "13800138000",
            "line 1\nline 2\n\nline 4",
            "",
            {"GW01", "demo", "secret", "13800138000", "line 1\r\nline 2\r\n\r\nline 4", "", ""}},
        SendCase{"Chinese text arrives as its code page 936 bytes",
                 kGw01Entry,
                 "demo",
                 "secret",
                 "13800138000",
                 "你好，世界",
                 "小明",
                 {"GW01", "demo", "secret", "13800138000", Hex("c4e3bac3a3accac0bde7"),
                  Hex("d0a1c3f7"), ""}}),
    [](const auto &info) {
      std::string name;
      for (const char *p = info.param.name; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
      return name;
    });

// Fills in a send that the library accepts, answering with kOldReply.
class SendAfterAReply : public FormTest {
 protected:
  SendAfterAReply() {
    Refresh(kGw01Entry + "\r\n");
    txtUserName->setText("demo");
    txtPassword->setText("secret");
    txtPhone->setText("13800138000");
    edtSms->setPlainText("hello");
    txtNickName->setText("nick");
    recorder.SetSendReply(kOldReply);
    QTest::mouseClick(cmdSend, Qt::LeftButton);
    recorder.SetSendReply(kSent);
  }
};

TEST_F(SendAfterAReply, ARequiredFieldEmptyAfterTrimmingSendsNothingAndChangesNothing) {
  ASSERT_EQ(CallsOf("SendSms").size(), 1u);
  ASSERT_EQ(lblError->text(), "旧的回复");
  const struct {
    const char *name;
    std::function<void()> empty;
    std::function<void()> restore;
  } cases[] = {
      {"account of only spaces", [&] { txtUserName->setText("   "); },
       [&] { txtUserName->setText("demo"); }},
      {"account of only full-width spaces", [&] { txtUserName->setText("\u3000\u3000"); },
       [&] { txtUserName->setText("demo"); }},
      {"empty phone", [&] { txtPhone->setText(""); }, [&] { txtPhone->setText("13800138000"); }},
      {"empty message", [&] { edtSms->setPlainText(""); }, [&] { edtSms->setPlainText("hello"); }},
      {"gateway entry of only spaces",
       [&] {
         Refresh(
             "                "
             "desc\r\n");
       },
       [&] { Refresh(kGw01Entry + "\r\n"); }},
      {"no gateway entry at all", [&] { Refresh(""); }, [&] { Refresh(kGw01Entry + "\r\n"); }},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    c.empty();
    const QString gateway = cmbGateway->Text();
    QTest::mouseClick(cmdSend, Qt::LeftButton);
    EXPECT_EQ(CallsOf("SendSms").size(), 1u);
    EXPECT_EQ(lblError->text(), "旧的回复");
    EXPECT_EQ(cmbGateway->Text(), gateway);
    c.restore();
  }
  // The filled-in form still sends: the refusals above were the empty fields'.
  QTest::mouseClick(cmdSend, Qt::LeftButton);
  EXPECT_EQ(CallsOf("SendSms").size(), 2u);
  EXPECT_EQ(lblError->text(), "已发送");
  EXPECT_TRUE(reports.messages().isEmpty()) << reports.messages().join("\n").toStdString();
}

TEST_F(SendAfterAReply, ACharacterCodePage936CannotHoldIsNamedWithItsFieldAndNothingIsSent) {
  const QString emoji = QString::fromUcs4(U"\U0001F600");
  const struct {
    const char *field;
    std::function<void()> put;
    std::function<void()> restore;
    const char *character;
  } cases[] = {
      {"登录账号", [&] { txtUserName->setText("demo" + emoji); },
       [&] { txtUserName->setText("demo"); }, "U+1F600"},
      {"登录密码", [&] { txtPassword->setText(emoji); }, [&] { txtPassword->setText("secret"); },
       "U+1F600"},
      {"对方手机", [&] { txtPhone->setText("138" + emoji); },
       [&] { txtPhone->setText("13800138000"); }, "U+1F600"},
      {"短信内容", [&] { edtSms->setPlainText("你好" + emoji); },
       [&] { edtSms->setPlainText("hello"); }, "U+1F600"},
      {"短信内容", [&] { edtSms->setPlainText(QString("a") + QChar(0xD83D) + "b"); },
       [&] { edtSms->setPlainText("hello"); }, "U+D83D"},
      {"使用昵称", [&] { txtNickName->setText(emoji); }, [&] { txtNickName->setText("nick"); },
       "U+1F600"},
      {"网关", [&] { Refresh("GW\xff\r\n"); }, [&] { Refresh(kGw01Entry + "\r\n"); }, "U+FFFD"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.field);
    c.put();
    QTest::mouseClick(cmdSend, Qt::LeftButton);
    EXPECT_EQ(CallsOf("SendSms").size(), 1u);
    EXPECT_TRUE(lblError->text().contains(QString::fromUtf8(c.field)))
        << lblError->text().toStdString();
    EXPECT_TRUE(lblError->text().contains(c.character)) << lblError->text().toStdString();
    c.restore();
  }
  EXPECT_TRUE(reports.messages().isEmpty()) << reports.messages().join("\n").toStdString();
}

TEST_F(SendAfterAReply, TheReplyIsShownAsTheLibraryGaveIt) {
  const struct {
    const char *name;
    std::function<void()> answer;
    QString shown;
  } cases[] = {
      {"Chinese reply", [&] { recorder.SetSendReply(Hex("b7a2cbcdb3c9b9a6")); }, "发送成功"},
      {"null reply", [&] { recorder.NullSendReply(); }, ""},
      {"bytes that are not code page 936", [&] { recorder.SetSendReply("ok\xff"); },
       QString("ok") + QChar(0xFFFD)},
      {"markup stays text", [&] { recorder.SetSendReply("<b>ok</b>"); }, "<b>ok</b>"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    c.answer();
    QTest::mouseClick(cmdSend, Qt::LeftButton);
    EXPECT_EQ(lblError->text(), c.shown);
  }
  EXPECT_EQ(lblError->textFormat(), Qt::PlainText);
  EXPECT_EQ(CallsOf("SendSms").size(), 5u);
}

// As a person enters it: keys, Enter and Shift+Enter for new lines, Chinese through the
// input method.
TEST_F(FormTest, TypedTextArrivesAsTyped) {
  Refresh(kGw01Entry + "\r\n");
  QTest::keyClicks(txtUserName, " demo");
  QTest::keyClicks(txtPassword, "secret");
  QTest::keyClicks(txtPhone, "13800138000 ");
  CommitText(edtSms, "第一行");
  QTest::keyClick(edtSms, Qt::Key_Return);
  QTest::keyClicks(edtSms, "line 2");
  QTest::keyClick(edtSms, Qt::Key_Return, Qt::ShiftModifier);
  CommitText(edtSms, "第三行");
  CommitText(txtNickName, "小明");
  recorder.SetSendReply(kSent);

  QTest::mouseClick(cmdSend, Qt::LeftButton);

  const auto calls = CallsOf("SendSms");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].args,
            (std::vector<std::string>{"GW01", "demo", "secret", "13800138000",
                                      Hex("b5dad2bbd0d0") + "\r\nline 2\r\n" + Hex("b5dac8fdd0d0"),
                                      Hex("d0a1c3f7"), ""}));
  EXPECT_EQ(lblError->text(), "已发送");
}

}  // namespace
