// Start-up to the first painted window, and peak memory, of each program and of a bare Qt
// window with one label: each iteration starts the program with the first-paint probe
// preloaded and waits for its word.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

extern char **environ;

namespace {

constexpr int kTimeoutMs = 30000;

struct Launch {
  double seconds = 0;
  double peakMb = 0;
  std::string error;
};

Launch StartUntilPainted(const char *program) {
  Launch launch;
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return {0, 0, "pipe failed"};
  ::fcntl(fds[1], F_SETFD, 0);  // the write end goes to the program

  std::vector<std::string> env;
  for (char **e = environ; *e; ++e) {
    const std::string var = *e;
    if (var.rfind("LD_PRELOAD=", 0) != 0 && var.rfind("QOLVIX_PROBE_FD=", 0) != 0)
      env.push_back(var);
  }
  env.push_back(std::string("LD_PRELOAD=") + STARTUP_PROBE);
  env.push_back("QOLVIX_PROBE_FD=" + std::to_string(fds[1]));
  std::vector<char *> envp;
  for (std::string &var : env) envp.push_back(var.data());
  envp.push_back(nullptr);
  std::string name = program;
  char *argv[] = {name.data(), nullptr};

  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = ::posix_spawn(&pid, program, nullptr, nullptr, argv, envp.data());
  ::close(fds[1]);
  if (spawned != 0) {
    ::close(fds[0]);
    return {0, 0, std::string("cannot start ") + program};
  }
  pollfd wait{fds[0], POLLIN, 0};
  char word[64] = {};
  long peakKb = -1;
  const bool painted = ::poll(&wait, 1, kTimeoutMs) == 1 &&
                       ::read(fds[0], word, sizeof word - 1) > 0 &&
                       std::sscanf(word, "painted %ld", &peakKb) == 1 && peakKb > 0;
  launch.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  ::close(fds[0]);
  if (!painted) {
    ::kill(pid, SIGKILL);
    launch.error = std::string(program) + " showed no painted window";
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  launch.peakMb = static_cast<double>(peakKb) / 1024.0;
  return launch;
}

void Startup(benchmark::State &state, const char *program) {
  double peakMb = 0;
  for (auto _ : state) {
    const Launch launch = StartUntilPainted(program);
    if (!launch.error.empty()) {
      state.SkipWithError(launch.error.c_str());
      break;
    }
    state.SetIterationTime(launch.seconds);
    peakMb += launch.peakMb;
  }
  state.counters["peak_MB"] = benchmark::Counter(peakMb, benchmark::Counter::kAvgIterations);
}

BENCHMARK_CAPTURE(Startup, label, LABEL_WINDOW)
    ->Name("startup/label_window")
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Startup, decldemo, DECLDEMO_PROGRAM)
    ->Name("startup/decldemo")
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Startup, loaddemo, LOADDEMO_PROGRAM)
    ->Name("startup/loaddemo")
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

}  // namespace
