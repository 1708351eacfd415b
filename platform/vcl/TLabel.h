// A fixed caption.
#pragma once

#include <QLabel>

class TLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
};
