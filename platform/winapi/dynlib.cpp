#include "dynlib.h"

#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace {

thread_local std::string t_lastError;

std::string DlError() {
  const char *e = dlerror();
  return e ? e : "unknown error";
}

std::string DirectoryOf(const std::string &path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

// The running program's directory; it does not change, so it is read once.
const std::string &ProgramDirectory() {
  static const std::string dir = [] {
    char buf[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n <= 0 ? std::string() : DirectoryOf(std::string(buf, static_cast<std::size_t>(n)));
  }();
  return dir;
}

std::string CurrentDirectory() {
  char buf[4096];
  return ::getcwd(buf, sizeof buf) ? buf : "";
}

HMODULE Open(const std::string &path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); }

// One place of the search: a file in a directory. A file that is not there is noted and
// the search goes on; one that is there but fails to load ends the search with the
// system's words (found is set), so a broken file never hands over to a later place.
HMODULE TryIn(const std::string &where, const std::string &dir, const char *fileName,
              std::string &log, bool &found) {
  log += "\n  " + where + " ";
  if (dir.empty()) {
    log += "(unknown)";
    return nullptr;
  }
  const std::string path = (dir == "/" ? "" : dir) + "/" + fileName;
  log += path + ": ";
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) {
    log += std::strerror(errno);
    return nullptr;
  }
  found = true;
  if (HMODULE m = Open(path)) return m;
  log += DlError();
  return nullptr;
}

}  // namespace

HMODULE LoadLibraryA(const char *fileName) {
  if (!fileName || !*fileName) {
    t_lastError = "no library file name given";
    return nullptr;
  }
  std::string log;
  if (std::strchr(fileName, '/')) {
    if (HMODULE m = Open(fileName)) return m;
    log = std::string("cannot load \"") + fileName + "\": " + DlError();
    t_lastError = log;
    return nullptr;
  }
  log = std::string("cannot load \"") + fileName + "\"; looked in:";
  bool found = false;
  HMODULE m = TryIn("program directory", ProgramDirectory(), fileName, log, found);
  if (!m && !found) {
    m = Open(fileName);
    if (!m) log += "\n  system library search: " + DlError();
  }
  if (!m && !found) m = TryIn("current directory", CurrentDirectory(), fileName, log, found);
  if (!m) t_lastError = log;
  return m;
}

FARPROC GetProcAddress(HMODULE module, const char *procName) {
  if (!module || !procName) {
    t_lastError = "no module or no entry point name given";
    return nullptr;
  }
  dlerror();
  void *address = dlsym(module, procName);
  if (address) return reinterpret_cast<FARPROC>(address);
  t_lastError = std::string("entry point \"") + procName + "\" not found in \"" +
                ModuleFileName(module) + "\": " + DlError();
  return nullptr;
}

BOOL FreeLibrary(HMODULE module) { return module && dlclose(module) == 0; }

std::string LastLibraryError() { return t_lastError; }

std::string ModuleFileName(HMODULE module) {
  link_map *map = nullptr;
  if (!module || dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || !map || !map->l_name) return {};
  return map->l_name;
}
