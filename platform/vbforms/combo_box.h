// A drop-down list the user can only pick from.
#pragma once

#include <QComboBox>

namespace vbforms {

class ComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit ComboBox(QWidget *parent = nullptr);

  // Adds an entry at the end (the list does not sort).
  void AddItem(const QString &text);
  // Removes all entries.
  void Clear();
  // The text of entry index; "" when there is no such entry.
  QString List(int index) const;
  // The text of the selected entry; "" when none is selected.
  QString Text() const;
  // Selects the first entry whose text is exactly text; selects none when no entry has it.
  void SetText(const QString &text);
};

}  // namespace vbforms
