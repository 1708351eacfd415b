// Without qolvix_sms.dll anywhere the search looks: a message that says what was
// looked for where and why, no change to the window, and the program goes on.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "form_fixture.h"
#include "qolvix_sms.h"

namespace {

class LoaddemoMissingLibrary : public Loaddemo {
 protected:
  void SetUp() override {
    Loaddemo::SetUp();
    // The test folder, the usual current directory, holds the recording library.
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(recorder.dir());
  }
  void TearDown() override {
    std::filesystem::current_path(previous_);
    Loaddemo::TearDown();
  }
  std::filesystem::path previous_;
};

TEST_F(LoaddemoMissingLibrary, BothCommandsSayWhyAndChangeNothing) {
  form->cmbGateway->Items()->SetText("kept 1\r\nkept 2\r\n");
  form->cmbGateway->setCurrentIndex(1);
  FillFields("a", "p", "1", "n", "m");
  form->txtResult->setText("earlier reply");
  const WindowState before = State();

  form->cmdRefresh->click();
  form->cmdSend->click();

  EXPECT_EQ(State(), before);
  ASSERT_EQ(messages.size(), 2u);
  const std::string programDir = std::filesystem::canonical("/proc/self/exe").parent_path();
  for (const std::string &m : messages) {
    EXPECT_NE(m.find(QOLVIX_SMS_LIBRARY_FILE), std::string::npos) << m;
    EXPECT_NE(m.find(programDir + "/" QOLVIX_SMS_LIBRARY_FILE), std::string::npos) << m;
    EXPECT_NE(m.find(recorder.dir() + "/" QOLVIX_SMS_LIBRARY_FILE), std::string::npos) << m;
    EXPECT_NE(m.find("No such file"), std::string::npos) << m;
  }
  EXPECT_TRUE(recorder.Calls().empty());
}

}  // namespace
