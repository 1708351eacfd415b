// The outbox file takes the next number from its own last line, so that numbers stay
// unique with nothing kept in memory, even when a person or a cut-short write has changed
// the file.
#include "outbox_file.h"

#include <gtest/gtest.h>

#include "temp_outbox.h"

namespace {

// A record of the outbox's own form, carrying its number.
std::string Line(std::uint64_t n) { return "{\"id\":" + std::to_string(n) + ",\"x\":1}"; }

using OutboxFile = TempOutbox;

}  // namespace

TEST_F(OutboxFile, NumbersOnePastTheLastRecord) {
  const std::string longRecord = "{\"id\":12,\"message\":\"" + std::string(100000, 'x') + "\"}";
  struct Case {
    const char *what;
    std::string before;
    std::uint64_t number;
    std::string after;  // the file's whole text afterwards
  } cases[] = {
      {"no file", "", 1, Line(1) + "\n"},
      {"records", Line(41) + "\n" + Line(7) + "\n", 8,
       Line(41) + "\n" + Line(7) + "\n" + Line(8) + "\n"},
      {"a last record longer than a read", Line(11) + "\n" + longRecord + "\n", 13,
       Line(11) + "\n" + longRecord + "\n" + Line(13) + "\n"},
      {"a record cut short", Line(1) + "\n{\"id\":2,\"mes", 3,
       Line(1) + "\n{\"id\":2,\"mes\n" + Line(3) + "\n"},
      {"a note after the records", Line(1) + "\n" + Line(2) + "\na note\n", 4,
       Line(1) + "\n" + Line(2) + "\na note\n" + Line(4) + "\n"},
      {"no records, no last newline", "one\ntwo", 3, "one\ntwo\n" + Line(3) + "\n"},
      {"a number that is none", "{\"id\":\n{\"id\":5x}\n", 3,
       "{\"id\":\n{\"id\":5x}\n" + Line(3) + "\n"},
      {"an empty last line", Line(4) + "\n\n", 5, Line(4) + "\n\n" + Line(5) + "\n"},
      {"a note after a higher record", Line(9) + "\n" + Line(3) + "\nnote\n", 10,
       Line(9) + "\n" + Line(3) + "\nnote\n" + Line(10) + "\n"},
  };
  for (const Case &c : cases) {
    std::filesystem::remove(path_);
    if (!c.before.empty()) SetContents(c.before);
    EXPECT_EQ(outbox::AppendRecord(path_, Line), c.number) << c.what;
    EXPECT_EQ(Contents(), c.after) << c.what;
  }
}
