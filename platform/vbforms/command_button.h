// A command button with a click event.
#pragma once

#include <QPushButton>
#include <functional>

namespace vbforms {

class CommandButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CommandButton(QWidget *parent = nullptr);

  // The handler of the click event. It runs through RunEvent (events.h): an error inside it
  // is reported and ends only that click.
  void OnClick(std::function<void()> handler);

 private:
  std::function<void()> click_;
};

}  // namespace vbforms
