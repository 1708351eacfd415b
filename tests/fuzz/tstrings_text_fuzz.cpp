// loaddemo's gateway list: the TStrings text setter of its combo box, on the real control.
//   every line end (CR, LF, or CR LF counted once) ends one entry, and a last line without
//   one is an entry too; no entry holds a CR or LF; each entry reads back byte for byte,
//   even bytes that are no code page 936 character; the text reads back as the entries
//   joined by CR LF, which is the input itself when the input uses CR LF only and does not
//   end with a line end; setting the text read back gives the same entries again (but for a
//   last entry that is empty: joined, it is a line end at the very end, which adds none).
#include <QApplication>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "TComboBox.h"
#include "check.h"

namespace {

// The application and the one combo box, made once. A function's static, so that it goes
// before Qt's own statics at exit (they are made while it is being made).
struct Window {
  int argc = 1;
  char name[16] = "tstrings_fuzz";
  char *argv[2] = {name, nullptr};
  QApplication app{argc, argv};
  TComboBox box;
};

TComboBox &Box() {
  static Window window;
  return window.box;
}

// The lines of text as the VCL cuts them, written out here independently of the setter.
std::vector<std::string> Lines(const std::string &text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.push_back(line);
      line.clear();
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += text[i];
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::vector<std::string> Entries(const TStrings &items) {
  std::vector<std::string> entries;
  for (int i = 0; i < items.Count(); ++i) entries.push_back(items.Strings(i));
  return entries;
}

bool OnlyCrLfLineEnds(const std::string &text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') return false;
    if (text[i] == '\r' && (i + 1 == text.size() || text[++i] != '\n')) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  Box();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string text(reinterpret_cast<const char *>(data), size);
  TStrings &items = *Box().Items();
  items.SetText(text);

  const std::vector<std::string> entries = Entries(items);
  FUZZ_CHECK(entries == Lines(text));
  for (const std::string &entry : entries) FUZZ_CHECK(entry.find_first_of("\r\n") == entry.npos);

  std::string joined;
  for (std::size_t i = 0; i < entries.size(); ++i) joined += (i ? "\r\n" : "") + entries[i];
  const std::string back = items.Text();
  FUZZ_CHECK(back == joined);
  if (OnlyCrLfLineEnds(text) &&
      !(text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0))
    FUZZ_CHECK(back == text);

  std::vector<std::string> again = entries;
  if (!again.empty() && again.back().empty()) again.pop_back();
  items.SetText(back);
  FUZZ_CHECK(Entries(items) == again);
  return 0;
}
