#include "TStrings.h"

AnsiString TStrings::Text() const {
  AnsiString text;
  for (int i = 0; i < Count(); ++i) {
    if (i > 0) text += "\r\n";
    text += Strings(i);
  }
  return text;
}

void TStrings::SetText(const AnsiString &text) {
  std::vector<AnsiString> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '\r' && text[i] != '\n') {
      ++i;
      continue;
    }
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = ++i;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  SetLines(lines);
}
