// decldemo built with a library path this test controls: the library missing, then one
// without SendSms, then the real one put in place while the program runs.
#include <filesystem>

#include "form_fixture.h"
#include "hex.h"
#include "proc_maps.h"

namespace fs = std::filesystem;

namespace {

const std::string kPath = REBIND_DIR "/qolvix_sms.dll";

using Rebind = FormTest;

TEST_F(Rebind, AnUnboundLibraryIsReportedAndAClickAfterItIsPutInPlaceWorks) {
  fs::create_directories(REBIND_DIR);
  fs::remove(kPath);
  cmbGateway->AddItem("GW01");
  cmbGateway->AddItem("GW02");
  cmbGateway->setCurrentIndex(1);
  txtUserName->setText("demo");
  txtPhone->setText("13800138000");
  edtSms->setPlainText("hello");
  recorder.SetListReply("GW07\r\n");
  recorder.SetSendReply(Hex("d2d1b7a2cbcd"));  // 已发送

  // No library at the path: each command reports it and stops before the call.
  QTest::mouseClick(cmdRefresh, Qt::LeftButton);
  ASSERT_EQ(reports.messages().size(), 1);
  for (const char *part : {"53", "文件未找到", kPath.c_str(), "GetGatewayList"})
    EXPECT_TRUE(reports.messages()[0].contains(QString::fromUtf8(part)))
        << part << " not in: " << reports.messages()[0].toStdString();
  EXPECT_EQ(cmbGateway->count(), 2) << "the list stays as it was";
  EXPECT_EQ(cmbGateway->Text(), "GW02");

  QTest::mouseClick(cmdSend, Qt::LeftButton);
  ASSERT_EQ(reports.messages().size(), 2);
  for (const char *part : {"53", kPath.c_str(), "SendSms"})
    EXPECT_TRUE(reports.messages()[1].contains(QString::fromUtf8(part)))
        << part << " not in: " << reports.messages()[1].toStdString();
  EXPECT_EQ(lblError->text(), "");

  // A library without SendSms: the send reports the missing entry and lets the library go.
  fs::copy_file(ONLY_LIST_SMS, kPath);
  lblError->SetCaption("before");
  QTest::mouseClick(cmdSend, Qt::LeftButton);
  ASSERT_EQ(reports.messages().size(), 3);
  for (const char *part : {"453", "入口点", kPath.c_str(), "SendSms"})
    EXPECT_TRUE(reports.messages()[2].contains(QString::fromUtf8(part)))
        << part << " not in: " << reports.messages()[2].toStdString();
  EXPECT_EQ(lblError->text(), "");
  EXPECT_FALSE(IsFileMapped(kPath));
  EXPECT_TRUE(recorder.Calls().empty());

  // The real library put in place: the next clicks bind and call it.
  fs::copy_file(RECORDING_SMS, kPath, fs::copy_options::overwrite_existing);
  QTest::mouseClick(cmdSend, Qt::LeftButton);
  QTest::mouseClick(cmdRefresh, Qt::LeftButton);
  EXPECT_EQ(reports.messages().size(), 3) << reports.messages().join("\n").toStdString();
  EXPECT_EQ(lblError->text(), "已发送");
  EXPECT_EQ(cmbGateway->count(), 1);
  EXPECT_EQ(cmbGateway->Text(), "GW07");
  EXPECT_TRUE(IsFileMapped(kPath));

  // Bound for the life of the process: the file going away changes nothing.
  fs::remove(kPath);
  QTest::mouseClick(cmdSend, Qt::LeftButton);
  QTest::mouseClick(cmdRefresh, Qt::LeftButton);
  EXPECT_EQ(reports.messages().size(), 3) << reports.messages().join("\n").toStdString();
  EXPECT_EQ(CallsOf("SendSms").size(), 2u);
  EXPECT_EQ(CallsOf("GetGatewayList").size(), 2u);
}

}  // namespace
