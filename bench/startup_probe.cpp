// Preloaded into a Qt program by the start-up benchmark: when the program's first paint has
// been done, writes "painted <peak resident kB>" to the file descriptor named by
// QOLVIX_PROBE_FD and ends the process at once. Changes nothing else in the program.
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

class FirstPaint : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Fires once the event loop is back: every widget of this paint pass is painted.
      QTimer::singleShot(0, [] { Report(); });
    }
    return false;
  }

 private:
  // The peak resident size of this program since it started (VmHWM); the parent's size
  // before the exec does not count, unlike in getrusage's figure.
  static long PeakKb() {
    std::FILE *status = std::fopen("/proc/self/status", "r");
    if (!status) return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, status))
      if (std::strncmp(line, "VmHWM:", 6) == 0) kb = std::atol(line + 6);
    std::fclose(status);
    return kb;
  }
  static void Report() {
    if (const char *fd = std::getenv("QOLVIX_PROBE_FD")) {
      char word[64];
      const int n = std::snprintf(word, sizeof word, "painted %ld\n", PeakKb());
      if (::write(std::atoi(fd), word, static_cast<std::size_t>(n)) < 0) ::_exit(2);
    }
    ::_exit(0);
  }
  bool seen_ = false;
};

void InstallProbe() {
  auto *app = QCoreApplication::instance();
  app->installEventFilter(new FirstPaint(app));  // owned by the application
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
