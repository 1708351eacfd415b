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
  AnsiString joined;
  joined.reserve(text.size());
  int count = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", i);
    if (count > 0) joined += '\n';
    ++count;
    if (end == std::string::npos) {  // a last line without a line end
      joined.append(text, i, std::string::npos);
      break;
    }
    joined.append(text, i, end - i);
    i = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  SetLines(joined, count);
}
