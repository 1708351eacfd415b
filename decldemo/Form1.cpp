#include "Form1.h"

#include "Module1.h"
#include "codepage.h"
#include "vbforms/ansi_text.h"
#include "vbforms/text_functions.h"

using vbforms::Left;
using vbforms::Len;
using vbforms::Split;
using vbforms::Trim;

namespace {

// SendSms's arguments as the window's labels name them, in the order of the call (the
// reserved last one has no field of its own).
constexpr const char *kSendSmsFields[] = {"网关",     "登录账号", "登录密码", "对方手机",
                                          "短信内容", "使用昵称", "保留"};

QString UnsendableMessage(const vbforms::UnencodableArgument &e) {
  const char32_t c = e.character();
  const bool printable = c < 0xD800 || c > 0xDFFF;  // a lone surrogate shows nothing
  return QString("无法发送：%1中的字符 %2%3 不能用 GBK（代码页 936）表示，短信未发送。")
      .arg(QString::fromUtf8(kSendSmsFields[e.argument()]),
           printable ? QString("“%1” ").arg(QString::fromUcs4(&c, 1)) : QString(),
           QString::fromStdString(CodePointName(c)));
}

}  // namespace

Form1::Form1(QWidget *parent) : vbforms::Form(parent) {
  setupUi(this);
  cmdRefresh->OnClick([this] { cmdRefresh_Click(); });
  cmdSend->OnClick([this] { cmdSend_Click(); });
}

// Refresh: the library's gateway list becomes the entries of cmbGateway. Every entry is a
// line ended by CR LF, so the last piece (what follows the final CR LF) is never added.
void Form1::cmdRefresh_Click() {
  const QString list = GetGatewayList();
  const QStringList pieces = Split(list, "\r\n");
  cmbGateway->Clear();
  for (qsizetype i = 0; i + 1 < pieces.size(); ++i) cmbGateway->AddItem(pieces[i]);
  cmbGateway->SetText(cmbGateway->List(0));  // selects the first entry; none if there is none
}

// Send: the gateway is the first 16 characters of the chosen entry (its name; a description
// follows); all fields but the message are trimmed. Nothing is sent while gateway, account,
// phone or message is empty.
void Form1::cmdSend_Click() {
  const QString gateway = Trim(Left(cmbGateway->Text(), 16));
  const QString account = Trim(txtUserName->Text());
  const QString password = Trim(txtPassword->Text());
  const QString phone = Trim(txtPhone->Text());
  const QString message = edtSms->Text();
  const QString nickname = Trim(txtNickName->Text());
  const QString reserved = "";

  if (Len(gateway) == 0 || Len(account) == 0 || Len(phone) == 0 || Len(message) == 0) return;

  lblError->SetCaption("");
  try {
    lblError->SetCaption(SendSms(gateway, account, password, phone, message, nickname, reserved));
  } catch (const vbforms::UnencodableArgument &e) {
    // Code page 936 cannot hold every character (an emoji, say). Rather than let "?" reach
    // the phone in its place, the declared call refused before anything was called.
    lblError->SetCaption(UnsendableMessage(e));
  }
}
