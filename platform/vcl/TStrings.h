// A list of 8-bit lines behind a control (a memo's lines, a combo box's entries), with
// the VCL's rules for reading and writing it as one text.
#pragma once

#include "AnsiString.h"

class TStrings {
 public:
  virtual ~TStrings() = default;
  virtual int Count() const = 0;
  virtual AnsiString Strings(int index) const = 0;

  // The lines joined by CR LF.
  virtual AnsiString Text() const;
  // Replaces the lines with those of text. A line ends at CR, at LF or at CR LF (counted
  // once); a line end at the very end adds no line; an empty text gives no lines.
  void SetText(const AnsiString &text);

 protected:
  // Replaces the lines with count lines, joined by LF in joined (no line holds CR or LF).
  virtual void SetLines(const AnsiString &joined, int count) = 0;
};
