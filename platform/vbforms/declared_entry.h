// An entry point declared by library path and entry name, bound on its first call.
#pragma once

#include <string>

#include "dynlib.h"

namespace vbforms {

class DeclaredEntry {
 public:
  // libraryPath is absolute, or starts with "$ORIGIN/" for the running program's own
  // directory; the current directory is never searched.
  DeclaredEntry(std::string libraryPath, std::string entryName);

  // The entry's address. The first call loads the library from the declared path and looks
  // the entry up; both are then kept for the life of this object. Throws RunTimeError when
  // the library cannot be loaded or lacks the entry; nothing is kept then, so the next call
  // binds again (the library may have been put in place meanwhile).
  FARPROC Address();

 private:
  std::string libraryPath_;
  std::string entryName_;
  ModuleHandle module_;
  FARPROC address_ = nullptr;
};

}  // namespace vbforms
