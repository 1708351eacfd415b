// A multi-line edit; its lines are 8-bit text.
#pragma once

#include <QPlainTextEdit>
#include <memory>

#include "TStrings.h"

class TMemo : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TMemo(QWidget *parent = nullptr);
  ~TMemo() override;

  TStrings *Lines() const { return lines_.get(); }

 private:
  std::unique_ptr<TStrings> lines_;
};
