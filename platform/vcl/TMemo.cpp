#include "TMemo.h"

namespace {
// The memo's paragraphs; an empty memo has no lines.
class TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TMemo &memo) : memo_(memo) {}
  int Count() const override { return static_cast<int>(Paragraphs().size()); }
  AnsiString Strings(int index) const override {
    return QStringToAnsi(Paragraphs().at(index), memo_);
  }
  // The same as joining the lines, in one conversion however many lines there are.
  AnsiString Text() const override {
    return QStringToAnsi(memo_.toPlainText().replace('\n', "\r\n"), memo_);
  }

 protected:
  void SetLines(const AnsiString &joined, int /*count*/) override {
    memo_.setPlainText(AnsiToQString(joined));  // no lines and one empty line look alike
  }

 private:
  QStringList Paragraphs() const {
    const QString text = memo_.toPlainText();
    return text.isEmpty() ? QStringList() : text.split('\n');
  }
  TMemo &memo_;
};
}  // namespace

TMemo::TMemo(QWidget *parent)
    : QPlainTextEdit(parent), lines_(std::make_unique<TMemoStrings>(*this)) {
  setTabChangesFocus(true);  // Tab moves on to the next control, as in a VCL memo
}

TMemo::~TMemo() = default;
