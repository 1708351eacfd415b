// Beside a qolvix_sms.dll without SendSms: the send names the entry and the file, makes
// no call, changes nothing and unloads the library again.
#include <gtest/gtest.h>

#include "form_fixture.h"
#include "proc_maps.h"
#include "qolvix_sms.h"

namespace {

TEST_F(Loaddemo, MissingSendSmsIsReportedAndTheLibraryUnloaded) {
  form->cmdRefresh->click();  // GetGatewayList is there: the refresh works
  ASSERT_TRUE(messages.empty()) << messages[0];
  EXPECT_FALSE(IsFileMapped(QOLVIX_SMS_LIBRARY_FILE));

  form->cmbGateway->Items()->SetText("kept\r\n");
  form->cmbGateway->setCurrentIndex(0);
  FillFields("a", "p", "1", "n", "m");
  form->txtResult->setText("earlier reply");
  const WindowState before = State();

  form->cmdSend->click();

  EXPECT_EQ(State(), before);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find(QOLVIX_SMS_SEND_SMS), std::string::npos) << messages[0];
  EXPECT_NE(messages[0].find("only_list/" QOLVIX_SMS_LIBRARY_FILE), std::string::npos)
      << messages[0];
  EXPECT_FALSE(IsFileMapped(QOLVIX_SMS_LIBRARY_FILE));
}

}  // namespace
