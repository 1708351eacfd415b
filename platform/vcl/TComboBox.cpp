#include "TComboBox.h"

namespace {
// An entry whose bytes do not decode and encode back to themselves keeps the bytes in
// this role, so that it goes back exactly as it came.
constexpr int kBytesRole = Qt::UserRole + 1;

class TComboBoxStrings : public TStrings {
 public:
  explicit TComboBoxStrings(TComboBox &box) : box_(box) {}
  int Count() const override { return box_.count(); }
  AnsiString Strings(int index) const override {
    const QVariant bytes = box_.itemData(index, kBytesRole);
    if (bytes.isValid()) return bytes.toByteArray().toStdString();
    return QStringToAnsi(box_.itemText(index), box_);
  }

 protected:
  void SetLines(const AnsiString &joined, int count) override {
    // The whole list in one conversion when all of it is text; line by line otherwise,
    // to find the entries whose bytes must be kept.
    bool allText = true;
    QStringList texts;
    if (count > 0) texts = AnsiToQString(joined, &allText).split('\n');
    std::vector<std::pair<int, AnsiString>> kept;
    if (!allText) {
      texts.clear();
      for (std::size_t start = 0;;) {
        const std::size_t end = joined.find('\n', start);
        const AnsiString line = joined.substr(start, end - start);
        bool exact = true;
        texts << AnsiToQString(line, &exact);
        if (!exact) kept.emplace_back(static_cast<int>(texts.size()) - 1, line);
        if (end == std::string::npos) break;
        start = end + 1;
      }
    }
    box_.clear();
    box_.addItems(texts);
    for (const auto &[index, bytes] : kept)
      box_.setItemData(index, QByteArray::fromStdString(bytes), kBytesRole);
    box_.setCurrentIndex(-1);  // new entries, nothing selected yet
  }

 private:
  TComboBox &box_;
};
}  // namespace

TComboBox::TComboBox(QWidget *parent)
    : QComboBox(parent), items_(std::make_unique<TComboBoxStrings>(*this)) {}

TComboBox::~TComboBox() = default;

void TComboBox::SetItemIndex(int index) { setCurrentIndex(index < count() ? index : -1); }

AnsiString TComboBox::Text() const {
  return ItemIndex() < 0 ? AnsiString() : Items()->Strings(ItemIndex());
}
