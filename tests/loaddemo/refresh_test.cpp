// The refresh command: the gateway list text becomes the combo box's entries, the first
// one selected.
#include <gtest/gtest.h>

#include "form_fixture.h"

namespace {

TEST_F(Loaddemo, RefreshShowsTheEntriesAndSelectsTheFirst) {
  recorder.SetListReply("QUENLO          \xc4\xe3\xba\xc3\r\nSMS2\nSMS3");
  form->cmdRefresh->click();

  EXPECT_EQ(State().entries,
            QStringList({QString::fromUtf8("QUENLO          你好"), "SMS2", "SMS3"}));
  EXPECT_EQ(form->cmbGateway->currentIndex(), 0);
  ASSERT_EQ(recorder.Calls().size(), 1u);
  EXPECT_EQ(recorder.Calls()[0].entry, "GetGatewayList");
  EXPECT_TRUE(recorder.Calls()[0].args.empty());
  EXPECT_TRUE(messages.empty());
}

TEST_F(Loaddemo, EachRefreshReplacesTheWholeList) {
  recorder.SetListReply("a\r\nb\r\nc\r\n");
  form->cmdRefresh->click();
  form->cmbGateway->setCurrentIndex(2);

  recorder.SetListReply("new\r\n");
  form->cmdRefresh->click();
  EXPECT_EQ(State().entries, QStringList({"new"}));
  EXPECT_EQ(form->cmbGateway->currentIndex(), 0);
}

TEST_F(Loaddemo, AnEmptyOrNullListLeavesNothingSelected) {
  for (const bool null : {false, true}) {
    recorder.SetListReply("a\r\nb\r\n");
    form->cmdRefresh->click();
    ASSERT_EQ(form->cmbGateway->count(), 2);

    if (null)
      recorder.NullListReply();
    else
      recorder.SetListReply("");
    form->cmdRefresh->click();
    EXPECT_EQ(form->cmbGateway->count(), 0) << "null " << null;
    EXPECT_EQ(form->cmbGateway->currentIndex(), -1) << "null " << null;
    EXPECT_EQ(form->cmbGateway->Text(), "") << "null " << null;
  }
  EXPECT_TRUE(messages.empty());
}

}  // namespace
