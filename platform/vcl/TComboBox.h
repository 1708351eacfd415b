// A drop-down list to pick from; its entries are 8-bit text.
#pragma once

#include <QComboBox>
#include <memory>

#include "TStrings.h"

class TComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TComboBox(QWidget *parent = nullptr);
  ~TComboBox() override;

  TStrings *Items() const { return items_.get(); }
  int ItemIndex() const { return currentIndex(); }
  // Selects an entry; an index with no entry selects nothing.
  void SetItemIndex(int index);
  // The selected entry, or the empty text when none is selected.
  AnsiString Text() const;

 private:
  std::unique_ptr<TStrings> items_;
};
