// Loading around each command: the library is mapped only while a command runs, and
// what it returned is copied before it goes.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "form_fixture.h"
#include "proc_maps.h"
#include "qolvix_sms.h"

namespace {

const std::string kLibrary = QOLVIX_SMS_LIBRARY_FILE;

// Clicks the button while another thread waits for the library's call to begin (the
// recording library logs it, then waits) and looks whether the library is mapped then.
bool MappedDuringCall(Recorder &recorder, const char *entry, TButton *button) {
  recorder.SetDelayMs(entry, 300);
  std::atomic<int> seen{-1};
  std::thread watcher([&] {
    const auto log = recorder.dir() + "/calls.log";
    for (int i = 0; i < 2000 && !std::filesystem::exists(log); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (std::filesystem::exists(log)) seen = IsFileMapped(kLibrary) ? 1 : 0;
  });
  button->click();
  watcher.join();
  EXPECT_NE(seen, -1) << entry << " was never called";
  return seen == 1;
}

TEST_F(Loaddemo, LibraryIsMappedOnlyWhileACommandRuns) {
  recorder.SetListReply("gw1\r\n");
  recorder.SetSendReply("sent");
  EXPECT_FALSE(IsFileMapped(kLibrary)) << "before any command";

  EXPECT_TRUE(MappedDuringCall(recorder, "GetGatewayList", form->cmdRefresh));
  EXPECT_FALSE(IsFileMapped(kLibrary)) << "after the refresh";

  std::filesystem::remove(recorder.dir() + "/calls.log");
  EXPECT_TRUE(MappedDuringCall(recorder, "SendSms", form->cmdSend));
  EXPECT_FALSE(IsFileMapped(kLibrary)) << "after the send";

  EXPECT_EQ(form->cmbGateway->Text(), "gw1");
  EXPECT_EQ(form->txtResult->text(), "sent");
  EXPECT_TRUE(messages.empty());
}

// Text in the library's own static buffer is gone with the library: what the window
// shows must have been copied before the unload.
TEST_F(Loaddemo, TextFromTheLibrarysBufferOutlivesTheUnload) {
  recorder.UseStaticBuffer("GetGatewayList");
  recorder.UseStaticBuffer("SendSms");
  recorder.SetListReply("\xb2\xe2\xca\xd4 gateway\r\nsecond\r\n");
  recorder.SetSendReply("\xb7\xa2\xcb\xcd\xb3\xc9\xb9\xa6 #1");

  form->cmdRefresh->click();
  form->cmdSend->click();

  ASSERT_FALSE(IsFileMapped(kLibrary));
  EXPECT_EQ(State().entries, QStringList({QString::fromUtf8("测试 gateway"), "second"}));
  EXPECT_EQ(form->txtResult->text(), QString::fromUtf8("发送成功 #1"));
  ASSERT_EQ(recorder.Calls().size(), 2u);
  EXPECT_EQ(recorder.Calls()[1].args[0], "\xb2\xe2\xca\xd4 gateway");
}

}  // namespace
