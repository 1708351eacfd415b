#include "vbforms/combo_box.h"

namespace vbforms {

ComboBox::ComboBox(QWidget *parent) : QComboBox(parent) { setEditable(false); }

void ComboBox::AddItem(const QString &text) { addItem(text); }

void ComboBox::Clear() { clear(); }

QString ComboBox::List(int index) const { return itemText(index); }

QString ComboBox::Text() const { return currentText(); }

void ComboBox::SetText(const QString &text) {
  setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

}  // namespace vbforms
