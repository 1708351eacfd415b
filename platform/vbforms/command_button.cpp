#include "vbforms/command_button.h"

#include "vbforms/events.h"

namespace vbforms {

CommandButton::CommandButton(QWidget *parent) : QPushButton(parent) {
  // Enter and Escape never press a button of a form.
  setAutoDefault(false);
  setDefault(false);
  connect(this, &QPushButton::clicked, this, [this] {
    if (click_) RunEvent(click_);
  });
}

void CommandButton::OnClick(std::function<void()> handler) { click_ = std::move(handler); }

}  // namespace vbforms
