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
  void SetLines(const std::vector<AnsiString> &lines) override {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const AnsiString &line : lines) texts << AnsiToQString(line);
    box_.clear();
    box_.addItems(texts);
    for (std::size_t i = 0; i < lines.size(); ++i)
      if (!RoundTrips(lines[i]))
        box_.setItemData(static_cast<int>(i), QByteArray::fromStdString(lines[i]), kBytesRole);
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
