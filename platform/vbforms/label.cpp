#include "vbforms/label.h"

#include <QEvent>

namespace vbforms {

Label::Label(QWidget *parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  // Text starts at the top left: a label one line high shows the whole line, underscores
  // and descenders included, where centring would cut off its bottom.
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Label::SetCaption(const QString &text) {
  setText(text);
  if (autoSize_) adjustSize();
}

void Label::SetAutoSize(bool on) {
  autoSize_ = on;
  // Sizing now would polish the label before a form has set its caption and font; the
  // first show sizes it then.
  if (on && testAttribute(Qt::WA_WState_Polished)) adjustSize();
}

void Label::SetInfoBackground(bool on) {
  setAutoFillBackground(on);
  setBackgroundRole(on ? QPalette::ToolTipBase : QPalette::Window);
  // Qt would pair that background with the tooltip text colour; the label keeps its own.
  setForegroundRole(QPalette::WindowText);
}

bool Label::event(QEvent *e) {
  const bool handled = QLabel::event(e);
  // A form sets the caption after the label's settings; size to it whenever it is shown.
  if (e->type() == QEvent::Show && autoSize_) adjustSize();
  return handled;
}

}  // namespace vbforms
