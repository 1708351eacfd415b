#include "proc_maps.h"

#include <unistd.h>

#include <fstream>

bool IsFileMapped(const std::string &fileName, pid_t pid) {
  std::ifstream maps("/proc/" + std::to_string(pid ? pid : ::getpid()) + "/maps");
  std::string line;
  while (std::getline(maps, line)) {
    const auto slash = line.find('/');
    if (slash == std::string::npos) continue;
    const std::string path = line.substr(slash);
    if (path.size() >= fileName.size() &&
        path.compare(path.size() - fileName.size(), fileName.size(), fileName) == 0 &&
        (path.size() == fileName.size() || fileName[0] == '/' ||
         path[path.size() - fileName.size() - 1] == '/'))
      return true;
  }
  return false;
}
