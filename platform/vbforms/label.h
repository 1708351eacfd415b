// A label: a caption of plain text, drawn from its top left corner.
#pragma once

#include <QLabel>

namespace vbforms {

class Label : public QLabel {
  Q_OBJECT
  // Sizes the label to its caption (its place stays).
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
  // Paints the label on the system's tooltip background colour.
  Q_PROPERTY(bool InfoBackground READ InfoBackground WRITE SetInfoBackground)

 public:
  explicit Label(QWidget *parent = nullptr);

  // Shows text as it is: never as rich text, whatever it holds.
  void SetCaption(const QString &text);

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on);
  bool InfoBackground() const { return autoFillBackground(); }
  void SetInfoBackground(bool on);

 protected:
  bool event(QEvent *e) override;

 private:
  bool autoSize_ = false;
};

}  // namespace vbforms
