#include "vbforms/form.h"

#include <QFont>
#include <QScreen>
#include <QStyle>

namespace vbforms {

Form::Form(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
  // Forms use the system font of the Chinese desktop unless they set one: 宋体 (SimSun) at
  // 9 points, which fontconfig maps to an installed Song face. Layouts in twips assume it.
  setFont(QFont("宋体", 9));
}

void Form::Show() {
  setFixedSize(size());
  setGeometry(
      QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
  show();
}

}  // namespace vbforms
