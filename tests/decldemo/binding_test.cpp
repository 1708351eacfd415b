// When decldemo loads the SMS library: not at start, but at the first refresh or the first
// send that passes its checks, and from then on it stays loaded. Each test must start in a
// process of its own, as ctest runs them.
#include <filesystem>

#include "form_fixture.h"
#include "proc_maps.h"

namespace {

const std::string kLibrary =
    (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "qolvix_sms.dll").string();

class Binding : public FormTest {
 protected:
  void SetUp() override {
    ASSERT_FALSE(IsFileMapped(kLibrary))
        << "loaded before the test began: run each test in a process of its own";
  }
  void FillIn() {
    txtUserName->setText("demo");
    txtPhone->setText("13800138000");
    edtSms->setPlainText("hello");
  }
};

TEST_F(Binding, TheFirstRefreshLoadsTheLibraryAndItStaysLoaded) {
  FillIn();
  QTest::mouseClick(cmdSend, Qt::LeftButton);  // refused: there is no gateway yet
  EXPECT_FALSE(IsFileMapped(kLibrary));

  Refresh("GW01\r\n");
  EXPECT_TRUE(IsFileMapped(kLibrary));
  QTest::mouseClick(cmdSend, Qt::LeftButton);
  Refresh("");
  EXPECT_TRUE(IsFileMapped(kLibrary));
  EXPECT_EQ(CallsOf("GetGatewayList").size(), 2u);
  EXPECT_EQ(CallsOf("SendSms").size(), 1u);
  EXPECT_TRUE(reports.messages().isEmpty()) << reports.messages().join("\n").toStdString();
}

TEST_F(Binding, TheFirstSendThatPassesItsChecksLoadsTheLibrary) {
  cmbGateway->AddItem("GW01");
  cmbGateway->SetText("GW01");
  txtUserName->setText("demo");
  edtSms->setPlainText("hello");
  QTest::mouseClick(cmdSend, Qt::LeftButton);  // refused: no phone
  EXPECT_FALSE(IsFileMapped(kLibrary));
  txtPhone->setText(QString("138") + QString::fromUcs4(U"\U0001F600"));
  QTest::mouseClick(cmdSend, Qt::LeftButton);  // refused: a character that cannot be sent
  EXPECT_FALSE(IsFileMapped(kLibrary));

  txtPhone->setText("13800138000");
  QTest::mouseClick(cmdSend, Qt::LeftButton);
  EXPECT_TRUE(IsFileMapped(kLibrary));
  QTest::mouseClick(cmdSend, Qt::LeftButton);
  EXPECT_TRUE(IsFileMapped(kLibrary));
  EXPECT_EQ(CallsOf("SendSms").size(), 2u);
  EXPECT_TRUE(CallsOf("GetGatewayList").empty());
  EXPECT_TRUE(reports.messages().isEmpty()) << reports.messages().join("\n").toStdString();
}

}  // namespace
