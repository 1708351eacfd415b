// A form: a window with a fixed single border, a system menu and a minimize box but no
// maximize box, not resizable, centred on its screen when shown; its text in the Chinese
// desktop's system font.
#pragma once

#include <QWidget>

namespace vbforms {

class Form : public QWidget {
  Q_OBJECT

 public:
  explicit Form(QWidget *parent = nullptr);

  // Shows the form at the centre of its screen, at the size it was laid out with.
  void Show();
};

}  // namespace vbforms
