// The two commands load qolvix_sms.dll by its bare name, resolve the one entry point
// they need, call it, copy the text it returns and unload the library again: nothing
// of the library stays between commands.
#include "Unit1.h"

#include "dynlib.h"
#include "qolvix_sms.h"

TForm1 *Form1 = nullptr;

TForm1::TForm1(QWidget *parent) : TForm(parent) { setupUi(this); }

// A failed load or lookup throws: the button shows the message, the window stays as it
// was, and the library, if loaded, is unloaded as the handle goes.
void TForm1::cmdRefreshClick(TObject * /*Sender*/) {
  ModuleHandle library(LoadLibraryA(QOLVIX_SMS_LIBRARY_FILE));
  if (!library) throw Exception(LastLibraryError());
  auto GetGatewayList = reinterpret_cast<GetGatewayListFn>(
      GetProcAddress(library.get(), QOLVIX_SMS_GET_GATEWAY_LIST));
  if (!GetGatewayList) throw Exception(LastLibraryError());

  const char *list = GetGatewayList();
  cmbGateway->Items()->SetText(list ? list : "");  // copied: the text may be the library's
  cmbGateway->SetItemIndex(0);                     // selects nothing when the list is empty

  library.reset();  // FreeLibrary
}

void TForm1::cmdSendClick(TObject * /*Sender*/) {
  ModuleHandle library(LoadLibraryA(QOLVIX_SMS_LIBRARY_FILE));
  if (!library) throw Exception(LastLibraryError());
  auto SendSms = reinterpret_cast<SendSmsFn>(GetProcAddress(library.get(), QOLVIX_SMS_SEND_SMS));
  if (!SendSms) throw Exception(LastLibraryError());

  AnsiString nickName, message, phone, password, userName, gateway;
  try {
    nickName = txtNickName->Text();
    message = edtMessage->Lines()->Text();
    phone = txtPhone->Text();
    password = txtPassword->Text();
    userName = txtUserName->Text();
    gateway = cmbGateway->Text();
  } catch (const EEncodingError &e) {
    txtResult->SetText(e.Message());  // a character code page 936 lacks: nothing is sent
    return;
  }

  const char *reply = SendSms(gateway.c_str(), userName.c_str(), password.c_str(), phone.c_str(),
                              message.c_str(), nickName.c_str(), "");
  txtResult->SetText(reply ? reply : "");  // copied before the library goes

  library.reset();  // FreeLibrary
}
