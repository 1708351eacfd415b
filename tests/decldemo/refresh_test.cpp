// The refresh command: the library's list text becomes the entries of cmbGateway.
#include <cctype>
#include <optional>

#include "form_fixture.h"
#include "hex.h"

namespace {

struct RefreshCase {
  const char *name;
  std::optional<std::string> list;  // the library's answer; none: a null pointer
  std::vector<QString> entries;
  int selected;
};

void PrintTo(const RefreshCase &c, std::ostream *os) { *os << c.name; }

class Refresh : public FormTest, public ::testing::WithParamInterface<RefreshCase> {};

TEST_P(Refresh, FillsTheListFromTheLinesEndedByCrLf) {
  const RefreshCase &c = GetParam();
  cmbGateway->AddItem("left from before");
  if (c.list)
    recorder.SetListReply(*c.list);
  else
    recorder.NullListReply();

  QTest::mouseClick(cmdRefresh, Qt::LeftButton);

  EXPECT_EQ(Entries(), c.entries);
  EXPECT_EQ(cmbGateway->currentIndex(), c.selected);
  EXPECT_EQ(cmbGateway->Text(), c.selected < 0 ? QString() : c.entries[c.selected]);
  const auto calls = recorder.Calls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].entry, "GetGatewayList");
  EXPECT_TRUE(calls[0].args.empty());
  EXPECT_TRUE(reports.messages().isEmpty()) << reports.messages().join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Refresh,
    ::testing::Values(
        RefreshCase{"two entries each ended by CR LF", "GW01\r\nGW02\r\n", {"GW01", "GW02"}, 0},
        RefreshCase{"a last entry without CR LF is lost", "GW01\r\nGW02", {"GW01"}, 0},
        RefreshCase{"one entry without CR LF gives an empty list", "GW01", {}, -1},
        RefreshCase{"only CR LF gives one empty entry", "\r\n", {""}, 0},
        RefreshCase{"an empty text gives an empty list", "", {}, -1},
        RefreshCase{"a null answer gives an empty list", std::nullopt, {}, -1},
        RefreshCase{"an empty line between entries stays", "A\r\n\r\nB\r\n", {"A", "", "B"}, 0},
        RefreshCase{"a lone CR or LF does not end an entry", "A\nB\rC\r\n", {"A\nB\rC"}, 0},
        RefreshCase{"entries are decoded from code page 936",
                    Hex("d2c6b6afcdf8b9d8") + "\r\n" + Hex("d6d0b9fad2c6b6afcdf8b9d8") + "\r\n",
                    {"移动网关", "中国移动网关"},
                    0},
        RefreshCase{"bytes that are not code page 936 show as U+FFFD",
                    "GW\xff\r\n",
                    {QString("GW") + QChar(0xFFFD)},
                    0}),
    [](const auto &info) {
      std::string name;
      for (const char *p = info.param.name; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
      return name;
    });

TEST_F(FormTest, ASecondShorterRefreshLeavesOnlyTheNewEntries) {
  Refresh("GW01\r\nGW02\r\nGW03\r\n");
  ASSERT_EQ(Entries(), (std::vector<QString>{"GW01", "GW02", "GW03"}));
  cmbGateway->setCurrentIndex(2);

  Refresh("GW09\r\n");

  EXPECT_EQ(Entries(), std::vector<QString>{"GW09"});
  EXPECT_EQ(cmbGateway->Text(), "GW09");
}

}  // namespace
