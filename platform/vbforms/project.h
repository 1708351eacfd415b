// What a program tells the runtime about itself: its start-up form and its version data.
#pragma once

#include <memory>

#include "vbforms/form.h"

namespace vbforms {

struct Project {
  const char *name;     // the program's name
  const char *company;  // who made it
  const char *version;  // e.g. "1.0.0.0"
  std::unique_ptr<Form> (*createStartupForm)();
};

// Defined by the program.
extern const Project kProject;

}  // namespace vbforms
