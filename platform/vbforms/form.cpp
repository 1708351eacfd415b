#include "vbforms/form.h"

#include <QScreen>
#include <QStyle>

namespace vbforms {

Form::Form(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {}

void Form::Show() {
  setFixedSize(size());
  setGeometry(
      QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
  show();
}

}  // namespace vbforms
